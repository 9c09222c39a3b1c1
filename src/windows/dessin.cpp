// The drawing board: its controls, layout, enabling, buttons, name box and mouse on the sheet.
#include "windows/dessin.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>

#include "board/board_actions.h"
#include "hull/definition_screens.h"
#include "windows/app_windows.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"
#include "windows/plan_widget.h"
#include "windows/print_commands.h"
#include "windows/template_commands.h"

namespace voriel {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// The window as it opens: a sheet of 13800 x 7000 twips.
constexpr double kStartWidth = 14000, kStartHeight = 9000;

const QColor kNameTooLong(255, 255, 0);
const QColor kNameTooShort(255, 127, 0);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void enableAll(std::initializer_list<QAction*> actions, bool on) {
    for (QAction* a : actions) a->setEnabled(on);
}

void enableAll(std::initializer_list<QWidget*> widgets, bool on) {
    for (QWidget* w : widgets) w->setEnabled(on);
}

void setBoxColour(QLineEdit* box, const QColor& colour) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

}  // namespace

Dessin::Dessin(AppWindows& windows) : windows_(windows), layout_(DesignLayout()) {
    setObjectName("dessin");
    makeControls();
    makeMenus();

    text1_->setText(qs(BoxText(doc().hull.XMax[1])));
    text2_->setText(qs(doc().hull.HullFileName));
    enableAll({dessCouple_, command1_[1], developer_, dessine_}, false);
    hmenu_->setEnabled(false);
    fmenuPSetup_->setEnabled(true);

    applyLayout();
    resize(qRound(kStartWidth * logicalDpiX() / kTwipsPerInch),
           qRound(kStartHeight * logicalDpiY() / kTwipsPerInch));
    setCaptions();
}

Dessin::~Dessin() = default;

Document& Dessin::doc() {
    return windows_.doc();
}

bool Dessin::french() {
    return doc().hull.Language == 0;
}

void Dessin::makeControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    plan_ = new PlanWidget(central);
    command1_[0] = button(central, "Command1_0");
    command1_[1] = button(central, "Command1_1");
    dessine_ = button(central, "dessine");
    developer_ = button(central, "Developer");
    dessCouple_ = button(central, "DessCouple");
    cancel_ = button(central, "CANCEL");
    label1_ = new QLabel(central);
    label1_->setObjectName("Label1");
    label2_ = new QLabel(central);
    label2_->setObjectName("Label2");
    text1_ = new QLineEdit(central);
    text1_->setObjectName("Text1");
    text2_ = new QLineEdit(central);
    text2_->setObjectName("Text2");
    for (QLabel* l : {label1_, label2_}) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusBar()->setSizeGripEnabled(false);

    connect(command1_[0], &QPushButton::clicked, this, [this] { command1Click(0); });
    connect(command1_[1], &QPushButton::clicked, this, [this] { command1Click(1); });
    connect(dessine_, &QPushButton::clicked, this, &Dessin::redraw);
    connect(developer_, &QPushButton::clicked, this, &Dessin::develop);
    connect(dessCouple_, &QPushButton::clicked, this, &Dessin::drawStation);
    connect(cancel_, &QPushButton::clicked, this, &Dessin::cancelClick);
    connect(text2_, &QLineEdit::returnPressed, this, &Dessin::hullNameEntered);
    connect(plan_, &PlanWidget::mouseDown, this, &Dessin::plansMouseDown);
    connect(plan_, &PlanWidget::mouseMove, this, &Dessin::plansMouseMove);
    connect(plan_, &PlanWidget::mouseUp, this, &Dessin::plansMouseUp);
    connect(plan_, &PlanWidget::doubleClicked, this, &Dessin::plansDoubleClick);
    dessine_->installEventFilter(this);
}

void Dessin::applyLayout() {
    const double sx = logicalDpiX() / kTwipsPerInch, sy = logicalDpiY() / kTwipsPerInch;
    const std::array<QWidget*, kBoardControlCount> widgets{
        plan_,   command1_[0], command1_[1], dessine_, developer_, dessCouple_,
        cancel_, label1_,      text1_,       label2_,  text2_};
    for (int i = 0; i < kBoardControlCount; ++i) {
        const TwipRect& r = layout_[i];
        widgets[i]->setGeometry(qRound(r.left * sx), qRound(r.top * sy), qRound(r.width * sx),
                                qRound(r.height * sy));
    }
}

void Dessin::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const double w = event->size().width() * kTwipsPerInch / logicalDpiX();
    const double h = event->size().height() * kTwipsPerInch / logicalDpiY();
    if (LayOutBoard(layout_, w, h)) applyLayout();
}

void Dessin::activate() {
    show();
    raise();
    activateWindow();
    setCaptions();
}

void Dessin::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) setCaptions();
    QMainWindow::changeEvent(event);
}

bool Dessin::eventFilter(QObject* watched, QEvent* event) {
    // The redraw button redraws when it takes the focus from the keyboard; a click redraws by
    // itself, and coming back to the window is no request to redraw.
    if (watched == dessine_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            redraw();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Dessin::begin() {
    setCaptions();
    const std::string& name = doc().hull.HullFileName;
    setWindowTitle(
        qs((french() ? "Voriel2000  -  Nouvelle voriel : " : "Voriel2000  -  New Hull : ") + name));
    // The start window has just put the default hull back: the box names it.
    showHullName();
    command1_[0]->setEnabled(true);
    command1_[1]->setEnabled(false);
    disableExports();
    show();
    raise();
    windows_.bouchain1().activate();
}

void Dessin::chine1Validated() {
    // The first station drawn is the max-beam station.
    text1_->setText(qs(BoxText(doc().hull.XMax[1])));
    chines23Validated();
}

void Dessin::chines23Validated() {
    activate();
    enableAll({command1_[0], command1_[1], dessine_}, true);
    command1_[1]->setFocus(Qt::OtherFocusReason);
}

void Dessin::drawWaterline() {
    activate();
    DrawWaterline(doc().hull, doc().board, doc().hydro, plan_->canvas());
    plan_->showDrawing();
}

void Dessin::hullNameChanged() {
    showHullName();
    setWindowTitle(windowTitle().section(" : ", 0, 0) + " : " + qs(doc().hull.HullFileName));
}

void Dessin::showHullName() {
    text2_->setText(qs(doc().hull.HullFileName));
}

// Print, Lines XYZ, Lines DXF, Station DXF and VRML 2.0: nothing leaves the program before the
// lines it would write have been drawn again.
void Dessin::disableExports() {
    enableAll({fmenuPrint_->menuAction(), fmenuSXyz_, fmenuSDxf_, fmenuStationDxf_, fmenuSVrml_},
              false);
}

void Dessin::command1Click(int index) {
    WaitCursor wait(windows_.dialogs());
    disableExports();
    doc().board.ChineView = static_cast<int16_t>(index);
    dessine_->setEnabled(true);
    if (index == 0) {
        enableAll({dessCouple_, developer_}, false);
        windows_.bouchain1().activate();
    } else {
        enableAll({hmenu_, fmenuSVrml_}, true);
        windows_.bouchain2().activate();
    }
}

void Dessin::redraw() {
    WaitCursor wait(windows_.dialogs());
    RedrawBoard(doc().hull, doc().board, plan_->canvas());
    plan_->showDrawing();
    afterRedraw();
}

void Dessin::afterRedraw() {
    developer_->setEnabled(true);
    if (doc().board.ChineView == 1) {
        enableAll({dessCouple_}, true);
        enableAll({fmenuPrint_->menuAction(), fmenuSXyz_, fmenuSDxf_, fmenuSdDxf_, fmenuSVrml_},
                  true);
        developer_->setFocus(Qt::OtherFocusReason);
    } else {
        command1_[1]->setEnabled(true);
        command1_[1]->setFocus(Qt::OtherFocusReason);
        dessCouple_->setEnabled(false);
        fmenuPrint_->menuAction()->setEnabled(true);
        enableAll({fmenuSXyz_, fmenuSDxf_, fmenuSdDxf_, fmenuStationDxf_, fmenuSVrml_}, false);
    }
}

void Dessin::drawStation() {
    WaitCursor wait(windows_.dialogs());
    std::string box = text1_->text().toStdString();
    DrawStationClick(doc().hull, doc().board, box, plan_->canvas());
    text1_->setText(qs(box));
    plan_->showDrawing();
    fmenuStationDxf_->setEnabled(true);
}

void Dessin::develop() {
    WaitCursor wait(windows_.dialogs());
    DevelopClick(doc().hull, doc().board, plan_->canvas());
    plan_->showDrawing();
}

void Dessin::cancelClick() {
    // The hull is saved on the way out; when that fails the builder stays with the hull as it
    // was, since the start window would put the default hull in its place.
    const SaveResult saved = saveData();
    if (saved == SaveResult::Failed || saved == SaveResult::Declined) return;
    quitToStart();
}

void Dessin::quitToStart() {
    windows_.bouchain1().hide();
    windows_.bouchain2().hide();
    hide();
    windows_.lancement().activate();
}

void Dessin::closeEvent(QCloseEvent* event) {
    event->accept();
    quitToStart();
}

void Dessin::hydroClick() {
    windows_.hydro1().activate();
    windows_.mass1().activate();
}

void Dessin::hullNameEntered() {
    WaitCursor wait(windows_.dialogs());
    QString name = text2_->text();
    if (name.size() >= 16) {
        name = name.left(15).toUpper();
        setBoxColour(text2_, kNameTooLong);
    } else if (name.size() >= 3) {
        name = name.toUpper();
        setBoxColour(text2_, palette().color(QPalette::Window));
    } else {
        windows_.dialogs().beep();
        text2_->setText("VORIEL");
        setBoxColour(text2_, kNameTooShort);
        return;
    }
    text2_->setText(name);
    doc().hull.HullFileName = name.toStdString();
}

// The sheet answers the mouse once there is something to draw on it.
void Dessin::plansMouseDown(int button, float x, float y) {
    if (!dessine_->isEnabled()) return;
    BoardMouseDown(doc().board, plan_->canvas(), button, x, y);
    plan_->showDrawing();
}

void Dessin::plansMouseMove(int buttons, float x, float y) {
    if (!dessine_->isEnabled()) return;
    BoardMouseMove(doc().board, plan_->canvas(), buttons, x, y);
    plan_->showDrawing();
}

void Dessin::plansMouseUp(int button, float x, float y) {
    if (!dessine_->isEnabled()) return;
    BoardMouseUp(doc().hull, doc().board, plan_->canvas(), button, x, y);
    plan_->showDrawing();
}

void Dessin::plansDoubleClick() {
    if (!dessine_->isEnabled()) return;
    WaitCursor wait(windows_.dialogs());
    BoardDoubleClick(doc().hull, doc().board, plan_->canvas());
    plan_->showDrawing();
    afterRedraw();
}

}  // namespace voriel

// What the window tests share: a document, fake dialogs and the windows, the captions each window
// must show, and ways to read a control's caption, click, type and move the focus.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "support/case_lines.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"
#include "text/number_text.h"
#include "windows/app_windows.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/courbes.h"
#include "windows/dessin.h"
#include "windows/document.h"
#include "windows/entry_box.h"
#include "windows/fake_dialogs.h"
#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"
#include "windows/plan_widget.h"

namespace voriel::test {

// The windows over a document holding the default hull, as the program starts (or a blank hull,
// for the start window to load the default one).
struct Harness {
    explicit Harness(bool defaultHull = true) {
        if (defaultHull) SetDefaultHull(doc.hull);
    }
    Document doc;
    FakeDialogs dialogs;
    AppWindows windows{doc, dialogs};
};

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return w;
}

// The text a control shows: a label's or button's text, a group box's title, a menu's or menu
// entry's text, the window title ("window").
inline QString CaptionOf(QWidget& window, const QString& control) {
    if (control == QLatin1String("window")) return window.windowTitle();
    QWidget* w = window.findChild<QWidget*>(control);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    if (auto* menu = qobject_cast<QMenu*>(w)) return menu->title();
    if (auto* action = w ? nullptr : window.findChild<QAction*>(control)) return action->text();
    return QStringLiteral("<no control %1>").arg(control);
}

// The rows of a hand-kept table of expected values, golden/<file>.txt (read as every case table
// is): one row a line, its fields separated by tabs, "\n" standing for a line break. A missing or
// empty file, or a row of another width, stops the test with the file's name.
inline std::vector<QStringList> Rows(const std::string& file, int width) {
    const std::string path = "golden/" + file + ".txt";
    std::vector<QStringList> rows;
    for (const std::string& line : CaseLines(path)) {
        rows.push_back(QString::fromStdString(line).replace("\\n", "\n").split('\t'));
        if (rows.back().size() != width)
            qFatal("%s: not %d fields: %s", path.c_str(), width, line.c_str());
    }
    if (rows.empty()) qFatal("no rows in %s", path.c_str());
    return rows;
}

// Each caption the window shows against golden/captions/<file>.txt: a control's name, its French
// and its English caption; the first wrong one is named.
#define VERIFY_CAPTIONS(window, file, language)                                          \
    for (const QStringList& c_ : Rows("captions/" + std::string(file), 3))               \
    QVERIFY2(CaptionOf(window, c_[0]) == c_[1 + (language)],                             \
             qPrintable(c_[0] + ": \"" + CaptionOf(window, c_[0]) + "\" instead of \"" + \
                        c_[1 + (language)] + "\""))

// The whole record compared: defining values, angles, flags and every computed point.
inline bool SameHull(const Hull& a, const Hull& b) {
    return SameShape(a, b) && a.PanelDensity == b.PanelDensity && a.HullFileName == b.HullFileName;
}

// Clicks the button, or triggers the menu entry, of that name.
inline void Click(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        Child<QAction>(window, name)->trigger();
}

// Replaces a box's text as the builder would type it.
inline void Type(QWidget& window, const char* box, const QString& text) {
    Child<QLineEdit>(window, box)->setText(text);
}

// Types into a box and presses Enter in it.
inline void Enter(QWidget& window, const char* box, const QString& text) {
    Type(window, box, text);
    QTest::keyClick(Child(window, box), Qt::Key_Return);
}

inline QString BoxText(QWidget& window, const char* box) {
    return Child<QLineEdit>(window, box)->text();
}

// Makes the window the active one and waits until it is.
inline bool Activate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, 2000);
}

// One of the program's windows by its name (its objectName), once it is made.
inline QWidget& Window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return *w;
    qFatal("no window %s", name);
}

// The names of the program's windows shown now, in a fixed order, separated by spaces.
inline QString Shown() {
    QStringList shown;
    for (const char* name :
         {"lancement", "bouchain1", "bouchain2", "dessin", "hydro1", "Mass1", "courbes"})
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) shown << name;
    return shown.join(' ');
}

// The enabling of the board's buttons and menu entries that walk the builder through the work,
// in this order, '1' enabled: dessine, Developer, DessCouple, Command1_0, Command1_1, fmenu_Print,
// fmenu_S_XYZ, fmenu_S_DXF, fmenu_SD_DXF, fmenu_Station_DXF, fmenu_S_VRML, Hmenu.
inline QString Enabling(QWidget& board) {
    QString out;
    for (const char* name : {"dessine", "Developer", "DessCouple", "Command1_0", "Command1_1",
                             "fmenu_Print", "fmenu_S_XYZ", "fmenu_S_DXF", "fmenu_SD_DXF",
                             "fmenu_Station_DXF", "fmenu_S_VRML", "Hmenu"}) {
        auto* action = board.findChild<QAction*>(QString::fromLatin1(name));
        out += (action ? action->isEnabled() : Child(board, name)->isEnabled()) ? '1' : '0';
    }
    return out;
}

// The drawing board's sheet as it is now.
inline QImage Sheet(Dessin& board) {
    return Child<PlanWidget>(board, "Plan1")->canvas().image().copy();
}

// How many pixels of the board's sheet are of the colour.
inline int PixelsOf(Dessin& board, QRgb colour) {
    const QImage image = Sheet(board).convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return int(std::count(pixels, pixels + image.width() * image.height(), colour | 0xff000000));
}

// Begin, both screens validated as they are, and the board redrawn: every line on the sheet.
inline void WalkToRedrawnBoard(Harness& h) {
    h.windows.dessin().begin();
    Click(h.windows.bouchain1(), "valider");
    Click(h.windows.dessin(), "Command1_1");
    Click(h.windows.bouchain2(), "valider");
    Click(h.windows.dessin(), "dessine");
}

}  // namespace voriel::test

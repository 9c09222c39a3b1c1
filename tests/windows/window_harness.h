// What the window tests share: a document, fake dialogs and the six windows, the captions each
// window must show, and ways to read a control's caption, click, type and move the focus.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "board/station_sections.h"
#include "hull/hull.h"
#include "support/test_data.h"
#include "support/test_hulls.h"
#include "windows/app_windows.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/dessin.h"
#include "windows/document.h"
#include "windows/fake_dialogs.h"
#include "windows/plan_widget.h"

namespace voriel::test {

// One control's expected caption in both languages; "window" is the title bar.
struct ExpectedCaption {
    std::string control, french, english;
};

// The captions of a window as golden/captions/<window>.txt lists them: one control a line, its
// name, French and English caption separated by tabs, "\n" standing for a line break.
inline std::vector<ExpectedCaption> Captions(const std::string& window) {
    const std::string path = TestData("golden/captions/" + window + ".txt");
    std::ifstream in(path);
    std::vector<ExpectedCaption> out;
    for (std::string line; std::getline(in, line);) {
        for (std::size_t at; (at = line.find("\\n")) != std::string::npos;)
            line.replace(at, 2, "\n");
        const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
        if (b == std::string::npos) qFatal("%s: not control<tab>french<tab>english", path.c_str());
        out.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    if (out.empty()) qFatal("no captions in %s", path.c_str());
    return out;
}

struct Harness {
    Document doc;
    FakeDialogs dialogs;
    AppWindows windows{doc, dialogs};
};

// The default hull named "boat" at a stage, with the station sections a redraw computes: what
// the print commands read.
inline Document BoatDocument(int stage) {
    Document doc;
    doc.hull = ValidatedDefaultHull();
    doc.hull.HullFileName = "boat";
    doc.board.ChineView = static_cast<int16_t>(stage);
    ComputeAllStationSections(doc.hull, doc.board);
    return doc;
}

// A harness holding the default hull, as the program starts.
inline std::unique_ptr<Harness> DefaultHarness() {
    auto h = std::make_unique<Harness>();
    SetDefaultHull(h->doc.hull);
    return h;
}

// The rows of a test run once per language: column "language", 0 French, 1 English.
inline void AddLanguageRows() {
    QTest::addColumn<int>("language");
    QTest::newRow("French") << 0;
    QTest::newRow("English") << 1;
}

// The text a control shows: a label's or button's text, a group box's title, a menu entry's
// text, the window title.
inline QString CaptionOf(QWidget& window, const std::string& control) {
    const QString name = QString::fromStdString(control);
    if (name == QLatin1String("window")) return window.windowTitle();
    QWidget* w = window.findChild<QWidget*>(name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    if (auto* menu = qobject_cast<QMenu*>(w)) return menu->title();
    if (auto* action = w ? nullptr : window.findChild<QAction*>(name)) return action->text();
    return QStringLiteral("<no control %1>").arg(name);
}

// The captions of the golden file the window shows wrong for the language, one a line; empty
// when all are right.
inline std::string CaptionsWrong(QWidget& window, const std::string& file, int language) {
    std::string wrong;
    for (const ExpectedCaption& c : Captions(file)) {
        const QString expected = QString::fromStdString(language == 0 ? c.french : c.english);
        const QString shown = CaptionOf(window, c.control);
        if (shown != expected)
            wrong += c.control + ": \"" + shown.toStdString() + "\" instead of \"" +
                     expected.toStdString() + "\"\n";
    }
    return wrong;
}

#define VERIFY_CAPTIONS(window, file, language)                           \
    do {                                                                  \
        const std::string wrong_ = CaptionsWrong(window, file, language); \
        QVERIFY2(wrong_.empty(), wrong_.c_str());                         \
    } while (false)

// For the current row's language (AddLanguageRows): the hull switched to it, the window
// activated, and its captions checked against the golden file.
#define VERIFY_CAPTIONS_OF_ROW(harness, window, file)    \
    do {                                                 \
        QFETCH(int, language);                           \
        (harness).doc.hull.Language = int16_t(language); \
        (window).activate();                             \
        VERIFY_CAPTIONS(window, file, language);         \
    } while (false)

// The whole record compared: defining values, angles, flags and every computed point.
inline bool SameHull(const Hull& a, const Hull& b) {
    return SameShape(a, b) && a.PanelDensity == b.PanelDensity && a.HullFileName == b.HullFileName;
}

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return w;
}

inline void Click(QWidget& window, const char* button) {
    QTest::mouseClick(Child<QAbstractButton>(window, button), Qt::LeftButton);
}

inline void Trigger(QWidget& window, const char* action) {
    Child<QAction>(window, action)->trigger();
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

// The board's buttons and menu entries whose enabling walks the builder through the work.
inline const char* const kBoardSteps[] = {"dessine",           "Developer",    "DessCouple",
                                          "Command1_0",        "Command1_1",   "fmenu_Print",
                                          "fmenu_S_XYZ",       "fmenu_S_DXF",  "fmenu_SD_DXF",
                                          "fmenu_Station_DXF", "fmenu_S_VRML", "Hmenu"};

// The enabling of kBoardSteps in order: '1' enabled, '0' disabled.
inline QString Enabling(QWidget& board) {
    QString out;
    for (const char* name : kBoardSteps) {
        QWidget* w = board.findChild<QWidget*>(QString::fromLatin1(name));
        const bool on = w && !qobject_cast<QMenu*>(w) ? w->isEnabled()
                                                      : Child<QAction>(board, name)->isEnabled();
        out += on ? '1' : '0';
    }
    return out;
}

// Makes the window the active one and waits until it is.
inline bool Activate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, 2000);
}

// The drawing board's sheet as it is now.
inline QImage Sheet(Dessin& board) {
    return Child<PlanWidget>(board, "Plan1")->canvas().image().copy();
}

// How many pixels of the board's sheet are of the colour.
inline int PixelsOf(Dessin& board, QRgb colour) {
    const QImage image = Sheet(board);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
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

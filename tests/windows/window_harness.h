// What the window tests share: a document, fake dialogs and the six windows, and ways to read a
// control's caption, click, type and move the focus between windows.
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
#include <memory>
#include <string>
#include <vector>

#include "board/station_sections.h"
#include "hull/hull.h"
#include "support/test_hulls.h"
#include "windows/app_windows.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/dessin.h"
#include "windows/document.h"
#include "windows/fake_dialogs.h"

namespace voriel::test {

// One control's expected caption in both languages; "window" is the title bar.
struct ExpectedCaption {
    const char* control;
    const char* french;
    const char* english;
};

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
inline QString CaptionOf(QWidget& window, const char* control) {
    if (QString::fromLatin1(control) == QLatin1String("window")) return window.windowTitle();
    QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(control));
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    if (auto* menu = qobject_cast<QMenu*>(w)) return menu->title();
    if (w == nullptr) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(control)))
            return action->text();
    }
    return QStringLiteral("<no control %1>").arg(QString::fromLatin1(control));
}

// Every caption of the table as the window shows it for the language; the mismatches, if any.
template <std::size_t N>
std::vector<std::string> CaptionMismatches(QWidget& window, const ExpectedCaption (&table)[N],
                                           int language) {
    std::vector<std::string> wrong;
    for (const ExpectedCaption& c : table) {
        const QString expected = QString::fromUtf8(language == 0 ? c.french : c.english);
        const QString shown = CaptionOf(window, c.control);
        if (shown != expected)
            wrong.push_back(std::string(c.control) + ": \"" + shown.toStdString() +
                            "\" instead of \"" + expected.toStdString() + "\"");
    }
    return wrong;
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

// For the current row's language (AddLanguageRows): the hull switched to it, the window activated,
// and the captions of the table it shows wrong, one a line; empty when all are right.
template <typename Window, std::size_t N>
std::string CaptionsShownWrong(Harness& h, Window& window, const ExpectedCaption (&table)[N]) {
    QFETCH(int, language);
    h.doc.hull.Language = int16_t(language);
    window.activate();
    return Joined(CaptionMismatches(window, table, language));
}

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

// Replaces a box's text as the builder would type it.
inline void Type(QWidget& window, const char* box, const QString& text) {
    QLineEdit* edit = Child<QLineEdit>(window, box);
    edit->setText(text);
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

// Begin, both screens validated as they are, and the board redrawn: every line on the sheet.
inline void WalkToRedrawnBoard(Harness& h) {
    h.windows.dessin().begin();
    Click(h.windows.bouchain1(), "valider");
    Click(h.windows.dessin(), "Command1_1");
    Click(h.windows.bouchain2(), "valider");
    Click(h.windows.dessin(), "dessine");
}

}  // namespace voriel::test

// voriel-screenshots DIR: walks the normal flow of the desktop program on the default hull, in
// French then in English, and saves a picture of each of the six windows, and of the curves
// window opened from the hydrostatics, into DIR.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "windows/app_windows.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/courbes.h"
#include "windows/dessin.h"
#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"

namespace {

using voriel::SaveDialog;

// No person at the keyboard: every file dialog is cancelled, every question answered No, and
// messages go to the standard error.
class ScriptedDialogs : public voriel::Dialogs {
public:
    std::optional<std::string> openFile(const SaveDialog&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const SaveDialog&) override { return std::nullopt; }
    void message(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    bool confirm(const std::string&, const std::string&) override { return false; }
    void beep() override {}
    void beginWait() override {}
    void endWait() override {}
};

class Walk {
public:
    Walk(voriel::AppWindows& windows, QDir dir) : windows_(windows), dir_(std::move(dir)) {}

    bool run(int language) {
        suffix_ = language == 0 ? "-fr" : "-en";
        windows_.lancement().activate();
        settle();
        click(windows_.lancement(), language == 0 ? "Language_0" : "Language_1");
        save(windows_.lancement(), "1-lancement");
        click(windows_.lancement(), "CREATE");
        save(windows_.bouchain1(), "2-bouchain1");
        click(windows_.bouchain1(), "valider");
        click(windows_.dessin(), "dessine");
        click(windows_.dessin(), "Command1_1");
        save(windows_.bouchain2(), "3-bouchain2");
        click(windows_.bouchain2(), "valider");
        click(windows_.dessin(), "dessine");
        click(windows_.dessin(), "Developer");
        click(windows_.dessin(), "DessCouple");
        auto* hydroMenu = windows_.dessin().findChild<QAction*>(QStringLiteral("Hmenu"));
        if (hydroMenu == nullptr) return fail("no Hmenu on the board");
        hydroMenu->trigger();
        save(windows_.hydro1(), "5-hydro1");
        save(windows_.mass1(), "6-Mass1");
        save(windows_.dessin(), "4-dessin");
        click(windows_.mass1(), "Calcul1");
        save(windows_.hydro1(), "5-hydro1-mass");
        click(windows_.hydro1(), "Courbes");
        save(windows_.courbes(), "7-courbes");
        click(windows_.courbes(), "fin");
        click(windows_.hydro1(), "fin2");
        save(windows_.dessin(), "4-dessin-waterline");
        click(windows_.dessin(), "CANCEL");  // the save dialog is cancelled: back to the start
        return ok_;
    }

private:
    // Lets the windows show, lay out and take the focus as they would in front of a person.
    static void settle() {
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    void click(QWidget& window, const char* name) {
        settle();
        auto* b = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (b == nullptr || !b->isEnabled()) {
            fail(std::string("cannot press ") + name + " on " + window.objectName().toStdString());
            return;
        }
        b->click();
        settle();
    }
    void save(QWidget& window, const char* name) {
        settle();
        const QString path = dir_.filePath(QString::fromLatin1(name) + suffix_ + ".png");
        if (!window.isVisible()) fail(window.objectName().toStdString() + " is not shown");
        if (!window.grab().save(path)) fail("cannot write " + path.toStdString());
        std::printf("%s\n", qPrintable(path));
    }
    bool fail(const std::string& why) {
        std::fprintf(stderr, "voriel-screenshots: %s\n", why.c_str());
        ok_ = false;
        return false;
    }

    voriel::AppWindows& windows_;
    QDir dir_;
    QString suffix_;
    bool ok_ = true;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: voriel-screenshots DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "voriel-screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    voriel::Document doc;
    ScriptedDialogs dialogs;
    voriel::AppWindows windows(doc, dialogs);
    Walk walk(windows, dir);
    const bool ok = walk.run(0) && walk.run(1);
    return ok ? 0 : 1;
}

// Voriel 2000, the desktop program: the document, the dialogs and the start window.
#include <QApplication>

#include "windows/app_windows.h"
#include "windows/lancement.h"
#include "windows/qt_dialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    voriel::Document doc;
    voriel::QtDialogs dialogs;
    voriel::AppWindows windows(doc, dialogs);
    windows.lancement().activate();
    return QApplication::exec();
}

// The drawing board's menu tree with its shortcuts, and the captions of both languages.
#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "windows/dessin.h"

namespace voriel {

namespace {

struct Caption {
    const char* name;  // the object name of the action, menu or control
    const char* french;
    const char* english;
};

// Entries that read the same in both languages carry the text twice.
constexpr Caption kCaptions[] = {
    {"fmenu", "Fichier", "File"},
    {"fmenu_New", "Nouveau", "New"},
    {"fmenu_Open", "Ouvrir", "Open"},
    {"fmenu_Save", "Sauvegarde", "Save"},
    {"fmenu_S_Data", "Données", "Data"},
    {"fmenu_S_XYZ", "Lignes  XYZ", "Lines  XYZ"},
    {"fmenu_S_DXF", "Lignes  DXF", "Lines  DXF"},
    {"fmenu_SD_XYZ", "Développés XYZ", "Development XYZ"},
    {"fmenu_SD_DXF", "Développés DXF", "Development DXF"},
    {"fmenu_Station_DXF", "Station DXF", "Station DXF"},
    {"fmenu_S_VRML", "VRML 2.0", "VRML 2.0"},
    {"fmenu_Print", "Imprimer", "Print"},
    {"fmenu_P_Dessin", "Dessin", "Drawing"},
    {"fmenu_P_Develop", "Développés", "Development"},
    {"fmenu_P_Tout", "Tout", "All"},
    {"fmenu_P_Gabarits", "Gabarits 1:1", "Full-size templates"},
    {"fmenu_PSetup", "Printer setup", "Printer setup"},
    {"fmenu_Quit", "&Quit", "&Quit"},
    {"Hmenu", "&Hydro", "&Hydro"},
    {"Command1_0", "Bouchain 1", "Chine 1"},
    {"Command1_1", "Bouchains 2-3", "Chine 2-3"},
    {"Label1", "Station X=", "Station X="},
    {"Label2", "Lignes de ", "Lines of "},
    {"DessCouple", "Dessiner couple", "Draw station"},
    {"Developer", "Développer", "Develop"},
    {"dessine", "Redessiner", "Redraw lines"},
    {"CANCEL", "Terminer", "Quit"},
};

constexpr Caption kTitle = {"dessin", "  Planche à dessiner", "  Drawing board"};

QAction* entry(QMenu* menu, const char* name, QKeySequence shortcut = {}) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    a->setShortcut(shortcut);
    return a;
}

QMenu* submenu(QWidget* parent, const char* name) {
    auto* m = new QMenu(parent);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

}  // namespace

void Dessin::makeMenus() {
    fmenu_ = submenu(menuBar(), "fmenu");
    menuBar()->addMenu(fmenu_);
    fmenuNew_ = entry(fmenu_, "fmenu_New", QKeySequence(Qt::CTRL | Qt::Key_N));
    fmenuOpen_ = entry(fmenu_, "fmenu_Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    fmenu_->addSeparator()->setObjectName("separ0");

    fmenuSave_ = submenu(fmenu_, "fmenu_Save");
    fmenu_->addMenu(fmenuSave_);
    fmenuSData_ = entry(fmenuSave_, "fmenu_S_Data", QKeySequence(Qt::CTRL | Qt::Key_S));
    fmenuSXyz_ = entry(fmenuSave_, "fmenu_S_XYZ");
    fmenuSDxf_ = entry(fmenuSave_, "fmenu_S_DXF");
    fmenuSdXyz_ = entry(fmenuSave_, "fmenu_SD_XYZ");
    fmenuSdDxf_ = entry(fmenuSave_, "fmenu_SD_DXF");
    fmenuStationDxf_ = entry(fmenuSave_, "fmenu_Station_DXF");
    fmenuSVrml_ = entry(fmenuSave_, "fmenu_S_VRML");
    fmenu_->addSeparator()->setObjectName("separ1");

    fmenuPrint_ = submenu(fmenu_, "fmenu_Print");
    fmenu_->addMenu(fmenuPrint_);
    fmenuPDessin_ = entry(fmenuPrint_, "fmenu_P_Dessin", QKeySequence(Qt::CTRL | Qt::Key_P));
    fmenuPDevelop_ = entry(fmenuPrint_, "fmenu_P_Develop", QKeySequence(Qt::CTRL | Qt::Key_D));
    fmenuPTout_ = entry(fmenuPrint_, "fmenu_P_Tout", QKeySequence(Qt::CTRL | Qt::Key_A));
    fmenuPGabarits_ = entry(fmenuPrint_, "fmenu_P_Gabarits");
    fmenuPSetup_ = entry(fmenuPrint_, "fmenu_PSetup");
    fmenu_->addSeparator()->setObjectName("separ2");
    fmenuQuit_ = entry(fmenu_, "fmenu_Quit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    hmenu_ = menuBar()->addAction(QString());
    hmenu_->setObjectName("Hmenu");

    connect(fmenuNew_, &QAction::triggered, this, &Dessin::newHull);
    connect(fmenuOpen_, &QAction::triggered, this, &Dessin::openData);
    connect(fmenuSData_, &QAction::triggered, this, [this] { saveData(); });
    connect(fmenuSXyz_, &QAction::triggered, this, &Dessin::exportLinesXyz);
    connect(fmenuSDxf_, &QAction::triggered, this, &Dessin::exportLinesDxf);
    connect(fmenuSdXyz_, &QAction::triggered, this, &Dessin::exportDevelopmentXyz);
    connect(fmenuSdDxf_, &QAction::triggered, this, &Dessin::exportDevelopmentDxf);
    connect(fmenuStationDxf_, &QAction::triggered, this, &Dessin::exportStationDxf);
    connect(fmenuSVrml_, &QAction::triggered, this, &Dessin::exportVrml);
    connect(fmenuPDessin_, &QAction::triggered, this, &Dessin::printDrawing);
    connect(fmenuPDevelop_, &QAction::triggered, this, &Dessin::printDevelopment);
    connect(fmenuPTout_, &QAction::triggered, this, &Dessin::printAll);
    connect(fmenuPGabarits_, &QAction::triggered, this, &Dessin::printTemplates);
    connect(fmenuPSetup_, &QAction::triggered, this, &Dessin::printerSetup);
    connect(fmenuQuit_, &QAction::triggered, this, &Dessin::quitToStart);
    connect(hmenu_, &QAction::triggered, this, &Dessin::hydroClick);
}

void Dessin::setCaptions() {
    const bool fr = french();
    for (const Caption& c : kCaptions) {
        const QString text = QString::fromUtf8(fr ? c.french : c.english);
        if (auto* a = findChild<QAction*>(c.name)) {
            a->setText(text);
        } else if (auto* b = findChild<QAbstractButton*>(c.name)) {
            b->setText(text);
        } else if (auto* l = findChild<QLabel*>(c.name)) {
            l->setText(text);
        }
    }
    setWindowTitle(QString::fromUtf8(fr ? kTitle.french : kTitle.english));
}

}  // namespace voriel

// The drawing board `dessin`: the sheet Plan1, the strip of buttons and boxes under it, the menus
// of the file, export, print and hydrostatics commands, and the enabling that walks the builder
// through the work.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "windows/dessin_layout.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QPrinter;

namespace voriel {

class AppWindows;
struct Document;
class PlanWidget;
struct ExportFile;
class PrintDialogs;
class TemplatePrintDialogs;
struct TemplatePrintOptions;

class Dessin : public QMainWindow {
    Q_OBJECT

public:
    explicit Dessin(AppWindows& windows);
    ~Dessin() override;

    // Shows the board, raises it and captions it in the hull's language.
    void activate();
    // The start window's Begin: the board with only the chine-1 screen open over it.
    void begin();
    // Back from a definition screen that validated.
    void chine1Validated();
    void chines23Validated();
    // The hydrostatics window's Quit: the waterline and the centre of buoyancy on the sheet.
    void drawWaterline();
    // The hull's name changed elsewhere: the name box and the title show it.
    void hullNameChanged();
    // The printer dialogs the Print menu opens (Qt's own unless a test gives others), and the
    // date its headers print (today's unless a test fixes it).
    void usePrintDialogs(std::unique_ptr<PrintDialogs> print,
                         std::unique_ptr<TemplatePrintDialogs> templates);
    void usePrintDate(const std::string& date);
    QPrinter& printer();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // dessin_print.cpp: the Print menu.
    void printDrawing();
    void printDevelopment();
    void printAll();
    void printTemplates();
    void printerSetup();

private:
    enum class SaveResult { Saved, Cancelled, Declined, Failed };

    Document& doc();
    bool french();

    // dessin.cpp: controls, captions, enabling, buttons, mouse.
    void makeControls();
    void setCaptions();
    void applyLayout();
    void command1Click(int index);
    void redraw();
    void afterRedraw();
    void drawStation();
    void develop();
    void cancelClick();
    void quitToStart();
    void hydroClick();
    void hullNameEntered();
    void showHullName();
    void plansMouseDown(int button, float x, float y);
    void plansMouseMove(int buttons, float x, float y);
    void plansMouseUp(int button, float x, float y);
    void plansDoubleClick();
    void disableExports();

    // dessin_menus.cpp: the menu tree and the caption table.
    void makeMenus();

    // dessin_files.cpp: new hull, open, save data and the export commands.
    void newHull();
    void openData();
    SaveResult saveData();
    void runExport(const std::vector<ExportFile>& files);
    void exportLinesXyz();
    void exportLinesDxf();
    void exportDevelopmentXyz();
    void exportDevelopmentDxf();
    void exportStationDxf();
    void exportVrml();
    void showWritten(const std::string& path);
    std::string replaceQuestion(const std::string& path);

    AppWindows& windows_;
    BoardLayout layout_;

    PlanWidget* plan_ = nullptr;
    std::array<QPushButton*, 2> command1_{};
    QPushButton* dessine_ = nullptr;
    QPushButton* developer_ = nullptr;
    QPushButton* dessCouple_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;

    QMenu* fmenu_ = nullptr;
    QMenu* fmenuSave_ = nullptr;
    QMenu* fmenuPrint_ = nullptr;
    QAction* fmenuNew_ = nullptr;
    QAction* fmenuOpen_ = nullptr;
    QAction* fmenuSData_ = nullptr;
    QAction* fmenuSXyz_ = nullptr;
    QAction* fmenuSDxf_ = nullptr;
    QAction* fmenuSdXyz_ = nullptr;
    QAction* fmenuSdDxf_ = nullptr;
    QAction* fmenuStationDxf_ = nullptr;
    QAction* fmenuSVrml_ = nullptr;
    QAction* fmenuPDessin_ = nullptr;
    QAction* fmenuPDevelop_ = nullptr;
    QAction* fmenuPTout_ = nullptr;
    QAction* fmenuPGabarits_ = nullptr;
    QAction* fmenuPSetup_ = nullptr;
    QAction* fmenuQuit_ = nullptr;
    QAction* hmenu_ = nullptr;

    // The printer and the templates' options chosen in this run.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrintDialogs> printDialogs_;
    std::unique_ptr<TemplatePrintDialogs> templateDialogs_;
    std::unique_ptr<TemplatePrintOptions> templateOptions_;
    std::string printDate_;  // empty: today's
};

}  // namespace voriel

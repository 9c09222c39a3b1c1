// The drawing board's Print menu: the lines drawing, the developments, all of it, the full-size
// templates and the printer setup, on one printer kept for the run.
#include <QPrinter>

#include "windows/app_windows.h"
#include "windows/dessin.h"
#include "windows/print_commands.h"
#include "windows/template_commands.h"

namespace voriel {

void Dessin::usePrintDialogs(std::unique_ptr<PrintDialogs> print,
                             std::unique_ptr<TemplatePrintDialogs> templates) {
    printDialogs_ = std::move(print);
    templateDialogs_ = std::move(templates);
}

void Dessin::usePrintDate(const std::string& date) {
    printDate_ = date;
}

// Made on first use: a printer is looked up only when the builder prints.
QPrinter& Dessin::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printDialogs_) printDialogs_ = std::make_unique<QtPrintDialogs>(this);
    if (!templateDialogs_) templateDialogs_ = std::make_unique<QtTemplatePrintDialogs>(this);
    if (!templateOptions_) templateOptions_ = std::make_unique<TemplatePrintOptions>();
    return *printer_;
}

void Dessin::printDrawing() {
    QPrinter& p = printer();
    PrintDrawingCommand(doc(), windows_.dialogs(), *printDialogs_, p,
                        printDate_.empty() ? TodayPrintDate() : printDate_);
}

void Dessin::printDevelopment() {
    QPrinter& p = printer();
    PrintDevelopmentCommand(doc(), windows_.dialogs(), *printDialogs_, p,
                            printDate_.empty() ? TodayPrintDate() : printDate_);
}

void Dessin::printAll() {
    QPrinter& p = printer();
    PrintAllCommand(doc(), windows_.dialogs(), *printDialogs_, p,
                    printDate_.empty() ? TodayPrintDate() : printDate_);
}

void Dessin::printTemplates() {
    QPrinter& p = printer();
    PrintTemplatesCommand(doc(), windows_.dialogs(), *templateDialogs_, p, *templateOptions_,
                          printDate_.empty() ? TodayPrintDate() : printDate_);
}

void Dessin::printerSetup() {
    QPrinter& p = printer();
    PrinterSetupCommand(*printDialogs_, p);
}

}  // namespace voriel

// The drawing board's Print menu: Drawing, Development, All and Printer setup.
#pragma once

#include <QPrinter>
#include <string>

#include "windows/dialogs.h"
#include "windows/document.h"

namespace voriel {

// The printer dialogs behind a small interface, so that the commands run in a test without one.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The print dialog of a command (titled `title`) on the current printer, which it may change;
    // false when cancelled.
    virtual bool print(QPrinter& printer, const std::string& title) = 0;
    // The printer setup dialog; false when cancelled.
    virtual bool setup(QPrinter& printer) = 0;
};

// The dialogs of Qt (QPrintDialog), over the given parent window (may be null).
class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    bool print(QPrinter& printer, const std::string& title) override;
    bool setup(QPrinter& printer) override;

private:
    QWidget* parent_;
};

// Today's date as the printed headers show it.
std::string TodayPrintDate();

// The titles of the commands' dialogs and failure messages.
constexpr const char* kPrintDrawingTitle = "Voriel2000 Printing drawing";
constexpr const char* kPrintDevelopmentTitle = "Voriel2000 Printing development";
constexpr const char* kPrintAllTitle = "Voriel2000 Printing all";
constexpr const char* kPrinterSetupTitle = "Voriel2000 Printer setup";

// Each print command: the print dialog with the current printer (a cancel ends the command
// silently), then the hourglass while the document is printed from the document's hull and
// board (stage and station sections of the last redraw) with `date` in its headers. A failure
// (the printer's error, a PDF file that cannot be written) is shown in a message titled with the
// command's name, and no partial file is left.
void PrintDrawingCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                         QPrinter& printer, const std::string& date);
void PrintDevelopmentCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                             QPrinter& printer, const std::string& date);
void PrintAllCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                     QPrinter& printer, const std::string& date);

// Printer setup: the setup dialog on the current printer; it changes only the printer's settings.
void PrinterSetupCommand(PrintDialogs& printDialogs, QPrinter& printer);

}  // namespace voriel

// The drawing board's Print menu: Drawing, Development, All and Printer setup.
#include "windows/print_commands.h"

#include <QDate>
#include <QPrintDialog>

#include "board/print_documents.h"
#include "board/print_page.h"
#include "windows/printed_document.h"

namespace voriel {

namespace {

void printCommand(PrintCommand command, const char* title, const Document& doc, Dialogs& dialogs,
                  PrintDialogs& printDialogs, QPrinter& printer, const std::string& date) {
    if (!printDialogs.print(printer, title)) return;
    std::optional<std::string> error;
    {
        WaitCursor wait(dialogs);
        error = PrintOnPrinter(printer, command, doc.hull, doc.board, date);
    }
    if (error) dialogs.message(title, *error);
}

}  // namespace

bool QtPrintDialogs::print(QPrinter& printer, const std::string& title) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::setup(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QString::fromUtf8(kPrinterSetupTitle));
    return dialog.exec() == QDialog::Accepted;
}

std::string TodayPrintDate() {
    const QDate today = QDate::currentDate();
    return PrintDateText(today.year(), today.month(), today.day());
}

void PrintDrawingCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                         QPrinter& printer, const std::string& date) {
    printCommand(PrintCommand::Drawing, kPrintDrawingTitle, doc, dialogs, printDialogs, printer,
                 date);
}

void PrintDevelopmentCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                             QPrinter& printer, const std::string& date) {
    printCommand(PrintCommand::Development, kPrintDevelopmentTitle, doc, dialogs, printDialogs,
                 printer, date);
}

void PrintAllCommand(const Document& doc, Dialogs& dialogs, PrintDialogs& printDialogs,
                     QPrinter& printer, const std::string& date) {
    printCommand(PrintCommand::All, kPrintAllTitle, doc, dialogs, printDialogs, printer, date);
}

void PrinterSetupCommand(PrintDialogs& printDialogs, QPrinter& printer) {
    printDialogs.setup(printer);
}

}  // namespace voriel

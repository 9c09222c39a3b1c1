// One print command printed on a QPrinter: on paper, or to a PDF file that is written safely.
#include "windows/printed_document.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>

#include "files/safe_file.h"
#include "windows/printer_canvas.h"

namespace voriel {

namespace {

std::optional<std::string> printPages(QPrinter& printer, const PrintedPages& pages) {
    PrinterCanvas canvas(printer);
    if (canvas.failed()) return canvas.error();
    if (auto refused = pages(canvas)) return refused;
    if (canvas.failed()) return canvas.error();
    return std::nullopt;
}

PrintedPages commandPages(PrintCommand command, const Hull& hull, const BoardState& board,
                          const std::string& date) {
    return [command, &hull, &board, &date](Canvas& canvas) -> std::optional<std::string> {
        PrintDocument(command, hull, board, date, canvas);
        return std::nullopt;
    };
}

// The PDF goes to a temporary file of its own, read back and written over the target safely.
std::optional<std::string> printPdf(QPrinter& printer, const PaintOnPrinter& paint) {
    const QString target = printer.outputFileName();
    const std::string path = target.toStdString();
    if (const auto refused = CheckWriteTarget(path)) return refused;
    QTemporaryDir scratch;
    if (!scratch.isValid()) return "No temporary folder for the PDF file: " + path;
    const QString temporary = scratch.filePath(QStringLiteral("print.pdf"));
    printer.setOutputFileName(temporary);
    auto error = paint(printer);
    printer.setOutputFileName(target);
    if (error) return path + ": " + *error;
    QFile pdf(temporary);
    if (!pdf.open(QIODevice::ReadOnly)) return path + ": the printed PDF could not be read back";
    const QByteArray bytes = pdf.readAll();
    return WriteFileSafely(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

void SetPdfPrinter(QPrinter& printer, Paper paper, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    const QPageSize size(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter);
    const QMarginsF margins(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm);
    printer.setPageLayout(
        QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    printer.setFullPage(false);
    printer.setCreator(QStringLiteral("Voriel 2000"));
}

std::optional<std::string> PrintOnPrinter(QPrinter& printer, PrintCommand command, const Hull& hull,
                                          const BoardState& board, const std::string& date) {
    return PrintPagesOnPrinter(printer, commandPages(command, hull, board, date));
}

std::optional<std::string> PrintPagesOnPrinter(QPrinter& printer, const PrintedPages& pages) {
    return PrintDocumentOn(printer, [&pages](QPrinter& p) { return printPages(p, pages); });
}

std::optional<std::string> PrintDocumentOn(QPrinter& printer, const PaintOnPrinter& paint) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) return std::string("No PDF file was named.");
        return printPdf(printer, paint);
    }
    if (!printer.isValid())
        return std::string("No printer is installed: choose Print to file (PDF) instead.");
    return paint(printer);
}

}  // namespace voriel

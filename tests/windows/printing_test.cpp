// The Print menu's commands and the full-size templates with fake print dialogs, on real PDF
// files: the pages each command prints, cancels and failures said under the command's title,
// the template options kept, and the printer canvas's pages and print zones.

#include "board/print_page.h"
#include "board/station_sections.h"
#include "support/pdf_tools.h"
#include "text/print_line.h"
#include "windows/printer_canvas.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

const char* const kDate = "2024-05-17";

// The default hull named "boat" at a stage, with the station sections a redraw computes: what
// the print commands read.
Document BoatDocument(int stage) {
    Document doc;
    doc.hull = ValidatedDefaultHull();
    doc.hull.HullFileName = "boat";
    doc.board.ChineView = static_cast<int16_t>(stage);
    ComputeAllStationSections(doc.hull, doc.board);
    return doc;
}

// The left edge (pt) of each word pdftotext finds on the first page.
std::vector<std::pair<std::string, double>> WordsLeft(const std::string& pdf) {
    const std::string html = Capture("pdftotext -bbox -f 1 -l 1 '" + pdf + "' - 2>/dev/null");
    std::vector<std::pair<std::string, double>> out;
    auto words = QRegularExpression("<word xMin=\"([-0-9.]+)\"[^>]*>([^<]*)</word>")
                     .globalMatch(QString::fromStdString(html));
    while (words.hasNext()) {
        const QRegularExpressionMatch w = words.next();
        out.emplace_back(w.captured(2).toStdString(), w.captured(1).toDouble());
    }
    return out;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    // A cancel prints nothing; a refused option or a failure is said under the command's title;
    // none leaves a file, nor keeps what was refused; a PDF printer with no file named is said
    // too, instead of being silently skipped. golden/windows/print_refusals.txt: Print All or the
    // templates, whether the dialog is accepted, the SY typed (99: the millimetres measured in
    // place of the factor), the PDF file, what the message holds ("-": no message), and how many
    // times the hourglass shows (only once the printing starts).
    void aCancelARefusalOrAFailurePrintsNothing() {
        TempDir dir;
        QPrinter printer;
        TemplatePrintOptions options;
        for (const QStringList& r : Rows("windows/print_refusals", 6)) {
            FakeDialogs dialogs;
            FakePrintDialogs print;
            FakeTemplateDialogs templates;
            print.accept = templates.accept = r[1] == "1";
            templates.sy = r[2].toStdString();
            print.pdf = templates.pdf = dir / r[3].toStdString();
            const bool forTemplates = r[0] == "templates";
            if (forTemplates)
                PrintTemplatesCommand(BoatDocument(1), dialogs, templates, printer, options, kDate);
            else
                PrintAllCommand(BoatDocument(1), dialogs, print, printer, kDate);
            QCOMPARE(templates.titles.size() + print.titles.size(), std::size_t(1));
            QVERIFY2(r[4] != "-"
                         ? dialogs.saidOnce(forTemplates ? kPrintTemplatesTitle : kPrintAllTitle,
                                            r[4].toStdString())
                         : dialogs.messages.empty(),
                     qPrintable(r.join(' ')));
            QCOMPARE(options.scale.SY, 1.0);
            QCOMPARE(dialogs.waitCount, r[5].toInt());
            QVERIFY(dialogs.waitDepth == 0 && dir.entries().empty());
        }
        FakeDialogs dialogs;
        FakePrintDialogs unnamed;
        QPrinter pdfPrinter;
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
        pdfPrinter.setOutputFileName(QString());
        PrintDrawingCommand(BoatDocument(1), dialogs, unnamed, pdfPrinter, kDate);
        QVERIFY(dialogs.saidOnce(kPrintDrawingTitle));
    }

    // The bottom's templates at stage 0, as the command plans them on the printer's page; the
    // options typed (a decimal comma accepted) are used and kept for the next print.
    void templatesPrintWithTheOptionsTypedAndKeepThem() {
        TempDir dir;
        const Document doc = BoatDocument(0);
        FakeDialogs dialogs;
        FakeTemplateDialogs print;
        print.pdf = dir / "templates.pdf";
        print.sx = "1,01";
        print.overlap = "12";
        QPrinter printer(QPrinter::HighResolution);
        TemplatePrintOptions options;
        PrintTemplatesCommand(doc, dialogs, print, printer, options, kDate);
        QCOMPARE(print.shown, (std::vector<std::string>{"1.0", "1.0", "10.0"}));
        QVERIFY(dialogs.messages.empty());
        TemplateRequest r;  // as kept for the next print, checked below
        r.scale = options.scale;
        r.overlapMm = options.overlapMm;
        const QRectF page = printer.pageRect(QPrinter::Point);
        QCOMPARE(PdfPages(dir / "templates.pdf"),
                 PlanTemplates(doc.hull, doc.board, r, float(page.width() * 20),
                               float(page.height() * 20))
                     .pages);
        QCOMPARE(dir.entries(), std::vector<std::string>{"templates.pdf"});
        PrintTemplatesCommand(doc, dialogs, print, printer, options, kDate);
        QCOMPARE(print.shown, (std::vector<std::string>{"1.01", "1.0", "12.0"}));
    }

    // The canvas's page is the printable area of the paper, a new page starts one, and the
    // fixed-pitch font puts every print zone 14 characters (1680 twips, 84 pt) apart on paper.
    void printerCanvasPagesAndPrintZones() {
        TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        SetPdfPrinter(printer, Paper::A4, dir / "zones.pdf");
        {
            PrinterCanvas canvas(printer);
            QVERIFY(!canvas.failed());
            const PageArea a4 = PrintableArea(Paper::A4);
            // Qt sizes A4 in whole points (595 x 842): a few twips from 210 x 297 mm.
            QVERIFY(std::abs(canvas.scaleWidth() - a4.width) < 20.0f);
            QVERIFY(std::abs(canvas.scaleHeight() - a4.height) < 20.0f);
            QCOMPARE(canvas.textWidth("Bordé"), 600.0f);
            PrintLine line;
            line.text("z1").zone().text("z2").zone().text("z3").zone().formatted(-1.5, "#0.000");
            canvas.textLine(line.str());
            StartNewPage(canvas);
            canvas.textLine("second");
            canvas.endDoc();
            QVERIFY(!canvas.failed());
        }
        QCOMPARE(PdfPages(dir / "zones.pdf"), 2);
        const auto words = WordsLeft(dir / "zones.pdf");
        QCOMPARE(words.size(), std::size_t(4));
        const double margin = kPrintMarginMm * 72.0 / 25.4;
        for (std::size_t i = 0; i < words.size(); ++i)
            QVERIFY2(std::abs(words[i].second - (margin + 84.0 * static_cast<double>(i))) < 1.0,
                     words[i].first.c_str());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"

// The Print menu's commands with fake dialogs, and the printer canvas on a real PDF: pages, the
// print zones where the fixed-pitch font puts them, failures shown under the command's title.
#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/print_page.h"
#include "board/station_sections.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"
#include "support/test_hulls.h"
#include "text/print_line.h"
#include "windows/fake_dialogs.h"
#include "windows/fake_print_dialogs.h"
#include "windows/print_commands.h"
#include "windows/printed_document.h"
#include "windows/printer_canvas.h"
#include "windows/window_harness.h"

using namespace voriel;

namespace {

using test::FakePrintDialogs;

// The left edge (pt) of each word pdftotext finds on the first page.
std::vector<std::pair<std::string, double>> wordsLeft(const std::string& pdf) {
    const std::string html = test::Capture("pdftotext -bbox -f 1 -l 1 '" + pdf + "' - 2>/dev/null");
    std::vector<std::pair<std::string, double>> out;
    std::size_t pos = 0;
    while ((pos = html.find("<word xMin=\"", pos)) != std::string::npos) {
        const double x = std::atof(html.c_str() + pos + 12);
        const auto open = html.find('>', pos) + 1;
        const auto close = html.find("</word>", open);
        out.emplace_back(html.substr(open, close - open), x);
        pos = close;
    }
    return out;
}

}  // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void eachCommandPrintsItsPagesToThePdfChosen_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("title");
        QTest::addRow("drawing") << 0 << 1 << 3 << kPrintDrawingTitle;
        QTest::addRow("development, stage 0") << 1 << 0 << 1 << kPrintDevelopmentTitle;
        QTest::addRow("development") << 1 << 1 << 5 << kPrintDevelopmentTitle;
        QTest::addRow("all") << 2 << 1 << 23 << kPrintAllTitle;
    }
    void eachCommandPrintsItsPagesToThePdfChosen() {
        QFETCH(int, command);
        QFETCH(int, stage);
        QFETCH(int, pages);
        QFETCH(QString, title);
        test::TempDir dir;
        const Document doc = test::BoatDocument(stage);
        test::FakeDialogs dialogs;
        FakePrintDialogs print;
        print.pdf = dir / "out.pdf";
        QPrinter printer;
        const auto run = command == 0   ? PrintDrawingCommand
                         : command == 1 ? PrintDevelopmentCommand
                                        : PrintAllCommand;
        run(doc, dialogs, print, printer, "2024-05-17");
        QCOMPARE(print.titles, std::vector<std::string>{title.toStdString()});
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(dialogs.waitCount, 1);
        QCOMPARE(dialogs.waitDepth, 0);
        QCOMPARE(test::PdfPages(dir / "out.pdf"), pages);
        QCOMPARE(dir.entries(), std::vector<std::string>{"out.pdf"});
        // The printer keeps the file the user chose for the next command.
        QCOMPARE(printer.outputFileName().toStdString(), dir / "out.pdf");
    }

    // A cancel prints nothing; a failure is said under the command's title and leaves no file,
    // and so is a PDF printer with no file named, instead of being silently skipped.
    void aCancelOrAFailurePrintsNothing() {
        test::TempDir dir;
        const Document doc = test::BoatDocument(1);
        QPrinter printer;
        for (const bool cancel : {true, false}) {
            test::FakeDialogs dialogs;
            FakePrintDialogs print;
            print.accept = !cancel;
            print.pdf = dir / (cancel ? "out.pdf" : "missing/out.pdf");
            PrintAllCommand(doc, dialogs, print, printer, "2024-05-17");
            QCOMPARE(print.titles.size(), std::size_t(1));
            QCOMPARE(dialogs.waitDepth, 0);
            QVERIFY(dir.entries().empty());
            QCOMPARE(dialogs.messages.size(), std::size_t(cancel ? 0 : 1));
            if (cancel) {
                QCOMPARE(dialogs.waitCount, 0);
                continue;
            }
            QCOMPARE(dialogs.messages[0].title, std::string(kPrintAllTitle));
            QVERIFY(dialogs.messages[0].text.find("missing/out.pdf") != std::string::npos);
        }
        test::FakeDialogs dialogs;
        FakePrintDialogs unnamed;
        QPrinter pdfPrinter;
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
        pdfPrinter.setOutputFileName(QString());
        PrintDrawingCommand(doc, dialogs, unnamed, pdfPrinter, "2024-05-17");
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].title, std::string(kPrintDrawingTitle));
    }

    // The canvas's page is the printable area of the paper, its pages are counted, and the
    // fixed-pitch font puts every print zone 14 characters (1680 twips, 84 pt) apart on paper.
    void printerCanvasPagesAndPrintZones() {
        test::TempDir dir;
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
            QCOMPARE(canvas.page(), 1);
            StartNewPage(canvas);
            QCOMPARE(canvas.page(), 2);
            canvas.textLine("second");
            canvas.endDoc();
            QVERIFY(!canvas.failed());
        }
        QCOMPARE(test::PdfPages(dir / "zones.pdf"), 2);
        const auto words = wordsLeft(dir / "zones.pdf");
        QCOMPARE(words.size(), std::size_t(4));
        const double margin = kPrintMarginMm * 72.0 / 25.4;
        for (std::size_t i = 0; i < words.size(); ++i)
            QVERIFY2(std::abs(words[i].second - (margin + 84.0 * static_cast<double>(i))) < 1.0,
                     words[i].first.c_str());
    }

    void printerCanvasThatCannotStartSaysSo() {
        test::TempDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir / "missing/x.pdf"));
        PrinterCanvas canvas(printer);
        QVERIFY(canvas.failed());
        canvas.textLine("nothing");
        canvas.endDoc();
        QVERIFY(dir.entries().empty());
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"

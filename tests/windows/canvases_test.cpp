// The canvases and the Print menu's commands. The screen canvas: twips to pixels, colours, line
// styles, texts, and exclusive-or drawing that erases itself. The print commands and the
// full-size templates with fake print dialogs, on real PDF files: cancels and failures said under
// the command's title, the template options kept, and the printer canvas's page and print zones.

#include "board/print_page.h"
#include "board/station_sections.h"
#include "support/pdf_tools.h"
#include "text/print_line.h"
#include "windows/printer_canvas.h"
#include "windows/screen_canvas.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// A blank sheet of w x h pixels on a screen of that resolution, texts in the board's font.
std::unique_ptr<ScreenCanvas> NewSheet(int dpi, int w, int h) {
    auto c = std::make_unique<ScreenCanvas>(dpi, dpi, QFont("DejaVu Sans", 8));
    c->resize(w, h);
    return c;
}

bool IsWhite(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(255, 255, 255);
}

// The bounding box of the ink on the image (empty when there is none).
QRect Inked(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!IsWhite(img, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// Something of every kind on the sheet, in the given style and width.
void DrawFigures(ScreenCanvas& c, LineStyle style, int width) {
    c.setStyle(style);
    c.setWidth(width);
    c.setColor(Rgb(0, 255, 0));
    c.line(150, 150, 2850, 150);
    c.lineTo(2850, 1350);
    c.lineTo(150, 1350);
    c.lineTo(150, 150);
    c.setColor(Rgb(255, 0, 255));
    c.line(1500, 150, 1500, 1350);
    c.line(150, 750, 2850, 750);
    c.circle(900, 600, 300);
    c.pset(2000, 1000);
    c.moveTo(300, 300);
    c.textInline("Bouchain 1");
}

const char* const kDate = "2024-05-17";

// The default hull at a stage, with the station sections a redraw computes: what the print
// commands read.
Document BoatDocument(int stage) {
    Document doc;
    doc.hull = ValidatedDefaultHull();
    doc.board.ChineView = static_cast<int16_t>(stage);
    ComputeAllStationSections(doc.hull, doc.board);
    return doc;
}

}  // namespace

class CanvasesTest : public QObject {
    Q_OBJECT

private slots:
    // Every figure, in every style and width, drawn twice leaves the sheet as it was.
    void xorDrawingTwiceLeavesTheSheetAsItWasAndDotsKeepTheirGaps() {
        for (const LineStyle style : {LineStyle::Solid, LineStyle::Dotted, LineStyle::DashDot})
            for (const int width : {1, 2}) {
                const auto c = NewSheet(96, 200, 100);
                c->setColor(Rgb(255, 0, 0));  // a drawing under the rubber band, in copy mode
                for (int i = 0; i < 10; ++i) c->line(0, i * 150.0f, 3000, 1500 - i * 150.0f);
                const QImage before = c->image().copy();
                c->setMode(DrawMode::Xor);
                DrawFigures(*c, style, width);
                QVERIFY(c->image() != before);
                DrawFigures(*c, style, width);
                QVERIFY2(c->image() == before, qPrintable(QString::number(int(style))));
            }

        // A dotted polyline of segments two pixels long still shows its gaps: the pattern runs on
        // across the joints instead of starting again on a dash at each one.
        for (const LineStyle style : {LineStyle::Dotted, LineStyle::DashDot}) {
            const auto c = NewSheet(96, 400, 20);
            c->setStyle(style);
            c->setColor(Rgb(0, 0, 0));
            c->moveTo(0, 150);
            for (int x = 30; x <= 5700; x += 30) c->lineTo(float(x), 150);
            int inked = 0;
            for (int x = 0; x < 380; ++x) inked += IsWhite(c->image(), x, 10) ? 0 : 1;
            QVERIFY2(inked > 380 / 4 && inked < 380 * 3 / 4, qPrintable(QString::number(inked)));
        }
    }

    // A text takes the font's measures, the same twips on any screen, and sits below and right of
    // the point, its ink inside what it measures.
    void textsTakeTheFontsMeasuresAtEveryResolution() {
        const auto lowSheet = NewSheet(96, 400, 100), highSheet = NewSheet(192, 400, 100);
        ScreenCanvas &low = *lowSheet, &high = *highSheet;
        const std::string t = "Station X=";
        QVERIFY(low.textWidth("WWWW") > low.textWidth("iiii"));
        QVERIFY(low.textHeight(t) > 90 && low.textHeight(t) < 400);  // 8 points: about 220 twips
        QVERIFY(qAbs(low.textWidth(t) - high.textWidth(t)) < 0.1 * low.textWidth(t));
        QVERIFY(qAbs(low.textHeight(t) - high.textHeight(t)) < 0.15 * low.textHeight(t));
        for (ScreenCanvas* c : {&low, &high}) {
            const double px = c == &low ? 96.0 / 1440 : 192.0 / 1440;
            c->setColor(Rgb(0, 0, 0));
            c->moveTo(300, 300);
            c->textInline(t);
            QCOMPARE(c->currentX(), 300 + c->textWidth(t));
            const QRect ink = Inked(c->image());
            const double w = c->textWidth(t) * px, h = c->textHeight(t) * px, at = 300 * px;
            QVERIFY2(ink.left() >= at - 1 && ink.top() >= at - 1, qPrintable(QString::number(px)));
            QVERIFY(ink.right() > at + 0.8 * w && ink.right() <= at + w + 1);
            QVERIFY(ink.bottom() > at + 0.5 * h && ink.bottom() <= at + h + 1);
        }
    }

    // Twips become pixels at the screen's resolution; colours read red, green and blue from the
    // low byte; resizing keeps the drawing, clearing wipes it; figures far off the sheet or not
    // finite draw nothing. (Texts place twips at 192 dpi too.)
    void coloursResizingClearingAndFiguresOffTheSheet() {
        const auto c = NewSheet(96, 100, 100);
        c->setColor(Rgb(10, 200, 30));
        c->setWidth(3);
        c->line(0, 375, 750, 375);
        QCOMPARE(QColor(c->image().pixel(10, 25)), QColor(10, 200, 30));
        c->clear();
        c->setWidth(1);
        c->setColor(Rgb(0, 0, 255));
        c->line(0, 0, 1485, 1485);
        c->resize(200, 150);
        QCOMPARE(QPointF(c->scaleWidth(), c->scaleHeight()),
                 QPointF(3000, 2250));                     // 15 twips a pixel
        QCOMPARE(Inked(c->image()), QRect(0, 0, 99, 99));  // kept, and nothing beyond it
        c->clear();
        QCOMPARE(QPointF(c->currentX(), c->currentY()), QPointF(0, 0));
        QCOMPARE(c->image().size(), QSize(200, 150));
        c->line(NAN, 0, 100, 100);
        c->line(0, 0, INFINITY, 100);
        c->circle(500, 500, NAN);
        c->line(-1e7f, -1e7f, -1e7f + 10, -1e7f);
        QCOMPARE(Inked(c->image()), QRect());
    }

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
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);  // and no file named
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
        const TemplateRequest r{
            {}, options.scale, options.overlapMm, ""};  // as kept, checked below
        const QSizeF page = printer.pageRect(QPrinter::Point).size() * 20;
        QCOMPARE(PdfPages(dir / "templates.pdf"),
                 PlanTemplates(doc.hull, doc.board, r, page.width(), page.height()).pages);
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
            const PageArea a4 = PrintableArea(Paper::A4);
            // Qt sizes A4 in whole points (595 x 842): a few twips from 210 x 297 mm.
            QVERIFY(std::abs(canvas.scaleWidth() - a4.width) < 20.0f &&
                    std::abs(canvas.scaleHeight() - a4.height) < 20.0f);
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
        // The left edge (pt) of each word pdftotext finds on the first page.
        const std::string html =
            Capture("pdftotext -bbox -f 1 -l 1 '" + dir / "zones.pdf" + "' - 2>/dev/null");
        const double margin = kPrintMarginMm * 72.0 / 25.4;
        int i = 0;
        for (const QRegularExpressionMatch& w :
             QRegularExpression("<word xMin=\"([-0-9.]+)\"[^>]*>([^<]*)</word>")
                 .globalMatch(QString::fromStdString(html)))
            QVERIFY2(std::abs(w.captured(1).toDouble() - (margin + 84.0 * i++)) < 1.0,
                     qPrintable(w.captured(2)));
        QCOMPARE(i, 4);
    }
};

QTEST_MAIN(CanvasesTest)
#include "canvases_test.moc"

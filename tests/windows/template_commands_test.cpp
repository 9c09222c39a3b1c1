// Print > Full-size templates with a fake print dialog: the PDF chosen gets the whole document,
// a cancel or a refused option prints nothing and keeps the options, failures are shown under the
// command's title.
#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "board/station_sections.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"
#include "support/test_hulls.h"
#include "windows/fake_dialogs.h"
#include "windows/fake_print_dialogs.h"
#include "windows/printed_document.h"
#include "windows/template_commands.h"
#include "windows/window_harness.h"

using namespace voriel;

namespace {

using test::FakeTemplateDialogs;

// The pages the document has on the printer's page, as the command lays it out.
int plannedPages(const Document& doc, const TemplateRequest& r, QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::Point);
    return PlanTemplates(doc.hull, doc.board, r, static_cast<float>(page.width() * 20),
                         static_cast<float>(page.height() * 20))
        .pages;
}

}  // namespace

class TemplateCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Stage 0 prints the bottom alone, stage 1 every plate; the options typed (a decimal comma
    // accepted) are used and kept for the next print.
    void printsTheStagesPlatesToThePdfChosen() {
        for (const int stage : {0, 1}) {
            test::TempDir dir;
            const Document doc = test::BoatDocument(stage);
            test::FakeDialogs dialogs;
            FakeTemplateDialogs print;
            print.pdf = dir / "templates.pdf";
            print.sx = "1,01";
            print.overlap = "12";
            QPrinter printer(QPrinter::HighResolution);
            TemplatePrintOptions options;
            PrintTemplatesCommand(doc, dialogs, print, printer, options, "2024-05-17");
            QCOMPARE(print.titles, std::vector<std::string>{kPrintTemplatesTitle});
            QCOMPARE(print.shown, (std::vector<std::string>{"1.0", "1.0", "10.0"}));
            QVERIFY(dialogs.messages.empty());
            QCOMPARE(dialogs.waitCount, 1);
            QCOMPARE(dialogs.waitDepth, 0);
            QCOMPARE(options.scale.SX, 1.01);
            QCOMPARE(options.scale.SY, 1.0);
            QCOMPARE(options.overlapMm, 12.0);
            TemplateRequest r;
            r.scale = options.scale;
            r.overlapMm = 12.0;
            const int pages = test::PdfPages(dir / "templates.pdf");
            QCOMPARE(pages, plannedPages(doc, r, printer));
            QVERIFY(stage == 0 ? pages < 100 : pages > 400);
            QCOMPARE(dir.entries(), std::vector<std::string>{"templates.pdf"});

            // The next print shows the options kept.
            PrintTemplatesCommand(doc, dialogs, print, printer, options, "2024-05-17");
            QCOMPARE(print.shown, (std::vector<std::string>{"1.01", "1.0", "12.0"}));
        }
    }

    // A cancel, a refused option or a PDF that cannot be written: nothing printed, no file left,
    // and the refusal or failure said under the command's title.
    void aCancelARefusalOrAFailurePrintsNothing() {
        test::TempDir dir;
        const Document doc = test::BoatDocument(1);
        QPrinter printer;
        TemplatePrintOptions options;
        struct Row {
            bool accept;
            const char *sy, *pdf, *said;  // said: what the message holds ("": no message)
            int waits;                    // the hourglass only once the printing starts
        };
        const Row rows[] = {{false, "1.0", "out.pdf", "", 0},
                            // the millimetres measured typed in place of the factor
                            {true, "99", "out.pdf", "SX and SY", 0},
                            {true, "1.0", "missing/out.pdf", "missing/out.pdf", 1}};
        for (const Row& r : rows) {
            test::FakeDialogs dialogs;
            FakeTemplateDialogs print;
            print.accept = r.accept;
            print.sy = r.sy;
            print.pdf = dir / r.pdf;
            PrintTemplatesCommand(doc, dialogs, print, printer, options, "2024-05-17");
            QCOMPARE(dialogs.messages.size(), std::size_t(*r.said ? 1 : 0));
            if (*r.said) {
                QCOMPARE(dialogs.messages[0].title, std::string(kPrintTemplatesTitle));
                QVERIFY(dialogs.messages[0].text.find(r.said) != std::string::npos);
            }
            QCOMPARE(options.scale.SY, 1.0);  // what was refused is not kept
            QCOMPARE(dialogs.waitCount, r.waits);
            QCOMPARE(dialogs.waitDepth, 0);
            QVERIFY(dir.entries().empty());
        }
    }
};

QTEST_MAIN(TemplateCommandsTest)
#include "template_commands_test.moc"

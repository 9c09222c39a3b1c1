// voriel-cli print and templates: real PDF files read back by poppler's pdfinfo and pdftotext, the
// templates' JSON report and golden recording (the refusals are in golden/cli/refusals.txt).
#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"

namespace {

using voriel::test::BoatFile;
using voriel::test::Capture;
using voriel::test::PdfPages;
using voriel::test::PdfPageText;

constexpr const char* kDate = "2024-05-17";

class PrintCli : public voriel::test::CliTest {
protected:
    // What `command` (print or templates) prints for the default hull, the date fixed.
    std::string on(const std::string& command, const std::vector<std::string>& more) const {
        std::vector<std::string> args = {command, BoatFile(), "--date", kDate};
        args.insert(args.end(), more.begin(), more.end());
        return out(args);
    }
};

// The pages of each command, stage, language and paper reach the PDF, with their texts; a file
// printed over is replaced whole and nothing else is left in the folder (the refusals, which
// keep it, are in golden/cli/refusals.txt).
TEST_F(PrintCli, PdfHasThePagesAndTextsOfTheCommand) {
    std::ofstream(path("development0.pdf")) << "the old file";
    const struct {
        std::vector<std::string> args;
        int pages;
        const char* paper;
        std::vector<std::pair<int, const char*>> phrases;  // page, text
    } cases[] = {
        {{"--what", "development", "--stage", "0"}, 1, "(A4)", {}},
        {{"--what", "all", "--stage", "1"},
         23,
         "(A4)",
         {{1, "Voriel 2000 boat date2024-05-17 page 1"},
          {5, "boat date:2024-05-17 page 5"},
          {5, "X,Y,Z ligne de la quille"},
          {5, "\n0 0.000 0.000 0.001\n"},
          {5, "\n82 6.000 0.000 0.100\n"}}},
        {{"--what", "development", "--stage", "1", "--lang", "en", "--paper", "letter"},
         5,
         "612 x 792 pts (letter)",
         {{3, "Side plank 2"}, {5, "Transom"}}},
    };
    for (const auto& c : cases) {
        const std::string pdf = path(c.args[1] + c.args[3] + ".pdf");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--pdf", pdf});
        EXPECT_EQ(on("print", args), pdf + "\n");
        EXPECT_EQ(PdfPages(pdf), c.pages) << pdf;
        EXPECT_NE(Capture("pdfinfo '" + pdf + "'").find(c.paper), std::string::npos) << c.paper;
        for (const auto& [page, phrase] : c.phrases)
            EXPECT_NE(PdfPageText(pdf, page).find(phrase), std::string::npos) << phrase;
    }
    EXPECT_EQ(voriel::test::TempDir::List(dir_),
              (std::vector<std::string>{"all1.pdf", "development0.pdf", "development1.pdf", "err",
                                        "out"}));
}

// The report's JSON: every plate with its accuracy report and marking table, and the pages the PDF
// of the paper asked for has.
TEST_F(PrintCli, TemplatesReportCountsThePagesOfThePdf) {
    const std::string pdf = path("letter.pdf");
    const auto report =
        nlohmann::json::parse(on("templates", {"--pdf", pdf, "--paper", "letter", "--report"}));
    EXPECT_NE(Capture("pdfinfo '" + pdf + "'").find("612 x 792 pts (letter)"), std::string::npos);
    EXPECT_EQ(PdfPages(pdf), report["pages"].get<int>());
    EXPECT_EQ(report["hull"], "boat");
    ASSERT_EQ(report["plates"].size(), 9u);
    EXPECT_EQ(report["plates"][0]["plate"], "bottom");
    int sheets = 0;
    for (const auto& plate : report["plates"]) {
        sheets += plate["sheets"].get<int>();
        for (const char* key :
             {"quadrilaterals", "lower_edge_3d_mm", "lower_edge_flat_mm", "area_m2"})
            EXPECT_TRUE(plate["accuracy"][key].is_number()) << key;
        ASSERT_FALSE(plate["marking_table"]["rows"].empty());
        EXPECT_TRUE(plate["marking_table"]["rows"][0]["d_mm"].is_number());
    }
    EXPECT_EQ(report["sheets"].get<int>(), sheets);
}

// The document's drawing calls, page by page, for the transom alone in English; calibrated, the
// document changes.
TEST_F(PrintCli, TemplatesRecordingMatchesTheGoldenPages) {
    const std::string recorded =
        on("templates", {"--record", "--panels", "transom", "--lang", "en"});
    voriel::test::ExpectGolden(recorded, "golden/templates/transom_a4_en.txt");
    EXPECT_NE(on("templates", {"--record", "--panels", "transom", "--calibrate", "1.01,0.99"})
                  .find("SX = 1.0100   SY = 0.9900"),
              std::string::npos);
}

}  // namespace

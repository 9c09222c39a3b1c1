// voriel-cli print and templates: real PDF files read back by poppler's pdfinfo and pdftotext, the
// templates' JSON report and golden recording, and failures that leave nothing behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "cli/cli_run.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"

namespace {

using voriel::test::BoatFile;
using voriel::test::Capture;
using voriel::test::CliRun;
using voriel::test::Exists;
using voriel::test::PdfPages;
using voriel::test::PdfPageText;
using voriel::test::Slurp;

constexpr const char* kDate = "2024-05-17";

class PrintCli : public voriel::test::CliTest {
protected:
    // Runs `command` (print or templates) on the default hull with the date fixed.
    CliRun on(const std::string& command, const std::vector<std::string>& more) const {
        std::vector<std::string> args = {command, BoatFile(), "--date", kDate};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
};

// The pages of each command, stage, language and paper reach the PDF, with their texts.
TEST_F(PrintCli, PdfHasThePagesAndTextsOfTheCommand) {
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
        const CliRun r = on("print", args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, pdf + "\n");
        EXPECT_EQ(PdfPages(pdf), c.pages) << pdf;
        EXPECT_NE(Capture("pdfinfo '" + pdf + "'").find(c.paper), std::string::npos) << c.paper;
        for (const auto& [page, phrase] : c.phrases)
            EXPECT_NE(PdfPageText(pdf, page).find(phrase), std::string::npos) << phrase;
    }
}

// Without a display the offscreen platform is taken.
TEST_F(PrintCli, PdfWithoutADisplay) {
    const std::string pdf = path("nodisplay.pdf");
    const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                            std::string(VORIEL_CLI_PATH) + "' print '" + BoatFile() +
                            "' --what drawing --pdf '" + pdf + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(PdfPages(pdf), 3);
}

// A PDF that cannot be written leaves no file and keeps the old one whole; refused options write
// nothing.
TEST_F(PrintCli, FailuresAndRefusalsKeepTheOldFile) {
    ASSERT_EQ(mkdir(path("folder.pdf").c_str(), 0755), 0);
    const std::string pdf = path("kept.pdf");
    std::ofstream(pdf) << "the old file";
    const struct {
        const char* command;
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {"print", {"--what", "all", "--pdf", path("no/such/all.pdf")}, 1, path("no/such/all.pdf")},
        {"print", {"--what", "drawing", "--pdf", path("folder.pdf")}, 1, path("folder.pdf")},
        {"print", {"--what", "all"}, 2, "--pdf"},
        {"print", {"--what", "all", "--record", "--pdf", pdf}, 2, "--pdf"},
        {"print", {"--what", "plans", "--record"}, 2, "--what"},
        {"print", {"--record"}, 2, "--what"},
        {"print", {"--what", "all", "--record", "--paper", "a3"}, 2, "--paper"},
        {"templates", {}, 2, "give --pdf OUT, --report"},
        {"templates", {"--record", "--pdf", pdf}, 2, "give --pdf OUT, --report"},
        {"templates", {"--record", "--report"}, 2, "give --pdf OUT, --report"},
        {"templates", {"--pdf", pdf, "--panels", "bottom,keel"}, 2, "\"keel\" is not a plate"},
        {"templates", {"--pdf", pdf, "--calibrate", "1.01"}, 2, "--calibrate: give two numbers"},
        {"templates", {"--pdf", pdf, "--calibrate", "1.01,x"}, 2, "--calibrate: give two numbers"},
        {"templates", {"--pdf", pdf, "--overlap", "ten"}, 2, "--overlap"},
        {"templates", {"--pdf", pdf, "--paper", "a3"}, 2, "--paper"},
        {"templates", {"--pdf", pdf, "--calibrate", "101,99"}, 1, "calibration factors"},
        {"templates", {"--pdf", pdf, "--overlap", "80"}, 1, "overlap must lie between"},
        // A plate refused after the file was named.
        {"templates", {"--pdf", pdf, "--panels", "bow"}, 1, "pointed bow"},
        {"templates",
         {"--pdf", path("missing/out.pdf"), "--panels", "transom"},
         1,
         path("missing/out.pdf")},
    };
    for (const auto& c : cases) {
        const CliRun r = on(c.command, c.args);
        EXPECT_EQ(r.status, c.status) << c.says << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.says;
        EXPECT_EQ(Slurp(pdf), "the old file") << c.says;
    }
    // A good file printed over is replaced whole, and nothing else is left in the folder.
    ASSERT_EQ(on("print", {"--what", "drawing", "--pdf", pdf}).status, 0);
    EXPECT_EQ(PdfPages(pdf), 3);
    EXPECT_EQ(voriel::test::TempDir::List(dir_),
              (std::vector<std::string>{"err", "folder.pdf", "kept.pdf", "out"}));
}

// The report's JSON: every plate with its accuracy report and marking table, and the pages the PDF
// of the paper asked for has.
TEST_F(PrintCli, TemplatesReportCountsThePagesOfThePdf) {
    const std::string pdf = path("letter.pdf");
    const CliRun r = on("templates", {"--pdf", pdf, "--paper", "letter", "--report"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto report = nlohmann::json::parse(r.out);
    EXPECT_NE(Capture("pdfinfo '" + pdf + "'").find("612 x 792 pts (letter)"), std::string::npos);
    EXPECT_EQ(PdfPages(pdf), report["pages"].get<int>());
    EXPECT_EQ(report["hull"], "boat");
    ASSERT_EQ(report["plates"].size(), 9u);
    EXPECT_EQ(report["plates"][0]["plate"], "bottom");
    EXPECT_EQ(report["plates"][0]["accuracy"]["quadrilaterals"], 83);
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

TEST_F(PrintCli, TemplatesPdfCarriesTheLabelsABuilderReads) {
    const std::string pdf = path("plank.pdf");
    const CliRun r = on("templates", {"--pdf", pdf, "--panels", "plank2", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, pdf + "\n");
    const std::pair<int, const char*> phrases[] = {{1, "Voriel 2000 - boat - Full-size templates"},
                                                   {1, "SX = 1.0000 SY = 1.0000"},
                                                   {2, "boat - Side plank 2 - 1:1"},
                                                   {2, "quadrilaterals: 82"},
                                                   {3, ": row A, column "},
                                                   {3, "date 2024-05-17 page 3"}};
    for (const auto& [page, phrase] : phrases)
        EXPECT_NE(PdfPageText(pdf, page).find(phrase), std::string::npos) << phrase;
    // Somewhere along the plank the stations are marked.
    std::string all;
    for (int page = 3; page <= PdfPages(pdf); ++page) all += PdfPageText(pdf, page);
    for (const char* phrase : {"St 21 x=1.500", "Bmax", "marking table"})
        EXPECT_NE(all.find(phrase), std::string::npos) << phrase;
}

// The document's drawing calls, page by page, for the transom alone in English; calibrated, the
// document changes.
TEST_F(PrintCli, TemplatesRecordingMatchesTheGoldenPages) {
    const CliRun r = on("templates", {"--record", "--panels", "transom", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string golden = Slurp(voriel::test::TestData("golden/templates/transom_a4_en.txt"));
    ASSERT_FALSE(golden.empty());
    EXPECT_TRUE(r.out == golden) << "regenerate with scripts/update-golden.sh and review the diff";
    const CliRun scaled =
        on("templates", {"--record", "--panels", "transom", "--calibrate", "1.01,0.99"});
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_NE(scaled.out.find("SX = 1.0100   SY = 0.9900"), std::string::npos);
}

}  // namespace

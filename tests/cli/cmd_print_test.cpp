// voriel-cli print: real PDF files read back by poppler's pdfinfo and pdftotext, the recording
// against the golden pages, and failures that leave nothing behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_run.h"
#include "support/pdf_tools.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::Slurp;

constexpr const char* kDate = "2024-05-17";

std::string boatFile() {
    return voriel::test::TestData("golden/d50/boat.D50");
}

class PrintCli : public CliTest {
protected:
    CliRun printPdf(const std::string& what, const std::string& stage, const std::string& out,
                    const std::vector<std::string>& more = {}) const {
        std::vector<std::string> args = {"print", boatFile(), "--what", what,     "--stage",
                                         stage,   "--pdf",    out,      "--date", kDate};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
};

// The pages of the recording (the golden files) reach the PDF.
TEST_F(PrintCli, PdfPagesOfEachCommandAndStage) {
    const struct {
        const char* what;
        const char* stage;
        int pages;
    } cases[] = {{"development", "0", 1}, {"all", "1", 23}};
    for (const auto& c : cases) {
        const std::string pdf = path(std::string(c.what) + c.stage + ".pdf");
        const CliRun r = printPdf(c.what, c.stage, pdf);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, pdf + "\n");
        EXPECT_EQ(voriel::test::PdfPages(pdf), c.pages) << c.what << " stage " << c.stage;
    }
}

// The text of the pages reaches the PDF: the headers and a table's rows.
TEST_F(PrintCli, PdfOfAllHasTheHeadersAndTheRowsOfTheTables) {
    const std::string pdf = path("all.pdf");
    ASSERT_EQ(printPdf("all", "1", pdf).status, 0);
    EXPECT_NE(voriel::test::PdfPageText(pdf, 1).find("Voriel 2000 boat date2024-05-17 page 1"),
              std::string::npos);
    EXPECT_NE(voriel::test::PdfPageText(pdf, 2).find("boat date:2024-05-17 page 2"),
              std::string::npos);
    // The keel's point table: its first row at the transom and its last at the stem.
    const std::string keel = voriel::test::PdfPageText(pdf, 5);
    EXPECT_NE(keel.find("boat date:2024-05-17 page 5"), std::string::npos);
    EXPECT_NE(keel.find("X,Y,Z ligne de la quille"), std::string::npos);
    EXPECT_NE(keel.find("\n0 0.000 0.000 0.001\n"), std::string::npos) << keel;
    EXPECT_NE(keel.find("\n82 6.000 0.000 0.100\n"), std::string::npos) << keel;
}

TEST_F(PrintCli, PdfInEnglishOnLetterPaper) {
    const std::string pdf = path("dev.pdf");
    ASSERT_EQ(printPdf("development", "1", pdf, {"--lang", "en", "--paper", "letter"}).status, 0);
    EXPECT_NE(voriel::test::Capture("pdfinfo '" + pdf + "'").find("612 x 792 pts (letter)"),
              std::string::npos);
    EXPECT_NE(voriel::test::PdfPageText(pdf, 3).find("Side plank 2"), std::string::npos);
    EXPECT_NE(voriel::test::PdfPageText(pdf, 5).find("Transom"), std::string::npos);
}

// Without a display the offscreen platform is taken.
TEST_F(PrintCli, PdfWithoutADisplay) {
    const std::string pdf = path("nodisplay.pdf");
    const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                            std::string(VORIEL_CLI_PATH) + "' print '" + boatFile() +
                            "' --what drawing --pdf '" + pdf + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(voriel::test::PdfPages(pdf), 3);
}

TEST_F(PrintCli, RecordingIsTheGoldenPages) {
    const CliRun r =
        run({"print", boatFile(), "--what", "all", "--stage", "0", "--record", "--date", kDate});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Slurp(voriel::test::TestData("golden/print/all_stage0.txt")));
}

TEST_F(PrintCli, AFailedPdfLeavesNoFileAndKeepsTheOldOne) {
    const CliRun missing = printPdf("all", "1", path("no/such/folder/all.pdf"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no/such/folder/all.pdf"), std::string::npos) << missing.err;
    EXPECT_FALSE(voriel::test::Exists(path("no")));

    ASSERT_EQ(mkdir(path("folder.pdf").c_str(), 0755), 0);
    const CliRun folder = printPdf("drawing", "1", path("folder.pdf"));
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("folder.pdf"), std::string::npos) << folder.err;

    // A good file printed over stays whole, and nothing else is left in the folder.
    const std::string pdf = path("keep.pdf");
    ASSERT_EQ(printPdf("drawing", "1", pdf).status, 0);
    const std::string before = Slurp(pdf);
    ASSERT_EQ(printPdf("development", "1", pdf).status, 0);
    EXPECT_NE(Slurp(pdf), before);
    EXPECT_EQ(voriel::test::PdfPages(pdf), 5);
    EXPECT_EQ(voriel::test::Capture("ls -A '" + dir_ +
                                    "' | grep -v -x -e out -e err -e keep.pdf -e folder.pdf"),
              "");
}

TEST_F(PrintCli, UsageErrors) {
    const std::string file = boatFile();
    EXPECT_EQ(run({"print", file, "--what", "all"}).status, 2);
    EXPECT_EQ(run({"print", file, "--what", "all", "--record", "--pdf", path("x.pdf")}).status, 2);
    EXPECT_EQ(run({"print", file, "--what", "plans", "--record"}).status, 2);
    EXPECT_EQ(run({"print", file, "--record"}).status, 2);
    EXPECT_EQ(run({"print", file, "--what", "all", "--record", "--paper", "a3"}).status, 2);
    const CliRun bad = run({"print", path("none.D50"), "--what", "all", "--record"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
}

}  // namespace

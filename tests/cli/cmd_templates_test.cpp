// voriel-cli templates: a real PDF read back by poppler's pdfinfo and pdftotext, the JSON report,
// the recording against its golden file, and refused options that leave nothing behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
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

class TemplatesCli : public CliTest {
protected:
    CliRun templates(const std::vector<std::string>& more) const {
        std::vector<std::string> args = {"templates", boatFile(), "--date", kDate};
        args.insert(args.end(), more.begin(), more.end());
        return run(args);
    }
};

TEST_F(TemplatesCli, PdfOnBothPapersHasThePagesTheReportCounts) {
    const struct {
        const char* paper;
        const char* size;
    } cases[] = {{"a4", "595 x 842 pts (A4)"}, {"letter", "612 x 792 pts (letter)"}};
    for (const auto& c : cases) {
        const std::string pdf = path(std::string(c.paper) + ".pdf");
        const CliRun r = templates({"--pdf", pdf, "--paper", c.paper, "--report"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto report = nlohmann::json::parse(r.out);
        EXPECT_NE(voriel::test::Capture("pdfinfo '" + pdf + "'").find(c.size), std::string::npos)
            << c.paper;
        EXPECT_EQ(voriel::test::PdfPages(pdf), report["pages"].get<int>()) << c.paper;
        int sheets = 0;
        for (const auto& plate : report["plates"]) sheets += plate["sheets"].get<int>();
        EXPECT_EQ(report["sheets"].get<int>(), sheets);
    }
}

TEST_F(TemplatesCli, PdfCarriesTheLabelsABuilderReads) {
    const std::string pdf = path("plank.pdf");
    const CliRun r = templates({"--pdf", pdf, "--panels", "plank2", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, pdf + "\n");
    const std::string cover = voriel::test::PdfPageText(pdf, 1);
    EXPECT_NE(cover.find("Voriel 2000 - boat - Full-size templates"), std::string::npos) << cover;
    EXPECT_NE(cover.find("100 mm x 100 mm"), std::string::npos);
    EXPECT_NE(cover.find("SX = 1.0000 SY = 1.0000"), std::string::npos);
    EXPECT_NE(cover.find("Side plank 2"), std::string::npos);
    const std::string plan = voriel::test::PdfPageText(pdf, 2);
    EXPECT_NE(plan.find("boat - Side plank 2 - 1:1"), std::string::npos) << plan;
    EXPECT_NE(plan.find("quadrilaterals: 82"), std::string::npos);
    EXPECT_NE(plan.find("Edges: chine 2 and chine 3"), std::string::npos);
    // Every sheet names itself, its place, the date and its page.
    const std::string sheet = voriel::test::PdfPageText(pdf, 3);
    EXPECT_NE(sheet.find("boat - Side plank 2 - 1:1"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find(": row A, column "), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("date 2024-05-17 page 3"), std::string::npos) << sheet;
    // Somewhere along the plank the stations are marked.
    std::string all;
    for (int page = 3; page <= voriel::test::PdfPages(pdf); ++page)
        all += voriel::test::PdfPageText(pdf, page);
    EXPECT_NE(all.find("St 21 x=1.500"), std::string::npos);
    EXPECT_NE(all.find("Bmax"), std::string::npos);
    EXPECT_NE(all.find("marking table"), std::string::npos);
}

// The report's JSON: the plates asked for, each with its accuracy report and marking table.
TEST_F(TemplatesCli, ReportHoldsTheAccuracyAndTheMarkingTables) {
    const CliRun r = templates({"--report", "--panels", "bottom,transom"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["hull"], "boat");
    ASSERT_EQ(report["plates"].size(), 2u);
    EXPECT_EQ(report["plates"][0]["plate"], "bottom");
    EXPECT_EQ(report["plates"][1]["plate"], "transom");
    for (const auto& plate : report["plates"]) {
        for (const char* key :
             {"quadrilaterals", "lower_edge_3d_mm", "lower_edge_flat_mm", "area_m2"})
            EXPECT_TRUE(plate["accuracy"][key].is_number()) << key;
        ASSERT_FALSE(plate["marking_table"]["rows"].empty());
        EXPECT_TRUE(plate["marking_table"]["rows"][0]["d_mm"].is_number());
    }
    EXPECT_EQ(report["plates"][0]["accuracy"]["quadrilaterals"], 83);
}

// The document's drawing calls, page by page, for the transom alone in English.
TEST_F(TemplatesCli, RecordingMatchesTheGoldenPages) {
    const CliRun r = templates({"--record", "--panels", "transom", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string golden = Slurp(voriel::test::TestData("golden/templates/transom_a4_en.txt"));
    ASSERT_FALSE(golden.empty());
    EXPECT_TRUE(r.out == golden) << "regenerate with scripts/update-golden.sh and review the diff";
}

TEST_F(TemplatesCli, CalibrationScalesTheDocument) {
    const CliRun plain = templates({"--record", "--panels", "transom"});
    const CliRun scaled =
        templates({"--record", "--panels", "transom", "--calibrate", "1.01,0.99"});
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_NE(plain.out, scaled.out);
    EXPECT_NE(scaled.out.find("SX = 1.0100   SY = 0.9900"), std::string::npos);
}

TEST_F(TemplatesCli, RefusedOptionsWriteNothing) {
    const std::string pdf = path("out.pdf");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{}, 2, "give --pdf OUT, --report"},
        {{"--record", "--pdf", pdf}, 2, "give --pdf OUT, --report"},
        {{"--record", "--report"}, 2, "give --pdf OUT, --report"},
        {{"--pdf", pdf, "--panels", "bottom,keel"}, 2, "\"keel\" is not a plate"},
        {{"--pdf", pdf, "--calibrate", "1.01"}, 2, "--calibrate: give two numbers"},
        {{"--pdf", pdf, "--calibrate", "1.01,x"}, 2, "--calibrate: give two numbers"},
        {{"--pdf", pdf, "--overlap", "ten"}, 2, "--overlap"},
        {{"--pdf", pdf, "--calibrate", "101,99"}, 1, "calibration factors"},
        {{"--pdf", pdf, "--overlap", "80"}, 1, "overlap must lie between"},
        {{"--pdf", pdf, "--panels", "bow"}, 1, "pointed bow"},
        {{"--pdf", pdf, "--paper", "a3"}, 2, "--paper"},
    };
    for (const auto& c : cases) {
        const CliRun r = templates(c.args);
        EXPECT_EQ(r.status, c.status) << c.says << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(voriel::test::Exists(pdf)) << c.says;
    }
}

TEST_F(TemplatesCli, AFileThatCannotBeWrittenIsKeptWhole) {
    const std::string pdf = path("kept.pdf");
    std::FILE* f = std::fopen(pdf.c_str(), "w");
    std::fputs("the old file", f);
    std::fclose(f);
    const CliRun missing = templates({"--pdf", path("missing/out.pdf"), "--panels", "transom"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing/out.pdf"), std::string::npos) << missing.err;
    EXPECT_FALSE(voriel::test::Exists(path("missing")));
    // A plate refused after the file was named leaves the old file as it was.
    const CliRun bow = templates({"--pdf", pdf, "--panels", "bow"});
    EXPECT_EQ(bow.status, 1);
    EXPECT_EQ(Slurp(pdf), "the old file");
}

}  // namespace

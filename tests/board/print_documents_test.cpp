// The three print commands as recorded pages: golden recordings of the default hull, English
// texts, letter paper, the printer's overflow; the print scales (a case table); and random hulls,
// a pram bow among them, at a standard scale on the paper.
#include "board/print_documents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "board/print_frame.h"
#include "board/print_page.h"
#include "board/print_transform.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "support/case_lines.h"
#include "support/recorded_calls.h"
#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using Page = std::vector<test::RecordedCall>;

const PrintCommand kCommands[] = {PrintCommand::Drawing, PrintCommand::Development,
                                  PrintCommand::All};
const char* const kNames[] = {"drawing", "development", "all"};

// The default hull named as voriel-cli names it when it reads the golden data file "boat.D50".
Hull boat() {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "boat";
    return h;
}

// The recording of a print command and how many documents it ended.
std::pair<std::string, int> print(const Hull& hull, int command, int stage,
                                  Paper paper = Paper::A4) {
    BoardState board;
    board.ChineView = static_cast<int16_t>(stage);
    ComputeAllStationSections(hull, board);
    const PageArea area = PrintableArea(paper);
    PageRecordingCanvas canvas(area.width, area.height);
    PrintDocument(kCommands[command], hull, board, "2024-05-17", canvas);
    return {canvas.recording(), canvas.documentsEnded()};
}

std::vector<Page> pages(const std::string& recording) {
    bool ok = false;
    std::vector<Page> out(1);
    for (const auto& call : test::ReadRecording(recording, ok)) {
        if (call.op == "page")
            out.emplace_back();
        else
            out.back().push_back(call);
    }
    EXPECT_TRUE(ok);
    return out;
}

bool shows(const Page& page, const std::string& s) {
    for (const auto& c : page)
        if (c.op == "text" && c.text.find(s) != std::string::npos) return true;
    return false;
}

// The golden files are made by scripts/update-golden.sh with voriel-cli print --record; letter
// paper gives the same pages.
TEST(PrintDocument, RecordingsMatchTheGoldenFilesAndLetterPaperHasTheSamePages) {
    const Hull h = boat();
    for (int c = 0; c < 3; ++c) {
        for (const int stage : {0, 1}) {
            const std::string name = std::string(kNames[c]) + "_stage" + std::to_string(stage);
            const std::string golden = test::Slurp(test::TestData("golden/print/" + name + ".txt"));
            ASSERT_FALSE(golden.empty()) << name;
            const auto [recording, documents] = print(h, c, stage);
            EXPECT_TRUE(recording == golden) << name << " differs from its golden recording";
            EXPECT_EQ(documents, 1) << name;
            EXPECT_EQ(pages(print(h, c, stage, Paper::Letter).first).size(),
                      pages(recording).size())
                << name;
        }
    }
}

// Each text that has an English form, once (the development's plank and transom titles: PrintCli's
// PDF in English).
TEST(PrintDocument, EnglishTexts) {
    Hull h = boat();
    h.Language = 1;
    for (const auto& [command, stage, count, page, text] :
         {std::tuple{2, 0, 9u, 4u, " --------------  X,Y,Z  of the keel "},
          {2, 0, 9u, 6u, " Bottom"},
          {2, 0, 9u, 8u, " ----- EOF  development of bottom"}}) {
        const auto all = pages(print(h, command, stage).first);
        ASSERT_EQ(all.size(), count) << text;
        EXPECT_TRUE(shows(all[page], text)) << text;
    }
}

// The printer's own overflow: a line that would pass the bottom starts a new page at its top;
// blank lines past the bottom start none.
TEST(PrintTextLine, OverflowStartsAPageForTextOnly) {
    PageRecordingCanvas canvas(2000.0f, 1000.0f);  // four lines of 240 twips
    for (const char* line : {"a", "b", "c", "d", "e", "", " ", "f", "", "  "})
        PrintTextLine(canvas, line);
    canvas.endDoc();
    EXPECT_EQ(canvas.recording(),
              "text 0 0 \"a\"\ntext 0 240 \"b\"\ntext 0 480 \"c\"\ntext 0 720 \"d\"\npage\n"
              "text 0 0 \"e\"\ntext 0 240 \"\"\ntext 0 480 \" \"\ntext 0 720 \"f\"\n");
}

// The cases of tests/golden/print_transform/cases.txt (which says their form); every tick's label
// is its distance, the distances growing.
TEST(PrintScale, StandardScalesAndScaleBarTicks) {
    const auto cases = test::CaseLines("golden/print_transform/cases.txt");
    EXPECT_GE(cases.size(), 30u);  // the whole file was read
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        const auto f = test::Split(line, '|');
        const double scale = std::stod(f[1]);
        if (f[0] == "scale") {
            EXPECT_NEAR(StandardPrintScale(scale), std::stod(f[2]), 1e-9);
            continue;
        }
        std::string labels;
        double previous = -1;
        for (const ScaleTick& t : ScaleBarTicks(scale)) {
            labels += (labels.empty() ? "" : " ") + t.label;
            EXPECT_GT(t.metres, previous);
            previous = t.metres;
            EXPECT_NEAR(std::stod(t.label), t.metres, 1e-9);
        }
        EXPECT_EQ(labels, f[2]);
    }
}

// Two texts of a page that share a line (less than 200 twips apart: the 240 of a line less its
// leading) and run into each other (120 twips a character), or an empty text when none do.
std::string textsOverlap(const Page& page) {
    std::vector<std::pair<const test::RecordedCall*, double>> items;  // with its right end
    for (const auto& c : page) {
        if (c.op != "text" || c.text.find_first_not_of(' ') == std::string::npos) continue;
        double columns = 0;
        for (const char ch : c.text) columns += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        items.push_back({&c, c.args[0] + 120 * columns});
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            const auto [a, aEnd] = items[i];
            const auto [b, bEnd] = items[j];
            if (std::abs(a->args[1] - b->args[1]) < 200 && a->args[0] < bEnd && b->args[0] < aEnd)
                return a->text + " / " + b->text;
        }
    return {};
}

// Over random hulls on both papers the scale is a standard one, and every point of the lines lands
// on the page in the plan and the profile (under the scale bar), and on the body plan's sheet.
// Printed, every number recorded is finite, every figure drawn stays on the page (the scale bar's
// ticks past the page are left out) and no text runs into another. A pram bow adds the bow plate
// to the transom sheet and its table on a page of its own.
TEST(PrintDocument, RandomHullsDrawOnThePageAtAStandardScale) {
    const char* const bowEof = "  Développement de la marotte ----- EOF  ";
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        const Hull h = test::RandomHull(seed);
        const bool bow = h.YFwd[Chine1] > 0.001;
        for (const Paper paper : {Paper::A4, Paper::Letter}) {
            SCOPED_TRACE(std::to_string(seed) + (paper == Paper::A4 ? " A4" : " letter"));
            const PageArea area = PrintableArea(paper);
            const PrintTransform t = FitPrintViews(h, area.width, area.height);
            EXPECT_EQ(t.PrintScaleZ, -t.PrintScaleX);
            EXPECT_EQ(t.PrintScaleY, t.PrintScaleX);
            // Already standard: rounding it again (from just above, as it is single precision)
            // keeps it.
            EXPECT_NEAR(StandardPrintScale(t.PrintScaleX * (1 + 1e-6)), t.PrintScaleX,
                        1e-3 * t.PrintScaleX);
            for (int j = Chine1; j <= Sheer; ++j) {
                for (int p = 0; p < kPointCount; ++p) {
                    const float x = PrintX(t, h.LineX[j][p]);
                    EXPECT_TRUE(x >= 0.0f && x <= area.width) << x;
                    EXPECT_LE(PrintPlanY(t, h.LineY[j][p]), area.height);
                    EXPECT_GT(PrintProfileY(t, h.LineZ[j][p]), 800.0f);
                    for (const double side : {-1.0, 1.0}) {
                        const float bx = PrintBodyPlanSheetX(t, side * h.LineY[j][p]);
                        EXPECT_TRUE(bx >= 0.0f && bx <= area.width) << bx;
                    }
                }
            }
            for (int c = 0; c < 3; ++c) {
                SCOPED_TRACE(kNames[c]);
                const std::string rec = print(h, c, 1, paper).first;
                const std::vector<Page> all = pages(rec);
                if (c == 2) {
                    EXPECT_EQ(rec.find("\" Marotte\"") != std::string::npos, bow);
                    EXPECT_EQ(rec.find(bowEof) != std::string::npos, bow);
                    EXPECT_TRUE(
                        shows(all.back(), bow ? bowEof : "  Développement du tableau ----- EOF  "));
                }
                for (const Page& page : all) {
                    EXPECT_EQ(textsOverlap(page), "");
                    for (const auto& call : page)
                        for (std::size_t i = 0; i < call.args.size(); ++i) {
                            ASSERT_TRUE(std::isfinite(call.args[i]));
                            if (call.op != "line") continue;
                            EXPECT_GE(call.args[i], 0.0f);
                            EXPECT_LE(call.args[i], i % 2 == 0 ? area.width : area.height);
                        }
                }
            }
        }
    }
    Hull empty;  // a hull without lines gets a finite scale
    SetDefaultHull(empty);
    const PrintTransform t = FitPrintViews(empty, 10000.0f, 15000.0f);
    EXPECT_GT(t.PrintScaleX, 0.0f);
    EXPECT_TRUE(std::isfinite(t.PrintOriginX) && std::isfinite(t.PrintBodyPlanX));
}

}  // namespace
}  // namespace voriel

// The three print commands as recorded pages: golden recordings of the default hull (pages,
// headers, tables), English texts, a pram bow, letter paper, and random hulls on the paper.
#include "board/print_documents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "hull/hull_data_file.h"
#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

constexpr const char* kDate = "2024-05-17";

// The default hull as voriel-cli reads it from the reference data file "boat.D50".
Hull boat() {
    Hull h;
    SetDefaultHull(h);
    HullReadResult r = OpenHullData(test::TestData("golden/d50/boat.D50"), h);
    EXPECT_TRUE(r.hull.has_value()) << r.error;
    return r.hull ? *r.hull : h;
}

struct Printed {
    std::string recording;
    int documents = 0;
};

Printed print(const Hull& hull, PrintCommand command, int stage, Paper paper = Paper::A4) {
    BoardState board;
    board.ChineView = static_cast<int16_t>(stage);
    ComputeAllStationSections(hull, board);
    const PageArea area = PrintableArea(paper);
    PageRecordingCanvas canvas(area.width, area.height);
    PrintDocument(command, hull, board, kDate, canvas);
    return {canvas.recording(), canvas.documentsEnded()};
}

const char* commandName(PrintCommand c) {
    return c == PrintCommand::Drawing       ? "drawing"
           : c == PrintCommand::Development ? "development"
                                            : "all";
}

// One recorded call: its words and, for a text, the text.
struct Call {
    std::string op;
    std::vector<double> numbers;
    std::string text;
};

std::vector<std::vector<Call>> pages(const std::string& recording) {
    std::vector<std::vector<Call>> out(1);
    std::istringstream in(recording);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        Call c;
        words >> c.op;
        if (c.op == "page") {
            out.emplace_back();
            continue;
        }
        std::string w;
        while (words >> w && w[0] != '"') c.numbers.push_back(std::strtod(w.c_str(), nullptr));
        if (c.op == "text")
            c.text = line.substr(line.find('"') + 1, line.size() - line.find('"') - 2);
        out.back().push_back(c);
    }
    return out;
}

std::vector<std::string> texts(const std::vector<Call>& page) {
    std::vector<std::string> out;
    for (const Call& c : page)
        if (c.op == "text") out.push_back(c.text);
    return out;
}

bool contains(const std::vector<std::string>& lines, const std::string& s) {
    for (const auto& l : lines)
        if (l.find(s) != std::string::npos) return true;
    return false;
}

const PrintCommand kCommands[] = {PrintCommand::Drawing, PrintCommand::Development,
                                  PrintCommand::All};

// The golden files are made by scripts/update-golden.sh with voriel-cli print --record.
TEST(PrintDocument, RecordingsMatchTheGoldenFiles) {
    const Hull h = boat();
    for (const PrintCommand c : kCommands) {
        for (const int stage : {0, 1}) {
            const std::string name = std::string(commandName(c)) + "_stage" + std::to_string(stage);
            const std::string golden = test::Slurp(test::TestData("golden/print/" + name + ".txt"));
            ASSERT_FALSE(golden.empty()) << name;
            const Printed p = print(h, c, stage);
            EXPECT_TRUE(p.recording == golden) << name << " differs from its golden recording";
            EXPECT_EQ(p.documents, 1) << name;
        }
    }
}

TEST(PrintDocument, EnglishTextsAndTheStageZeroAllPages) {
    Hull h = boat();
    h.Language = 1;
    const auto all = pages(print(h, PrintCommand::All, 0).recording);
    ASSERT_EQ(all.size(), 9u);
    EXPECT_TRUE(contains(texts(all[4]), " --------------  X,Y,Z  of the keel "));
    EXPECT_TRUE(contains(texts(all[5]), " --------------  X,Y,Z  of first chine "));
    EXPECT_TRUE(contains(texts(all[6]), " Bottom"));
    EXPECT_TRUE(contains(texts(all[7]), " -------------- development of bottom"));
    EXPECT_TRUE(contains(texts(all[8]), " ----- EOF  development of bottom"));
    const auto dev = pages(print(h, PrintCommand::Development, 1).recording);
    ASSERT_EQ(dev.size(), 5u);
    EXPECT_TRUE(contains(texts(dev[2]), " Side plank 2 "));
    EXPECT_TRUE(contains(texts(dev[4]), " Transom"));
    EXPECT_TRUE(contains(texts(dev[4]), " station Bmax"));
}

// A pram bow adds the bow plate to the transom sheet and its table on a page of its own.
TEST(PrintDocument, APramBowPrintsTheBowPlateAndItsTable) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const Hull h = test::RandomHull(seed);
        const std::string rec = print(h, PrintCommand::All, 1).recording;
        const auto all = pages(rec);
        const bool bow = h.YFwd[Chine1] > 0.001;
        EXPECT_EQ(rec.find("\" Marotte\"") != std::string::npos, bow) << seed;
        EXPECT_EQ(rec.find("  Développement de la marotte ----- EOF  ") != std::string::npos, bow)
            << seed;
        EXPECT_TRUE(contains(texts(all.back()), bow ? "  Développement de la marotte ----- EOF  "
                                                    : "  Développement du tableau ----- EOF  "))
            << seed;
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

TEST(PrintDocument, LetterPaperHasTheSamePagesAsA4) {
    const Hull h = boat();
    for (const PrintCommand c : kCommands) {
        for (const int stage : {0, 1}) {
            const auto a4 = pages(print(h, c, stage, Paper::A4).recording);
            const auto letter = pages(print(h, c, stage, Paper::Letter).recording);
            EXPECT_EQ(letter.size(), a4.size()) << commandName(c) << stage;
        }
    }
}

double textColumns(const std::string& text) {
    double n = 0;
    for (const char ch : text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
}

// Two texts of a page that share a line (less than 200 twips apart: the 240 of a line less its
// leading) and run into each other (120 twips a character), or an empty text when none do.
std::string textsOverlap(const std::vector<Call>& page) {
    std::vector<const Call*> items;
    for (const Call& c : page)
        if (c.op == "text" && c.text.find_first_not_of(' ') != std::string::npos)
            items.push_back(&c);
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            const Call &a = *items[i], &b = *items[j];
            if (std::abs(a.numbers[1] - b.numbers[1]) >= 200) continue;
            const double aEnd = a.numbers[0] + 120 * textColumns(a.text);
            const double bEnd = b.numbers[0] + 120 * textColumns(b.text);
            if (a.numbers[0] < bEnd && b.numbers[0] < aEnd) return a.text + " / " + b.text;
        }
    }
    return {};
}

// Random hulls on both papers: every number recorded is finite, every figure drawn stays on the
// page (the scale bar's ticks past the page are left out) and no text runs into another.
TEST(PrintDocument, RandomHullsDrawOnThePage) {
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        const Hull h = test::RandomHull(seed);
        for (const Paper paper : {Paper::A4, Paper::Letter}) {
            const PageArea area = PrintableArea(paper);
            for (const PrintCommand c : kCommands) {
                for (const auto& page : pages(print(h, c, 1, paper).recording)) {
                    EXPECT_EQ(textsOverlap(page), "") << seed << " " << commandName(c);
                    for (const Call& call : page) {
                        for (std::size_t i = 0; i < call.numbers.size(); ++i) {
                            const double v = call.numbers[i];
                            ASSERT_TRUE(std::isfinite(v)) << seed;
                            if (call.op != "line") continue;
                            EXPECT_GE(v, 0.0) << seed << " " << commandName(c);
                            EXPECT_LE(v, i % 2 == 0 ? area.width : area.height)
                                << seed << " " << commandName(c);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace voriel

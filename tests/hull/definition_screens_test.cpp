// The definition screens' read-back: comma fix, clamps, absolute values, refusals, check boxes.
#include "hull/definition_screens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using Boxes = std::vector<std::pair<int, std::string>>;  // box (Text1 0..6, Text2 as 7..14), text

std::string& box(Chine1Screen& s, int b) {
    return b < 7 ? s.Text1[b] : s.Text2[b - 7];
}

// The box a name like "Text2(3)" stands for on the chine-1 screen or (screen 2) the chines-2/3
// screen, whose Text1..Text3 are its columns.
std::string& boxNamed(Chine1Screen& s1, Chines23Screen& s2, int screen, const std::string& name) {
    const int array = name[4] - '0', index = name[6] - '0';
    if (screen == 2) return s2.Columns[array - 1][index];
    return array == 1 ? s1.Text1[index] : s1.Text2[index];
}

// The entries of tests/golden/definition_screens/entries.txt (which says their form): typed,
// validated, and what the screen shows afterwards.
TEST(DefinitionScreens, EntriesAreReadClampedAndShownBack) {
    std::ifstream in(test::TestData("golden/definition_screens/entries.txt"));
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(line);
        std::istringstream words(line);
        int screen = 0;
        words >> screen;
        Hull h = test::ValidatedDefaultHull();
        if (screen == 1) SetDefaultHull(h);
        Chine1Screen s1 = FillChine1Screen(h);
        Chines23Screen s2 = FillChines23Screen(h);
        std::vector<std::pair<std::string, std::string>> typed;
        for (std::string w; words >> w && w != "=>";)
            typed.emplace_back(w.substr(0, w.find('=')), w.substr(w.find('=') + 1));
        for (const auto& [name, text] : typed) boxNamed(s1, s2, screen, name) = text;
        const auto err = screen == 1 ? ValidateChine1Screen(h, s1) : ValidateChines23Screen(h, s2);
        ASSERT_FALSE(err.has_value()) << err->english;
        for (auto [name, text] : typed) {  // the comma fix is written back to the box
            std::replace(text.begin(), text.end(), ',', '.');
            EXPECT_EQ(boxNamed(s1, s2, screen, name), text);
        }
        Chine1Screen shown1 = FillChine1Screen(h);
        Chines23Screen shown2 = FillChines23Screen(h);
        for (std::string w; words >> w;) {
            const std::string name = w.substr(0, w.find('='));
            EXPECT_EQ(name == "MaxBeamIndex"   ? std::to_string(h.MaxBeamIndex)
                      : name == "TransomAngle" ? std::to_string(h.TransomAngle)
                                               : boxNamed(shown1, shown2, screen, name),
                      w.substr(w.find('=') + 1));
        }
        ++cases;
    }
    EXPECT_GE(cases, 24);  // the whole file was read
}

TEST(Chine1Screen, RefusedEntriesChangeNothing) {
    const Hull before = test::ValidatedDefaultHull();
    // Box, text, and a word the message must hold.
    const std::vector<std::tuple<int, const char*, const char*>> cases = {
        {0, "0", "LWL"},
        {0, "abc", "LWL"},
        {0, "-0", "LWL"},
        {0, "1e999", "Text1(0)"},
        {2, "1e999", "Text1(2)"},
        {8, "-1e400", "Text2(1)"},
        {8, "1e308", "cannot be computed"},
        {0, "1e-310", "cannot be computed"},
        {7, "1e308", "cannot be computed"}};
    for (const auto& [b, text, word] : cases) {
        Hull h = before;
        Chine1Screen s = FillChine1Screen(h);
        box(s, b) = text;
        const auto err = ValidateChine1Screen(h, s);
        ASSERT_TRUE(err.has_value()) << "box " << b << ": " << text;
        EXPECT_FALSE(err->french.empty());
        EXPECT_NE(err->english.find(word), std::string::npos) << err->english;
        EXPECT_TRUE(SameShape(h, before)) << text;
    }
}

// Once validated, the shown values are a fixed point: validating again changes nothing.
TEST(Chine1Screen, UntouchedBoxesReadBackWhatTheyShow) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        Hull h = test::RandomHull(seed);
        const Hull once = h;
        Chine1Screen again = FillChine1Screen(h);
        ASSERT_FALSE(ValidateChine1Screen(h, again).has_value());
        EXPECT_EQ(FillChine1Screen(h).Text1, FillChine1Screen(once).Text1) << seed;
        EXPECT_EQ(FillChine1Screen(h).Text2, FillChine1Screen(once).Text2) << seed;
        EXPECT_EQ(h.KeelAdvance, once.KeelAdvance);
        EXPECT_EQ(h.MaxBeamIndex, once.MaxBeamIndex);
    }
}

// The four turned-in boxes (ChkMarotte 2, 3, ChkTableau 2, 3) and their flags after each click.
TEST(Chines23Screen, CheckBoxRule) {
    Hull h = test::ValidatedDefaultHull();
    Chines23Screen s = FillChines23Screen(h);
    const auto state = [&] {
        std::string out;
        for (const bool b : {s.ChkMarotte[2], s.ChkMarotte[3], s.ChkTableau[2], s.ChkTableau[3]})
            out += b ? '1' : '0';
        for (const int f : {h.StemTurnIn[2], h.StemTurnIn[3], h.TransomTurnIn[2],
                            h.TransomTurnIn[3], h.StemTurnIn[4], h.TransomTurnIn[4]})
            out += f == -1 ? 'R' : f == 1 ? 'N' : '?';
        return out;
    };
    EXPECT_EQ(state(), "0000NNNNRR");
    ClickTurnIn(h, s, true, 2, true);  // turning in above chine 2 turns in above chine 3 too
    EXPECT_EQ(state(), "1100RRNNRR");
    ClickTurnIn(h, s, true, 3, false);  // clearing above chine 3 clears above chine 2
    EXPECT_EQ(state(), "0000NNNNRR");
    h.TransomTurnIn[4] = 1;
    ClickTurnIn(h, s, false, 3, true);  // above chine 3 alone; the sheer's flag always turned in
    EXPECT_EQ(state(), "0001NNNRRR");
    // Filling ticks from the flags, a file's turn-in above chine 2 alone made whole.
    h.StemTurnIn[2] = -1;
    s = FillChines23Screen(h);
    EXPECT_EQ(state(), "1101RRNRRR");
}

TEST(Chines23Screen, RefusedEntryLeavesRecordAndFlagsUntouched) {
    Hull h = test::ValidatedDefaultHull();
    Chines23Screen s = FillChines23Screen(h);
    const Hull filled = h;
    s.ChkMarotte[2] = true;
    // Not a number; a number of which no hull comes.
    for (const auto& [text, word] :
         {std::pair{"1e999", "Text3(1)"}, {"1e300", "cannot be computed"}}) {
        s.Columns[2][1] = text;
        const auto err = ValidateChines23Screen(h, s);
        ASSERT_TRUE(err.has_value());
        EXPECT_NE(err->english.find(word), std::string::npos) << err->english;
        EXPECT_TRUE(SameShape(h, filled));
        EXPECT_TRUE(s.ChkMarotte[2]);
        EXPECT_FALSE(s.ChkMarotte[3]);  // the refused validation did not apply the check-box rule
    }
}

// Entries each screen accepts alone that leave something computed from the hull NaN (a
// development, a station, an area): refused with the screen's message, nothing changed.
TEST(DefinitionScreens, EntriesThatEndInNaNAreRefused) {
    const std::vector<std::pair<Boxes, Boxes>> cases = {
        // chine-1 boxes, then chines-2/3 boxes (4 * column + row)
        {{{0, "1e160"}}, {}},           // LWL: finite lines, developments NaN
        {{}, {{2, "1e6"}}},             // chine 2 height aft: deck and transom NaN
        {{{9, "1e300"}}, {{0, "45"}}},  // aft S shape with chine 2 forward at 45 m
    };
    for (const auto& [chine1, chines23] : cases) {
        Hull h;
        SetDefaultHull(h);
        const Hull start = h;
        Chine1Screen s1 = FillChine1Screen(h);
        for (const auto& [b, text] : chine1) box(s1, b) = text;
        auto err = ValidateChine1Screen(h, s1);
        if (err) {
            EXPECT_TRUE(SameShape(h, start));
        } else {
            Chines23Screen s2 = FillChines23Screen(h);
            for (const auto& [b, text] : chines23) s2.Columns[b / 4][b % 4] = text;
            const Hull filled = h;
            const Chines23Screen typed = s2;
            err = ValidateChines23Screen(h, s2);
            EXPECT_TRUE(SameShape(h, filled));
            EXPECT_EQ(s2.Columns, typed.Columns);
        }
        ASSERT_TRUE(err.has_value());
        EXPECT_NE(err->english.find("cannot be computed"), std::string::npos) << err->english;
    }
}

TEST(DefinitionScreens, EntriesWithinTheScreensLimitsAreAllAccepted) {
    EXPECT_EQ(test::RefusedRandomDraws(1, 400), 0);
}

TEST(AngleEntry, PositiveRoundedAndHeld) {
    const std::pair<double, int> cases[] = {
        {-25, 25}, {24.5, 24}, {25.5, 26}, {1e30, 32767}, {-1e30, 32767}};
    for (const auto& [entry, angle] : cases) EXPECT_EQ(AngleFromEntry(entry), angle) << entry;
}

}  // namespace
}  // namespace voriel

// The definition screens' read-back: comma fix, clamps, absolute values, refusals, check boxes.
#include "hull/definition_screens.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/case_lines.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The box a word like "Text2(3)=..." names on the chine-1 screen or (screen 2) the chines-2/3
// screen, whose Text1..Text3 are its columns.
std::string& boxNamed(Chine1Screen& s1, Chines23Screen& s2, int screen, const std::string& word) {
    const int array = word[4] - '0', index = word[6] - '0';
    if (screen == 2) return s2.Columns[array - 1][index];
    return array == 1 ? s1.Text1[index] : s1.Text2[index];
}

// The entries of tests/golden/definition_screens/entries.txt (which says their form): typed,
// validated, and what the screen shows afterwards, or refused with the hull unchanged.
TEST(DefinitionScreens, EntriesAreReadClampedAndShownBack) {
    const auto cases = test::CaseLines("golden/definition_screens/entries.txt");
    EXPECT_GE(cases.size(), 36u);  // the whole file was read
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        const int screen = line[0] - '0';
        const auto arrow = line.find(" => ");
        const auto typed = test::Split(line.substr(2, arrow - 2), ' ');
        const std::string shown = line.substr(arrow + 4);
        Hull h = test::ValidatedDefaultHull();
        if (screen == 1) SetDefaultHull(h);
        Chine1Screen s1 = FillChine1Screen(h);
        Chines23Screen s2 = FillChines23Screen(h);
        for (const auto& w : typed) {
            if (w.rfind("ChkMarotte(", 0) == 0)
                s2.ChkMarotte[w[11] - '0'] = true;
            else
                boxNamed(s1, s2, screen, w) = w.substr(w.find('=') + 1);
        }
        const Hull before = h;
        const auto ticked = s2.ChkMarotte;
        const auto err = screen == 1 ? ValidateChine1Screen(h, s1) : ValidateChines23Screen(h, s2);
        for (const auto& w : typed) {  // kept, with the comma fix written back
            if (w.rfind("ChkMarotte(", 0) == 0) continue;
            std::string text = w.substr(w.find('=') + 1);
            std::replace(text.begin(), text.end(), ',', '.');
            EXPECT_EQ(boxNamed(s1, s2, screen, w), text);
        }
        if (shown.rfind("refused ", 0) == 0) {  // and a word the message must hold
            ASSERT_TRUE(err.has_value());
            EXPECT_FALSE(err->french.empty());
            EXPECT_NE(err->english.find(shown.substr(8)), std::string::npos) << err->english;
            EXPECT_TRUE(SameShape(h, before));
            EXPECT_EQ(s2.ChkMarotte, ticked);  // the check-box rule waits for an accepted entry
            continue;
        }
        ASSERT_FALSE(err.has_value()) << err->english;
        Chine1Screen shown1 = FillChine1Screen(h);
        Chines23Screen shown2 = FillChines23Screen(h);
        for (const auto& w : test::Split(shown, ' ')) {
            const std::string name = w.substr(0, w.find('='));
            EXPECT_EQ(name == "MaxBeamIndex"   ? std::to_string(h.MaxBeamIndex)
                      : name == "TransomAngle" ? std::to_string(h.TransomAngle)
                                               : boxNamed(shown1, shown2, screen, w),
                      w.substr(w.find('=') + 1));
        }
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

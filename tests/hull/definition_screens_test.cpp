// The definition screens' read-back: comma fix, clamps, absolute values, refusals, check boxes.
#include "hull/definition_screens.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_hulls.h"

namespace voriel {
namespace {

using Boxes = std::vector<std::pair<int, std::string>>;  // box (Text1 0..6, Text2 as 7..14), text

std::string& box(Chine1Screen& s, int b) {
    return b < 7 ? s.Text1[b] : s.Text2[b - 7];
}

// Typed on the chine-1 screen of the default hull, then Valider: what each box shows afterwards
// (15: the max-beam index, 16: the transom inclination as stored, negative).
TEST(Chine1Screen, EntriesAreReadClampedAndShownBack) {
    const struct {
        Boxes typed, shown;
    } cases[] = {
        {{{0, "6,5"}, {7, "0,12"}}, {{0, "6.5"}, {7, ".12"}}},  // decimal commas
        // Lengths are absolute, heights as entered (below 0 raised to 0).
        {{{0, "-7"}, {2, "-3"}, {4, "-0.5"}, {8, "-0.2"}},
         {{0, "7"}, {2, "3"}, {4, ".5"}, {8, "0"}}},
        {{{0, "-7"}, {2, "-9"}}, {{2, "3.5"}}},  // the half max beam at most 0.5 LWL
        {{{2, "0"}}, {{2, ".06"}}},
        // The max-beam position clamped, then snapped down onto a station (|-2.4| = 32 * 6 / 80).
        {{{1, "1.0"}}, {{1, "1.725"}, {15, "24"}}},
        {{{1, "5.9"}}, {{1, "4.125"}, {15, "56"}}},
        {{{1, "-2.4"}}, {{1, "2.4"}, {15, "33"}}},
        // Half widths at most 0.99 of the half max beam; powers, deadrise and angles held.
        {{{3, "5"}, {4, "-9"}, {7, "-1"}, {8, "-0.5"}}, {{3, ".9405"}, {4, ".9405"}, {7, "0"}}},
        {{{5, "1"}, {6, "7"}}, {{5, "2.1"}, {6, "5"}}},
        {{{10, "55"}, {12, "75"}, {13, "80"}}, {{10, "40"}, {12, "60"}, {16, "-70"}}},
        // The keel advance lowered from 60 until the rulings neither overrun nor cross.
        {{{11, "75"}}, {{11, "51"}}},
        {{{11, "45"}}, {{11, "45"}}},
        // Angles round halves to even, and an entry of any size is held.
        {{{10, "12.5"}}, {{10, "12"}}},
        {{{10, "13.5"}}, {{10, "14"}}},
        {{{10, "1e30"}}, {{10, "40"}}},
        {{{13, "-1e30"}}, {{16, "-70"}}},
        {{{13, "-25"}}, {{16, "-25"}}},
        {{{13, "25"}}, {{16, "-25"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[0].second);
        Hull h;
        SetDefaultHull(h);
        Chine1Screen s = FillChine1Screen(h);
        for (const auto& [b, text] : c.typed) box(s, b) = text;
        ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
        for (auto [b, text] : c.typed) {  // the comma fix is written back to the box
            std::replace(text.begin(), text.end(), ',', '.');
            EXPECT_EQ(box(s, b), text);
        }
        Chine1Screen after = FillChine1Screen(h);
        for (const auto& [b, text] : c.shown)
            EXPECT_EQ(b == 15   ? std::to_string(h.MaxBeamIndex)
                      : b == 16 ? std::to_string(h.TransomAngle)
                                : box(after, b),
                      text)
                << "box " << b;
    }
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

// The definition screens' read-back: comma fix, refusals, absolute values and check boxes.
#include "hull/definition_screens.h"

#include <gtest/gtest.h>

#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

TEST(Chine1Screen, FilledFromTheRecordAsTheScreenShowsIt) {
    Hull h;
    SetDefaultHull(h);
    const Chine1Screen s = FillChine1Screen(h);
    EXPECT_EQ(s.Text1[0], "6");
    EXPECT_EQ(s.Text1[2], ".95");
    EXPECT_EQ(s.Text1[5], "2.5");
    EXPECT_EQ(s.Text2[3], "12");
    EXPECT_EQ(s.Text2[5], "15");
    EXPECT_EQ(s.Text2[6], "25");  // the transom inclination is shown as its absolute value
    EXPECT_EQ(s.Text2[2], "1");
}

TEST(Chine1Screen, DecimalCommaIsAcceptedAndWrittenBack) {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s = FillChine1Screen(h);
    s.Text1[0] = "6,5";
    s.Text2[0] = "0,12";
    ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
    EXPECT_EQ(s.Text1[0], "6.5");
    EXPECT_EQ(h.XFwd[0], 6.5);
    EXPECT_EQ(h.ZFwd[1], 0.12);
    EXPECT_EQ(FillChine1Screen(h).Text1[0], "6.5");
}

TEST(Chine1Screen, LengthsAreAbsoluteHeightsAsEntered) {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s = FillChine1Screen(h);
    s.Text1[0] = "-7";
    s.Text1[2] = "-3";
    s.Text1[4] = "-0.5";
    s.Text2[1] = "-0.2";
    ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
    EXPECT_EQ(h.XFwd[0], 7);
    EXPECT_EQ(h.YMax[1], 3);  // |-3| = 3, then held to at most 0.5 * LWL = 3.5
    EXPECT_EQ(h.YAft[1], 0.5);
    EXPECT_EQ(h.ZAft[1], 0);  // a height below 0 is raised to 0
    s.Text1[2] = "-9";
    ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
    EXPECT_EQ(h.YMax[1], 3.5);
}

TEST(Chine1Screen, RefusedEntriesChangeNothing) {
    const Hull before = test::ValidatedDefaultHull();
    // Box (Text1 0..6, then Text2 as 7..14), text, and a word the message must hold.
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
    for (const auto& [box, text, word] : cases) {
        Hull h = before;
        Chine1Screen s = FillChine1Screen(h);
        if (box < 7)
            s.Text1[box] = text;
        else
            s.Text2[box - 7] = text;
        const auto err = ValidateChine1Screen(h, s);
        ASSERT_TRUE(err.has_value()) << "box " << box << ": " << text;
        EXPECT_FALSE(err->french.empty());
        EXPECT_NE(err->english.find(word), std::string::npos) << err->english;
        EXPECT_TRUE(SameShape(h, before)) << text;
    }
}

TEST(Chine1Screen, UntouchedBoxesReadBackWhatTheyShow) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        Hull h = test::RandomHull(seed);
        Chine1Screen s = FillChine1Screen(h);
        ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
        // Once validated, the shown values are a fixed point: validating again changes nothing.
        const Hull once = h;
        Chine1Screen again = FillChine1Screen(h);
        ASSERT_FALSE(ValidateChine1Screen(h, again).has_value());
        EXPECT_EQ(FillChine1Screen(h).Text1, FillChine1Screen(once).Text1) << seed;
        EXPECT_EQ(FillChine1Screen(h).Text2, FillChine1Screen(once).Text2) << seed;
        EXPECT_EQ(h.KeelAdvance, once.KeelAdvance);
        EXPECT_EQ(h.MaxBeamIndex, once.MaxBeamIndex);
    }
}

TEST(Chines23Screen, CheckBoxRule) {
    Hull h = test::ValidatedDefaultHull();
    Chines23Screen s = FillChines23Screen(h);
    EXPECT_FALSE(s.ChkMarotte[2] || s.ChkMarotte[3] || s.ChkTableau[2] || s.ChkTableau[3]);
    EXPECT_EQ(s.Columns[0][3], "50");

    ClickTurnIn(h, s, true, 2, true);  // turning in above chine 2 turns in above chine 3 too
    EXPECT_TRUE(s.ChkMarotte[3]);
    EXPECT_EQ(h.StemTurnIn[2], -1);
    EXPECT_EQ(h.StemTurnIn[3], -1);
    EXPECT_EQ(h.TransomTurnIn[3], 1);

    ClickTurnIn(h, s, true, 3, false);  // clearing above chine 3 clears above chine 2
    EXPECT_FALSE(s.ChkMarotte[2]);
    EXPECT_EQ(h.StemTurnIn[2], 1);
    EXPECT_EQ(h.StemTurnIn[3], 1);

    ClickTurnIn(h, s, false, 3, true);  // above chine 3 alone
    EXPECT_FALSE(s.ChkTableau[2]);
    EXPECT_EQ(h.TransomTurnIn[3], -1);
    EXPECT_EQ(h.TransomTurnIn[2], 1);
    EXPECT_EQ(h.TransomTurnIn[4], -1);
    EXPECT_EQ(h.StemTurnIn[4], -1);
}

TEST(Chines23Screen, FillingTicksFromTheFlagsAndKeepsThemConsistent) {
    Hull h = test::ValidatedDefaultHull();
    h.StemTurnIn[2] = -1;  // as a file may hold it: turned in above chine 2 only
    h.StemTurnIn[3] = 1;
    const Chines23Screen s = FillChines23Screen(h);
    EXPECT_TRUE(s.ChkMarotte[2]);
    EXPECT_TRUE(s.ChkMarotte[3]);
    EXPECT_EQ(h.StemTurnIn[3], -1);
}

TEST(Chines23Screen, RefusedEntryLeavesRecordAndFlagsUntouched) {
    const Hull before = test::ValidatedDefaultHull();
    Hull h = before;
    Chines23Screen s = FillChines23Screen(h);
    const Hull filled = h;
    s.ChkMarotte[2] = true;
    s.Columns[2][1] = "1e999";
    const auto err = ValidateChines23Screen(h, s);
    ASSERT_TRUE(err.has_value());
    EXPECT_NE(err->english.find("Text3(1)"), std::string::npos) << err->english;
    EXPECT_TRUE(SameShape(h, filled));
    s.Columns[2][1] = "1e300";  // accepted alone, but no hull comes of it
    ASSERT_TRUE(ValidateChines23Screen(h, s).has_value());
    EXPECT_TRUE(SameShape(h, filled));
    EXPECT_TRUE(s.ChkMarotte[2]);
    EXPECT_FALSE(s.ChkMarotte[3]);  // the refused validation did not apply the check-box rule
}

TEST(Chines23Screen, DecimalCommaInEveryColumn) {
    Hull h = test::ValidatedDefaultHull();
    Chines23Screen s = FillChines23Screen(h);
    s.Columns[0][0] = "0,35";
    s.Columns[1][1] = "0,65";
    s.Columns[2][2] = "1,1";
    s.Columns[2][3] = "87,5";
    ASSERT_FALSE(ValidateChines23Screen(h, s).has_value());
    EXPECT_EQ(h.ZFwd[2], 0.35);
    EXPECT_EQ(h.ZMax[3], 0.65);
    EXPECT_EQ(h.ZAft[4], 1.1);
    EXPECT_EQ(h.PlankAngle[3], 88);  // 87.5 rounds to the even 88
    EXPECT_EQ(s.Columns[2][2], "1.1");
}

// Entries each screen accepts alone that leave something computed from the hull NaN (a
// development, a station, an area): refused with the screen's message, nothing changed.
TEST(DefinitionScreens, EntriesThatEndInNaNAreRefused) {
    struct Entries {
        std::vector<std::pair<int, std::string>> chine1;    // box (Text1 0..6, Text2 as 7..14)
        std::vector<std::pair<int, std::string>> chines23;  // box 4 * column + row
    };
    const std::vector<Entries> cases = {
        {{{0, "1e160"}}, {}},           // LWL: finite lines, developments NaN
        {{}, {{2, "1e6"}}},             // chine 2 height aft: deck and transom NaN
        {{{9, "1e300"}}, {{0, "45"}}},  // aft S shape with chine 2 forward at 45 m
    };
    for (const Entries& e : cases) {
        Hull h;
        SetDefaultHull(h);
        const Hull start = h;
        Chine1Screen s1 = FillChine1Screen(h);
        for (const auto& [box, text] : e.chine1)
            (box < 7 ? s1.Text1[box] : s1.Text2[box - 7]) = text;
        auto err = ValidateChine1Screen(h, s1);
        if (err) {
            EXPECT_NE(err->english.find("cannot be computed"), std::string::npos) << err->english;
            EXPECT_TRUE(SameShape(h, start));
            continue;
        }
        Chines23Screen s2 = FillChines23Screen(h);
        for (const auto& [box, text] : e.chines23) s2.Columns[box / 4][box % 4] = text;
        const Hull filled = h;
        const Chines23Screen typed = s2;
        err = ValidateChines23Screen(h, s2);
        ASSERT_TRUE(err.has_value()) << (e.chine1.empty() ? "" : e.chine1[0].second);
        EXPECT_NE(err->english.find("cannot be computed"), std::string::npos) << err->english;
        EXPECT_TRUE(SameShape(h, filled));
        EXPECT_EQ(s2.Columns, typed.Columns);
    }
}

TEST(DefinitionScreens, EntriesWithinTheScreensLimitsAreAllAccepted) {
    EXPECT_EQ(test::RefusedRandomDraws(1, 400), 0);
}

TEST(AngleEntry, PositiveRoundedAndHeld) {
    EXPECT_EQ(AngleFromEntry(-25), 25);
    EXPECT_EQ(AngleFromEntry(24.5), 24);
    EXPECT_EQ(AngleFromEntry(25.5), 26);
    EXPECT_EQ(AngleFromEntry(1e30), 32767);
    EXPECT_EQ(AngleFromEntry(-1e30), 32767);
}

}  // namespace
}  // namespace voriel

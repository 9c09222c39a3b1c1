// Chine 1, keel and bottom: the curves, the ends, the rulings and the bottom surface.
#include "hull/chine1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The default hull with some chine-1 boxes replaced, validated.
Hull withChine1Entries(std::initializer_list<std::pair<int, const char*>> text1,
                       std::initializer_list<std::pair<int, const char*>> text2 = {}) {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s = FillChine1Screen(h);
    for (const auto& [i, t] : text1) s.Text1[i] = t;
    for (const auto& [i, t] : text2) s.Text2[i] = t;
    EXPECT_FALSE(ValidateChine1Screen(h, s).has_value());
    return h;
}

// Chine 1 ends where it meets the stem and transom planes, each pivoting on the keel's end.
void expectEndsOnTheirPlanes(const Hull& h, const std::string& what) {
    const double len = h.XFwd[0];
    const double xa = h.XAft[1], xf = h.XFwd[1];
    EXPECT_NEAR(xa, (ChineHeight1(h, xa) - h.ZAft[0]) * TanDeg(h.TransomAngle), 2e-9 * len) << what;
    EXPECT_NEAR(xf, (ChineHeight1(h, xf) - h.ZFwd[0]) * TanDeg(h.StemAngle) + len, 2e-9 * len)
        << what;
    EXPECT_GE(ChineHalfWidth1(h, xf), 0) << what;  // not across the centreline
    EXPECT_GE(ChineHalfWidth1(h, xa), 0) << what;
    EXPECT_LE(h.TransomAngle, 0);
    EXPECT_GE(h.StemAngle, 0);
}

TEST(Chine1, EndsLieOnTheStemAndTransomPlanes) {
    // Ten passes of the transom intersection ran 950 m aft on this 5.4 m hull.
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s;
    s.Text1 = {"5.41744", "1.62523", "2.11428", "1.12762", "1.52048", "3.69121", "3.96895"};
    s.Text2 = {".202671", ".269994", "-.501378", "17", "16", "22", "69", ".179049"};
    ASSERT_FALSE(ValidateChine1Screen(h, s).has_value());
    expectEndsOnTheirPlanes(h, "steep transom");
    EXPECT_GE(h.TransomAngle, -69);
    EXPECT_TRUE(h.XAft[1] > -2 * h.XFwd[0] && h.XAft[1] < 0.0) << h.XAft[1];
    // The chine climbs aft faster than a 70 degree transom leans: no meeting point at 70, so the
    // transom is brought up as the stem is.
    h = withChine1Entries({{1, "1.8"}, {6, "5"}}, {{1, ".6"}, {2, "-.9"}, {6, "70"}});
    EXPECT_GT(h.TransomAngle, -70);
    expectEndsOnTheirPlanes(h, "raked transom");
}

// Each advanced ruling leaves its chine point inward, advancing ta in X and dropping td in Z per
// unit of half width; the bottom surface contains the whole ruling. (Pairs 0 and 83 join the
// transom and stem ends, which the raked transom and stem put at different X: not rulings.)
// Without keel advance every ruling is transverse, from a keel point to the chine point.
void expectRulingsOnTheBottom(const Hull& h, const std::string& what) {
    for (int j = 0; h.KeelAdvance == 0 && j <= 83; ++j) {
        const int p = std::min(j, 82);
        EXPECT_EQ(std::tie(h.BottomRulingX[0][j], h.BottomRulingZ[0][j], h.BottomRulingX[1][j],
                           h.BottomRulingY[1][j], h.BottomRulingZ[1][j]),
                  std::tie(h.LineX[Keel][p], h.LineZ[Keel][p], h.LineX[Chine1][p],
                           h.LineY[Chine1][p], h.LineZ[Chine1][p]))
            << what << " ruling " << j;
    }
    const double ta = TanDeg(h.KeelAdvance), td = TanDeg(h.PlankAngle[0]);
    const int last = h.KeelAdvance > 0 ? 82 : 81;
    for (int j = 1; j <= last; ++j) {
        const double xk = h.BottomRulingX[0][j], zk = h.BottomRulingZ[0][j];
        const double xc = h.BottomRulingX[1][j], yc = h.BottomRulingY[1][j];
        const double zc = h.BottomRulingZ[1][j];
        if (j > h.MaxBeamIndex && j <= 82 && h.KeelAdvance > 0) {
            EXPECT_NEAR(xk - xc, ta * yc, 1e-9) << what << " ruling " << j;
            EXPECT_NEAR(zc - zk, td * yc, 1e-9) << what << " ruling " << j;
        }
        for (const double s : {0.25, 0.5, 0.75}) {
            const double x = xc + s * (xk - xc), y = (1 - s) * yc, z = zc + s * (zk - zc);
            EXPECT_NEAR(BottomHeight(h, x, y), z, 1e-9) << what << " ruling " << j << " at " << s;
        }
    }
}

TEST(Chine1, RulingsLieOnTheBottom) {
    expectRulingsOnTheBottom(withChine1Entries({}, {{4, "0"}}), "no keel advance");
    expectRulingsOnTheBottom(withChine1Entries({}, {{4, "60"}}), "keel advance 60");
    expectRulingsOnTheBottom(withChine1Entries({{3, "0.3"}}, {{4, "30"}}), "blunt forefoot");
}

// Over random hulls chine 1 ends on the stem and transom planes and its height curve passes through
// its defining points; the rulings lie on the bottom, whose half width inverts its height (a flat
// bottom has none).
TEST(Chine1, RandomHulls) {
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        const Hull h = test::RandomHull(seed);
        const std::string what = "seed " + std::to_string(seed);
        expectEndsOnTheirPlanes(h, what);
        if (seed > 300) continue;
        EXPECT_EQ(std::make_pair(ChineHeight1(h, h.XMax[1]), ChineHalfWidth1(h, h.XMax[1])),
                  std::make_pair(0.0, h.YMax[1]))
            << what;
        EXPECT_TRUE(h.ShapeSFwd != 0 || ChineHeight1(h, h.XFwd[0]) == h.ZFwd[1]) << what;
        EXPECT_TRUE(h.ShapeSAft != 0 || ChineHeight1(h, 0.0) == h.ZAft[1]) << what;
        expectRulingsOnTheBottom(h, what);
        for (int p = 1; seed <= 150 && h.PlankAngle[0] != 0 && p <= 81; p += 4) {
            const double x = h.LineX[Keel][p];
            for (const double s : {0.1, 0.4, 0.7, 0.95}) {
                const double y = s * ChineHalfWidth1(h, x);
                ASSERT_NEAR(BottomHalfWidth(h, x, BottomHeight(h, x, y)), y, 1e-9 * h.XFwd[0])
                    << what << " station " << p << " s " << s;
            }
        }
    }
}

TEST(Chine1, BottomHalfWidthOutsideTheBottom) {
    // Outside the bottom: above chine 1, below the keel, and the flat triangle just ahead of the
    // max-beam station, where the bottom is a plane.
    const Hull h = test::ValidatedDefaultHull();
    const double x = 4.5;
    EXPECT_EQ(BottomHalfWidth(h, x, ChineHeight1(h, x) + 1), ChineHalfWidth1(h, x));
    EXPECT_EQ(BottomHalfWidth(h, x, BottomHeight(h, x, 0) - 1), 0);
    const double z = h.ZMax[0] * 0.9;
    EXPECT_NEAR(BottomHalfWidth(h, 3.05, z), 0.95 * 0.1, 1e-12);
}

}  // namespace
}  // namespace voriel

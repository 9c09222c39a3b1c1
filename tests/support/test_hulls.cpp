// Test hulls: the validated default hull and seeded random hulls.
#include "support/test_hulls.h"

#include "hull/definition_screens.h"
#include "text/number_text.h"

namespace voriel::test {

namespace {

// Upper chines that close in toward the ends as a built hull's do: narrower at the forefoot and
// at the transom than at the max beam.
bool buildable(const Hull& h) {
    for (int i = 2; i <= 4; ++i)
        if (h.YFwd[i] > 0.8 * h.YMax[i] || h.YAft[i] > h.YMax[i]) return false;
    return true;
}

// A hull from entries drawn within the screens' limits; `refused` tells whether a screen refused
// them.
Hull drawHull(std::mt19937& rng, bool& refused) {
    const auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const auto integer = [&rng](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    Hull h;
    SetDefaultHull(h);
    const double lwl = uniform(2.0, 20.0);
    const double beam = lwl * uniform(0.05, 0.4);
    Chine1Screen s1;
    s1.Text1 = {Str(lwl),
                Str(lwl * uniform(0.25, 0.75)),
                Str(beam),
                Str(integer(0, 3) == 0 ? 0.0 : beam * uniform(0.0, 0.9)),
                Str(beam * uniform(0.0, 0.95)),
                Str(uniform(2.0, 5.5)),
                Str(uniform(2.0, 5.5))};
    s1.Text2 = {Str(lwl * uniform(0.0, 0.1)), Str(lwl * uniform(0.0, 0.05)),
                Str(uniform(-1.0, 2.0)),      Str(integer(0, 45)),
                Str(integer(0, 65)),          Str(integer(0, 65)),
                Str(integer(0, 75)),          Str(integer(0, 2) == 0 ? 0.0 : uniform(-1.0, 2.0))};
    refused = ValidateChine1Screen(h, s1).has_value();

    Chines23Screen s2 = FillChines23Screen(h);
    double zf = h.ZFwd[1], zm = h.ZMax[1], za = h.ZAft[1];
    int angle = h.PlankAngle[0] + 5;
    for (int c = 0; c < 3; ++c) {
        zf += lwl * uniform(0.0, 0.08);
        zm += lwl * uniform(0.0, 0.08);
        za += lwl * uniform(0.0, 0.08);
        angle = integer(angle, 120);
        s2.Columns[c] = {Str(zf), Str(zm), Str(za), Str(angle)};
    }
    for (const bool stem : {true, false})
        for (int k = 2; k <= 3; ++k) ClickTurnIn(h, s2, stem, k, integer(0, 3) == 0);
    refused = ValidateChines23Screen(h, s2).has_value() || refused;
    return h;
}

}  // namespace

Hull RandomHull(uint32_t seed) {
    std::mt19937 rng(seed);
    bool refused = false;
    Hull h = drawHull(rng, refused);
    while (refused || !buildable(h)) h = drawHull(rng, refused);
    return h;
}

int RefusedRandomDraws(uint32_t firstSeed, uint32_t count) {
    int refusals = 0;
    for (uint32_t seed = firstSeed; seed < firstSeed + count; ++seed) {
        std::mt19937 rng(seed);
        bool refused = false;
        drawHull(rng, refused);
        refusals += refused ? 1 : 0;
    }
    return refusals;
}

}  // namespace voriel::test

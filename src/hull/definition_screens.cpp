// Read-back of the chine-1 and chines-2/3 screens.
#include "hull/definition_screens.h"

#include <cmath>
#include <cstdlib>

#include "files/message_text.h"
#include "hull/chine1.h"
#include "hull/chines23.h"
#include "hydro/hull_finite.h"
#include "text/number_text.h"

namespace voriel {

std::string BoxText(double v) {
    std::string s = Str(v);
    if (!s.empty() && s[0] == ' ') s.erase(0, 1);
    return s;
}

int16_t AngleFromEntry(double v) {
    const double a = std::fabs(v);
    return static_cast<int16_t>(RoundHalfEven(a < 32767 ? a : 32767));
}

namespace {

std::optional<EntryError> notANumber(const std::string& box, const std::string& text) {
    const std::string quoted = QuoteForMessage(text);
    return EntryError{box, "Valeur non valable dans " + box + " : " + quoted,
                      "Invalid value in " + box + ": " + quoted};
}

// Reads every box (after the comma fix, written back) into `values`; refuses a non-finite one.
template <std::size_t N>
std::optional<EntryError> readBoxes(std::array<std::string, N>& boxes, const char* arrayName,
                                    std::array<double, N>& values) {
    for (auto& box : boxes) box = CommaToPoint(box);
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = Val(boxes[i]);
        if (!std::isfinite(values[i]))
            return notANumber(std::string(arrayName) + "(" + std::to_string(i) + ")", boxes[i]);
    }
    return std::nullopt;
}

// Values the screens accept one by one can still, together, leave no computable hull (heights
// of 1e300, say, or an LWL of 1e160 whose lines are finite but whose developments are not):
// refuse them rather than keep a hull that prints NaN somewhere.
EntryError cannotCompute() {
    return {"", "Ces valeurs ne permettent pas de calculer la coque ; rien n'a été changé.",
            "The hull cannot be computed from these values; nothing was changed."};
}

}  // namespace

Chine1Screen FillChine1Screen(const Hull& h) {
    Chine1Screen s;
    s.Text1 = {BoxText(h.XFwd[0]), BoxText(h.XMax[1]),  BoxText(h.YMax[1]), BoxText(h.YFwd[1]),
               BoxText(h.YAft[1]), BoxText(h.PowerFwd), BoxText(h.PowerAft)};
    s.Text2 = {BoxText(h.ZFwd[1]),
               BoxText(h.ZAft[1]),
               BoxText(h.ShapeSAft),
               BoxText(h.PlankAngle[0]),
               BoxText(h.KeelAdvance),
               BoxText(std::abs(int{h.StemAngle})),
               BoxText(std::abs(int{h.TransomAngle})),
               BoxText(h.ShapeSFwd)};
    return s;
}

std::optional<EntryError> ValidateChine1Screen(Hull& h, Chine1Screen& s) {
    std::array<double, 7> t1{};
    std::array<double, 8> t2{};
    for (auto& box : s.Text2) box = CommaToPoint(box);
    if (auto err = readBoxes(s.Text1, "Text1", t1)) return err;
    if (auto err = readBoxes(s.Text2, "Text2", t2)) return err;
    if (std::fabs(t1[0]) == 0)
        return EntryError{"Text1(0)", "La longueur LWL ne peut pas être nulle.",
                          "The length LWL cannot be 0."};

    Hull n = h;
    n.XFwd[0] = std::fabs(t1[0]);
    n.XMax[1] = std::fabs(t1[1]);  // a position from the transom is a length too
    n.YMax[1] = std::fabs(t1[2]);
    n.YFwd[1] = std::fabs(t1[3]);
    n.YAft[1] = std::fabs(t1[4]);
    n.PowerFwd = t1[5];
    n.PowerAft = t1[6];
    n.ZFwd[1] = t2[0];
    n.ZAft[1] = t2[1];
    n.ShapeSAft = t2[2];
    n.PlankAngle[0] = AngleFromEntry(t2[3]);
    n.KeelAdvance = AngleFromEntry(t2[4]);
    n.StemAngle = AngleFromEntry(t2[5]);
    n.TransomAngle = static_cast<int16_t>(-AngleFromEntry(t2[6]));
    n.ShapeSFwd = t2[7];
    ValidateChine1(n);
    if (!AllResultsFinite(n)) return cannotCompute();
    h = std::move(n);
    return std::nullopt;
}

namespace {

int16_t& turnInFlag(Hull& h, bool stem, int k) {
    return stem ? h.StemTurnIn[k] : h.TransomTurnIn[k];
}
bool& checkBox(Chines23Screen& s, bool stem, int k) {
    return stem ? s.ChkMarotte[k] : s.ChkTableau[k];
}

}  // namespace

void ClickTurnIn(Hull& h, Chines23Screen& s, bool stem, int k, bool ticked) {
    checkBox(s, stem, k) = ticked;
    if (ticked) {
        turnInFlag(h, stem, k) = -1;
        if (k == 2) {
            turnInFlag(h, stem, 3) = -1;
            checkBox(s, stem, 3) = true;
        }
    } else {
        turnInFlag(h, stem, k) = 1;
        if (k == 3) {
            turnInFlag(h, stem, 2) = 1;
            checkBox(s, stem, 2) = false;
        }
    }
    turnInFlag(h, stem, 4) = -1;
}

Chines23Screen FillChines23Screen(Hull& h) {
    Chines23Screen s;
    for (int c = 0; c < 3; ++c) {
        const int i = c + 2;
        s.Columns[c] = {BoxText(h.ZFwd[i]), BoxText(h.ZMax[i]), BoxText(h.ZAft[i]),
                        BoxText(h.PlankAngle[c + 1])};
    }
    for (const bool stem : {true, false})
        for (int k = 2; k <= 3; ++k) ClickTurnIn(h, s, stem, k, turnInFlag(h, stem, k) != 1);
    return s;
}

std::optional<EntryError> ValidateChines23Screen(Hull& h, Chines23Screen& s) {
    std::array<std::array<double, 4>, 3> v{};
    static const char* const names[] = {"Text1", "Text2", "Text3"};
    // Read first: a refused entry must leave the record and the check-box flags untouched.
    for (int c = 0; c < 3; ++c)
        if (auto err = readBoxes(s.Columns[c], names[c], v[c])) return err;
    Hull n = h;
    Chines23Screen boxes = s;
    for (const bool stem : {true, false})
        for (int k = 2; k <= 3; ++k) ClickTurnIn(n, boxes, stem, k, checkBox(boxes, stem, k));
    for (int c = 0; c < 3; ++c) {
        const int i = c + 2;
        n.ZFwd[i] = v[c][0];
        n.ZMax[i] = v[c][1];
        n.ZAft[i] = v[c][2];
        n.PlankAngle[c + 1] = AngleFromEntry(v[c][3]);
    }
    ValidateChines23(n);
    if (!AllResultsFinite(n)) return cannotCompute();
    h = std::move(n);
    s = std::move(boxes);
    return std::nullopt;
}

Hull ValidatedDefaultHull() {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s1 = FillChine1Screen(h);
    ValidateChine1Screen(h, s1);
    Chines23Screen s2 = FillChines23Screen(h);
    ValidateChines23Screen(h, s2);
    return h;
}

}  // namespace voriel

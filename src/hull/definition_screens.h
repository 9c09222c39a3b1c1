// The two hull-definition screens as the model sees them: box texts filled from the record and
// read back, clamped and validated.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "hull/hull.h"

namespace voriel {

// The chine-1 screen: Text1(0..6) LWL, max-beam position, half max beam, half widths forward and
// aft, powers forward and aft; Text2(0..7) heights forward and aft, aft S shape, deadrise, keel
// advance, stem and transom inclinations, forward S shape.
struct Chine1Screen {
    std::array<std::string, 7> Text1;
    std::array<std::string, 8> Text2;
};

// The chines-2/3 screen: one column per line (Text1 chine 2, Text2 chine 3, Text3 sheer), boxes
// 0..3 = height forward, height at max beam, height aft, inclination of the plank below; the
// turned-in check boxes of the stem and transom above chine 2 (index 2) and chine 3 (index 3).
struct Chines23Screen {
    std::array<std::array<std::string, 4>, 3> Columns;
    std::array<bool, 4> ChkMarotte{};  // indices 2, 3 used
    std::array<bool, 4> ChkTableau{};  // indices 2, 3 used
};

// A refused entry: which box, and the message in French and English.
struct EntryError {
    std::string box;
    std::string french;
    std::string english;
    const std::string& text(int language) const { return language == 0 ? french : english; }
};

// The text a box shows for a number: Str without its leading blank.
std::string BoxText(double v);

// An angle entry made positive and rounded to the nearest degree, halves to even; an entry of any
// size is held to the 16-bit range first.
int16_t AngleFromEntry(double v);

Chine1Screen FillChine1Screen(const Hull& hull);

// Valider: commas become points in every box (the texts are written back), an LWL of 0 or an entry
// that is not a finite number is refused with nothing changed; otherwise the entries are stored
// and ValidateChine1 runs, and entries that leave anything computed from the hull non-finite
// (AllResultsFinite) are refused with nothing changed.
std::optional<EntryError> ValidateChine1Screen(Hull& hull, Chine1Screen& screen);

// Fills the boxes and sets each check box from its flag, applying the check-box rule as it goes.
Chines23Screen FillChines23Screen(Hull& hull);

// A click on ChkMarotte(k) (stem = true) or ChkTableau(k), k = 2 or 3, leaving it ticked or not:
// ticking above chine 2 ticks above chine 3 too, clearing above chine 3 clears above chine 2; the
// flag of line 4 always becomes -1.
void ClickTurnIn(Hull& hull, Chines23Screen& screen, bool stem, int k, bool ticked);

// Valider: the check-box rule on the four boxes as they stand, commas become points, entries that
// are not finite numbers are refused with nothing changed; otherwise ValidateChines23 runs, with
// the same complete finiteness check as the chine-1 screen.
std::optional<EntryError> ValidateChines23Screen(Hull& hull, Chines23Screen& screen);

// The default hull with both screens validated untouched: what the drawing board holds once the
// builder has pressed Valider on each screen without changing a box.
Hull ValidatedDefaultHull();

}  // namespace voriel

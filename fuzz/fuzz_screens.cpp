// Fuzz target: whatever is typed in the boxes of both definition screens, validation ends, and a
// hull it accepts gives finite numbers everywhere the program prints or writes them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "finite_everywhere.h"
#include "hull/definition_screens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One box per line: the 15 chine-1 boxes, then the 12 chines-2/3 boxes, then the check boxes.
    std::vector<std::string> texts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    texts.resize(31);
    voriel::Hull h;
    voriel::SetDefaultHull(h);
    voriel::Chine1Screen s1 = voriel::FillChine1Screen(h);
    for (size_t i = 0; i < 15; ++i) {
        if (texts[i].empty()) continue;
        (i < 7 ? s1.Text1[i] : s1.Text2[i - 7]) = texts[i];
    }
    voriel::ValidateChine1Screen(h, s1);
    voriel::Chines23Screen s2 = voriel::FillChines23Screen(h);
    for (size_t i = 0; i < 12; ++i)
        if (!texts[15 + i].empty()) s2.Columns[i / 4][i % 4] = texts[15 + i];
    for (int k = 0; k < 4; ++k)
        if (!texts[27 + k].empty())
            voriel::ClickTurnIn(h, s2, k < 2, 2 + k % 2, texts[27 + k][0] == '1');
    // What the drawing board holds once both screens are validated, refused entries or not.
    voriel::ValidateChines23Screen(h, s2);
    voriel::fuzz::RequireFiniteEverywhere(h);
    return 0;
}

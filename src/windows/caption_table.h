// A window's captions in both languages, one row per control, applied by the control's name.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

class QWidget;

namespace voriel {

// One control's caption: `control` is the objectName ("window" for the title bar).
struct Caption {
    const char* control;
    const char* french;
    const char* english;
};

// The caption for a language: French when language is 0, English otherwise.
inline QString CaptionText(const Caption& c, int16_t language) {
    return QString::fromUtf8(language == 0 ? c.french : c.english);
}

// Sets every caption of the table on the window's controls (labels, buttons, check boxes, group
// boxes) and the window title; a control missing from the window is skipped.
void ApplyCaptions(QWidget& window, const Caption* table, std::size_t count, int16_t language);

template <std::size_t N>
void ApplyCaptions(QWidget& window, const Caption (&table)[N], int16_t language) {
    ApplyCaptions(window, table, N, language);
}

}  // namespace voriel

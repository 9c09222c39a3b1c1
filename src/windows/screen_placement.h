// Where the windows first appear: screens over the drawing board, the hydrostatics at the left
// edge and the mass budget at the right edge, both halfway down.
#pragma once

class QWidget;

namespace voriel {

class AppWindows;

// Centres the window over the drawing board when the board is made, else on the screen.
void PlaceOverBoard(QWidget& window, AppWindows& windows);

// Left edge at `left` pixels, or right edge `right` pixels from the screen's right side (when
// left is negative); vertically centred.
void PlaceAtEdge(QWidget& window, int left, int right);

// The screen's logical pixels for a length in twips (1440 to the inch).
int TwipsToPixels(const QWidget& window, int twips);

}  // namespace voriel

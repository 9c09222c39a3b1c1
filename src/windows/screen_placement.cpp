// First placement of the windows on the screen.
#include "windows/screen_placement.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

#include "windows/app_windows.h"
#include "windows/dessin.h"

namespace voriel {

namespace {

QRect screenArea(const QWidget& window) {
    const QScreen* s = window.screen();
    return s != nullptr ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Keeps the whole window on the screen where it can.
QPoint keptOnScreen(QPoint topLeft, const QSize& size, const QRect& area) {
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() - size.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() - size.height()));
    return {x, y};
}

}  // namespace

void PlaceOverBoard(QWidget& window, AppWindows& windows) {
    const QRect area = screenArea(window);
    QRect over = area;
    if (windows.hasDessin()) {
        const QWidget& board = windows.dessin();
        if (board.isVisible()) over = board.frameGeometry();
    }
    const QSize size = window.frameGeometry().size();
    const QPoint centred = over.center() - QPoint(size.width() / 2, size.height() / 2);
    window.move(keptOnScreen(centred, size, area));
}

void PlaceAtEdge(QWidget& window, int left, int right) {
    const QRect area = screenArea(window);
    const QSize size = window.frameGeometry().size();
    const int x = left >= 0 ? area.left() + left : area.right() + 1 - size.width() - right;
    const int y = area.top() + (area.height() - size.height()) / 2;
    window.move(keptOnScreen({x, y}, size, area));
}

int TwipsToPixels(const QWidget& window, int twips) {
    const QScreen* s = window.screen();
    const double dpi = s != nullptr ? s->logicalDotsPerInchX() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

}  // namespace voriel

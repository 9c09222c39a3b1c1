// The drawing board's picture box Plan1: shows the sheet's image and hands the mouse on in twips.
#pragma once

#include <QWidget>

#include "windows/screen_canvas.h"

namespace voriel {

class PlanWidget : public QWidget {
    Q_OBJECT

public:
    explicit PlanWidget(QWidget* parent = nullptr);

    ScreenCanvas& canvas() { return canvas_; }
    // Shows what was drawn on the canvas since the last paint.
    void showDrawing() { update(); }

signals:
    // button: 1 left, 2 right (for a move, the buttons held: 1 left, 2 right, 4 middle, summed);
    // x, y in twips of the sheet.
    void mouseDown(int button, float x, float y);
    void mouseMove(int buttons, float x, float y);
    void mouseUp(int button, float x, float y);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPointF toTwips(const QPointF& pixels) const;

    qreal ratio_;  // device pixels per widget pixel: the sheet is drawn at the screen's own pixels
    ScreenCanvas canvas_;
    int pressed_ = 0;  // the button whose down was handed on, until its up
};

}  // namespace voriel

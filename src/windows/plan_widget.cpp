// The drawing board's picture box: blits the sheet and turns mouse events into twips.
#include "windows/plan_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace voriel {

namespace {

int buttonNumber(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int buttonsHeld(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) + (b & Qt::RightButton ? 2 : 0) +
           (b & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

PlanWidget::PlanWidget(QWidget* parent)
    : QWidget(parent),
      ratio_(devicePixelRatioF()),
      canvas_(logicalDpiX() * ratio_, logicalDpiY() * ratio_, font()) {
    setObjectName("Plan1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);  // the right button pans
    canvas_.resize(qRound(width() * ratio_), qRound(height() * ratio_));
}

QPointF PlanWidget::toTwips(const QPointF& pixels) const {
    return {pixels.x() * ratio_ / canvas_.pixelsPerTwipX(),
            pixels.y() * ratio_ / canvas_.pixelsPerTwipY()};
}

void PlanWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRectF target(event->rect());
    const QRectF source(target.x() * ratio_, target.y() * ratio_, target.width() * ratio_,
                        target.height() * ratio_);
    p.drawImage(target, canvas_.image(), source);
}

void PlanWidget::resizeEvent(QResizeEvent* event) {
    canvas_.resize(qRound(event->size().width() * ratio_), qRound(event->size().height() * ratio_));
    QWidget::resizeEvent(event);
}

void PlanWidget::mousePressEvent(QMouseEvent* event) {
    const int b = buttonNumber(event->button());
    // One drag at a time: a second button pressed during a drag is not a new drag.
    if (pressed_ != 0 || b == 0) return;
    pressed_ = b;
    const QPointF t = toTwips(event->position());
    emit mouseDown(b, static_cast<float>(t.x()), static_cast<float>(t.y()));
}

void PlanWidget::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ == 0) return;
    const QPointF t = toTwips(event->position());
    emit mouseMove(buttonsHeld(event->buttons()), static_cast<float>(t.x()),
                   static_cast<float>(t.y()));
}

void PlanWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int b = buttonNumber(event->button());
    if (b == 0 || b != pressed_) return;
    pressed_ = 0;
    const QPointF t = toTwips(event->position());
    emit mouseUp(b, static_cast<float>(t.x()), static_cast<float>(t.y()));
}

void PlanWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click starts no drag; its release finds nothing to end.
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace voriel

// The drawing board's sheet: twips scaled to the screen's pixels, drawn on an image in memory.
#include "windows/screen_canvas.h"

#include <QString>
#include <QVector>
#include <cmath>

namespace voriel {

namespace {

constexpr double kTwipsPerInch = 1440.0;
const QColor kSheetColour(255, 255, 255);

// Dash patterns in pen widths, as the screen's own dotted and dash-dot pens have them: long
// enough that a dotted line reads as dotted on any screen.
const QVector<qreal> kDotted{3, 3};
const QVector<qreal> kDashDot{9, 6, 3, 6};

// The font sized in pixels of this sheet, so that its measures and its drawing agree whatever
// resolution the image itself claims.
QFont PixelSized(QFont font, double dpiY) {
    if (font.pointSizeF() > 0)
        font.setPixelSize(std::max(1, qRound(font.pointSizeF() * dpiY / 72)));
    return font;
}

bool finite(float v) {
    return std::isfinite(v);
}

}  // namespace

ScreenCanvas::ScreenCanvas(double dpiX, double dpiY, const QFont& font)
    : pxPerTwipX_(dpiX / kTwipsPerInch),
      pxPerTwipY_(dpiY / kTwipsPerInch),
      font_(PixelSized(font, dpiY)),
      metrics_(font_),
      image_(1, 1, QImage::Format_RGB32) {
    image_.fill(kSheetColour);
}

ScreenCanvas::~ScreenCanvas() = default;

void ScreenCanvas::resize(int widthPixels, int heightPixels) {
    widthPixels = std::max(widthPixels, 1);
    heightPixels = std::max(heightPixels, 1);
    if (widthPixels == image_.width() && heightPixels == image_.height()) return;
    endPainting();
    QImage bigger(widthPixels, heightPixels, QImage::Format_RGB32);
    bigger.fill(kSheetColour);
    {
        QPainter copy(&bigger);
        copy.drawImage(0, 0, image_);
    }
    image_.swap(bigger);
}

const QImage& ScreenCanvas::image() {
    endPainting();
    return image_;
}

QPainter& ScreenCanvas::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        painter_->setFont(font_);
        painter_->setCompositionMode(mode_ == DrawMode::Xor
                                         ? QPainter::RasterOp_SourceXorDestination
                                         : QPainter::CompositionMode_SourceOver);
        penDirty_ = true;
    }
    if (penDirty_) applyPen();
    return *painter_;
}

void ScreenCanvas::endPainting() {
    painter_.reset();
}

void ScreenCanvas::applyPen() {
    QPen pen(color_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::FlatCap);
    if (style_ == LineStyle::Dotted) pen.setDashPattern(kDotted);
    if (style_ == LineStyle::DashDot) pen.setDashPattern(kDashDot);
    pen.setDashOffset(patternPos_);
    painter_->setPen(pen);
    penDirty_ = false;
}

QPointF ScreenCanvas::toPixels(float x, float y) const {
    return {x * pxPerTwipX_, y * pxPerTwipY_};
}

void ScreenCanvas::clear() {
    endPainting();
    image_.fill(kSheetColour);
    lastEnd_ = {-1e9, -1e9};
    patternPos_ = 0.0;
    moveTo(0.0f, 0.0f);
}

float ScreenCanvas::scaleWidth() const {
    return static_cast<float>(image_.width() / pxPerTwipX_);
}

float ScreenCanvas::scaleHeight() const {
    return static_cast<float>(image_.height() / pxPerTwipY_);
}

void ScreenCanvas::setColor(int32_t rgb) {
    const QColor c(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    if (c == color_) return;
    color_ = c;
    penDirty_ = true;
}

void ScreenCanvas::setStyle(LineStyle style) {
    if (style == style_) return;
    style_ = style;
    patternPos_ = 0.0;
    penDirty_ = true;
}

void ScreenCanvas::setWidth(int width) {
    width = std::max(width, 1);
    if (width == width_) return;
    width_ = width;
    penDirty_ = true;
}

void ScreenCanvas::setMode(DrawMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    if (painter_)
        painter_->setCompositionMode(mode_ == DrawMode::Xor
                                         ? QPainter::RasterOp_SourceXorDestination
                                         : QPainter::CompositionMode_SourceOver);
}

float ScreenCanvas::textWidth(const std::string& text) const {
    return static_cast<float>(metrics_.horizontalAdvance(QString::fromStdString(text)) /
                              pxPerTwipX_);
}

float ScreenCanvas::textHeight(const std::string&) const {
    return static_cast<float>(metrics_.height() / pxPerTwipY_);
}

void ScreenCanvas::drawLine(float x1, float y1, float x2, float y2) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) return;
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (style_ != LineStyle::Solid) {
        // Carry the pattern on when this segment continues the last one.
        const bool joined =
            std::abs(a.x() - lastEnd_.x()) < 0.5 && std::abs(a.y() - lastEnd_.y()) < 0.5;
        if (!joined) patternPos_ = 0.0;
        penDirty_ = true;  // the pen takes the pattern's offset
        painter().drawLine(a, b);
        patternPos_ += std::hypot(b.x() - a.x(), b.y() - a.y()) / width_;
        lastEnd_ = b;
        return;
    }
    painter().drawLine(a, b);
}

void ScreenCanvas::drawPoint(float x, float y) {
    if (!finite(x) || !finite(y)) return;
    painter().drawPoint(toPixels(x, y));
}

void ScreenCanvas::drawCircle(float x, float y, float r) {
    if (!finite(x) || !finite(y) || !finite(r)) return;
    painter().drawEllipse(toPixels(x, y), std::abs(r) * pxPerTwipX_, std::abs(r) * pxPerTwipY_);
}

void ScreenCanvas::drawText(float x, float y, const std::string& text) {
    if (!finite(x) || !finite(y) || text.empty()) return;
    QPainter& p = painter();
    const QPointF at = toPixels(x, y);
    p.drawText(QPointF(at.x(), at.y() + metrics_.ascent()), QString::fromStdString(text));
}

}  // namespace voriel

// The printer's pages as a Canvas: twips mapped to the printer's resolution, fixed-pitch text.
#include "windows/printer_canvas.h"

#include <QFontMetricsF>
#include <QPen>

namespace voriel {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kCharWidth = 120.0;   // twips: 12 characters per inch
constexpr double kLineHeight = 240.0;  // twips: 6 lines per inch
// One pen width unit on paper: a screen pixel at 150 dots per inch (about 0.17 mm).
constexpr double kPenUnitInch = 1.0 / 150.0;

}  // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer) {
    const double dpi = printer_.resolution();
    pixelsPerTwip_ = dpi / kTwipsPerInch;
    const QRectF area = printer_.pageRect(QPrinter::DevicePixel);
    width_ = static_cast<float>(area.width() / pixelsPerTwip_);
    height_ = static_cast<float>(area.height() / pixelsPerTwip_);
    if (!painter_.begin(&printer_)) {
        fail("The printer could not start the document.");
        return;
    }
    active_ = true;
    painter_.setRenderHint(QPainter::Antialiasing);

    // A fixed-pitch font sized so that one character is exactly kCharWidth twips wide.
    font_ = QFont(QStringLiteral("DejaVu Sans Mono"));
    font_.setStyleHint(QFont::Monospace);
    font_.setFixedPitch(true);
    font_.setPointSizeF(10.0);
    const double advance = QFontMetricsF(font_, &printer_).horizontalAdvance(QLatin1Char('0'));
    if (advance > 0) font_.setPointSizeF(10.0 * kCharWidth * pixelsPerTwip_ / advance);
    painter_.setFont(font_);
    ascent_ = QFontMetricsF(font_, &printer_).ascent();
    applyPen();
}

PrinterCanvas::~PrinterCanvas() {
    if (active_) painter_.end();
}

void PrinterCanvas::fail(const std::string& message) {
    if (error_.empty()) error_ = message;
}

void PrinterCanvas::applyPen() {
    const double unit = printer_.resolution() * kPenUnitInch;
    QPen pen(color_, penWidth_ * unit, style_, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
}

void PrinterCanvas::clear() {
    moveTo(0.0f, 0.0f);  // paper cannot be wiped
}

void PrinterCanvas::setColor(int32_t rgb) {
    color_ = QColor(rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255);
    applyPen();
}

void PrinterCanvas::setStyle(LineStyle style) {
    switch (style) {
        case LineStyle::Dotted:
            style_ = Qt::DotLine;
            break;
        case LineStyle::DashDot:
            style_ = Qt::DashDotLine;
            break;
        default:
            style_ = Qt::SolidLine;
    }
    applyPen();
}

void PrinterCanvas::setWidth(int width) {
    penWidth_ = width < 1 ? 1 : width;
    applyPen();
}

float PrinterCanvas::textWidth(const std::string& text) const {
    return static_cast<float>(kCharWidth * QString::fromStdString(text).toUcs4().size());
}

float PrinterCanvas::textHeight(const std::string&) const {
    return static_cast<float>(kLineHeight);
}

void PrinterCanvas::newPage() {
    if (!active_) return;
    if (!printer_.newPage()) fail("The printer could not start a new page.");
    ++page_;
    moveTo(0.0f, 0.0f);
}

void PrinterCanvas::endDoc() {
    if (!active_) return;
    active_ = false;
    if (!painter_.end()) fail("The printer could not finish the document.");
    if (printer_.printerState() == QPrinter::Error) fail("The printer reported an error.");
    page_ = 1;
}

void PrinterCanvas::drawLine(float x1, float y1, float x2, float y2) {
    if (active_) painter_.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void PrinterCanvas::drawPoint(float x, float y) {
    if (active_) painter_.drawPoint(QPointF(px(x), px(y)));
}

void PrinterCanvas::drawCircle(float x, float y, float r) {
    if (active_) painter_.drawEllipse(QPointF(px(x), px(y)), px(r), px(r));
}

void PrinterCanvas::drawText(float x, float y, const std::string& text) {
    if (active_) painter_.drawText(QPointF(px(x), px(y) + ascent_), QString::fromStdString(text));
}

}  // namespace voriel

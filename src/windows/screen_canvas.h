// The drawing board's sheet: a Canvas that draws on an image kept in memory, so that the drawing
// survives being covered and exclusive-or rubber bands work with raster operations.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <memory>

#include "canvas/canvas.h"

namespace voriel {

class ScreenCanvas : public Canvas {
public:
    // dpiX, dpiY: the screen's logical resolution (1440 twips to the inch); the font draws texts.
    ScreenCanvas(double dpiX, double dpiY, const QFont& font);
    ~ScreenCanvas() override;
    ScreenCanvas(const ScreenCanvas&) = delete;
    ScreenCanvas& operator=(const ScreenCanvas&) = delete;

    // A new size in device pixels: what was drawn stays where it was, new parts are blank.
    void resize(int widthPixels, int heightPixels);
    // The picture as drawn so far (any drawing in progress is finished first).
    const QImage& image();

    void clear() override;
    float scaleWidth() const override;
    float scaleHeight() const override;
    void setColor(int32_t rgb) override;
    void setStyle(LineStyle style) override;
    void setWidth(int width) override;
    void setMode(DrawMode mode) override;
    float textWidth(const std::string& text) const override;
    float textHeight(const std::string& text) const override;

    double pixelsPerTwipX() const { return pxPerTwipX_; }
    double pixelsPerTwipY() const { return pxPerTwipY_; }

protected:
    void drawLine(float x1, float y1, float x2, float y2) override;
    void drawPoint(float x, float y) override;
    void drawCircle(float x, float y, float r) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    QPainter& painter();
    void endPainting();
    void applyPen();
    QPointF toPixels(float x, float y) const;

    double pxPerTwipX_, pxPerTwipY_;
    QFont font_;
    QFontMetricsF metrics_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;  // open while drawing goes on, closed to show the image

    QColor color_{Qt::black};
    LineStyle style_ = LineStyle::Solid;
    int width_ = 1;
    DrawMode mode_ = DrawMode::Copy;
    bool penDirty_ = true;

    // A dotted or dash-dot polyline drawn segment by segment keeps its pattern running across
    // the joints, so that short segments do not each restart on a dash and look solid.
    QPointF lastEnd_{-1e9, -1e9};
    qreal patternPos_ = 0.0;  // in pen widths along the pattern
};

}  // namespace voriel

// The printer's pages as a Canvas: twips mapped to the printer's resolution, fixed-pitch text.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <string>

#include "canvas/canvas.h"

namespace voriel {

// Draws on a QPrinter (a real printer or a PDF file) from the top-left corner of its printable
// area, 1440 twips per inch. Text is set in a fixed-pitch font 120 twips per character with
// lines 240 twips apart, so that print zones line up and pages break where a recording shows
// them. Colours and line styles are the screen's; the exclusive-or mode has no meaning on paper
// and draws as copy. The document starts when the canvas is made and ends with endDoc(); a
// printer that fails sets failed() and error() instead of throwing.
class PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(QPrinter& printer);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    void clear() override;
    float scaleWidth() const override { return width_; }
    float scaleHeight() const override { return height_; }
    void setColor(int32_t rgb) override;
    void setStyle(LineStyle style) override;
    void setWidth(int width) override;
    void setMode(DrawMode) override {}
    float textWidth(const std::string& text) const override;
    float textHeight(const std::string& text) const override;
    void newPage() override;
    void endDoc() override;
    int page() const override { return page_; }

    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

protected:
    void drawLine(float x1, float y1, float x2, float y2) override;
    void drawPoint(float x, float y) override;
    void drawCircle(float x, float y, float r) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    double px(float twips) const { return twips * pixelsPerTwip_; }
    void fail(const std::string& message);
    void applyPen();

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double pixelsPerTwip_ = 1.0;
    double ascent_ = 0.0;  // device pixels from a text line's top to its baseline
    float width_ = 0.0f, height_ = 0.0f;
    QColor color_ = Qt::black;
    Qt::PenStyle style_ = Qt::SolidLine;
    int penWidth_ = 1;
    int page_ = 1;
    bool active_ = false;
    std::string error_;
};

}  // namespace voriel

// The drawing surface every picture is drawn on: the screen's sheet, the printer's pages and the
// recording canvas of the tests.
#pragma once

#include <cstdint>
#include <string>

namespace voriel {

enum class LineStyle : int { Solid = 0, Dotted = 2, DashDot = 3 };
enum class DrawMode { Copy, Xor };

// Coordinates are twips with y downward. Callers compute in double and round to single precision
// when they pass a coordinate, so every surface sees the same numbers. The surface keeps a current
// point, as a picture box or a printer does: figures and texts move it.
class Canvas {
public:
    virtual ~Canvas() = default;

    // The whole surface (or the page) is wiped and the current point goes to (0, 0).
    virtual void clear() = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;

    virtual void setColor(int32_t rgb) = 0;  // r + 256*g + 65536*b
    virtual void setStyle(LineStyle style) = 0;
    virtual void setWidth(int width) = 0;  // pen width in device units, 1 by default
    virtual void setMode(DrawMode mode) = 0;

    // The size a text takes when drawn, in twips.
    virtual float textWidth(const std::string& text) const = 0;
    virtual float textHeight(const std::string& text) const = 0;

    // Printer pages; the screen and a plain recording have one page that never ends.
    virtual void newPage() {}
    virtual void endDoc() {}
    virtual int page() const { return 1; }

    // A segment between two points; the current point moves to its end.
    void line(float x1, float y1, float x2, float y2) {
        drawLine(x1, y1, x2, y2);
        moveTo(x2, y2);
    }
    // A segment from the current point.
    void lineTo(float x, float y) { line(curX_, curY_, x, y); }
    void pset(float x, float y) {
        drawPoint(x, y);
        moveTo(x, y);
    }
    void circle(float x, float y, float r) {
        drawCircle(x, y, r);
        moveTo(x, y);
    }
    // The text with its top-left corner at the current point; the current point moves right past
    // it (a print item followed by ";").
    void textInline(const std::string& text) {
        drawText(curX_, curY_, text);
        moveTo(curX_ + textWidth(text), curY_);
    }
    // The text at the current point, then the current point goes to the start of the next line
    // (x = 0, y one text height lower), as a printed line ends.
    void textLine(const std::string& text) {
        drawText(curX_, curY_, text);
        moveTo(0.0f, curY_ + textHeight(text.empty() ? std::string("0") : text));
    }

    void moveTo(float x, float y) {
        curX_ = x;
        curY_ = y;
    }
    float currentX() const { return curX_; }
    float currentY() const { return curY_; }

protected:
    virtual void drawLine(float x1, float y1, float x2, float y2) = 0;
    virtual void drawPoint(float x, float y) = 0;
    virtual void drawCircle(float x, float y, float r) = 0;
    virtual void drawText(float x, float y, const std::string& text) = 0;

private:
    float curX_ = 0.0f, curY_ = 0.0f;
};

}  // namespace voriel

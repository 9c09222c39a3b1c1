// A canvas that draws nothing and records one line of text per call, for tests and voriel-cli.
#pragma once

#include <string>

#include "canvas/canvas.h"

namespace voriel {

// Fixed text metrics: each character (UTF-8 code point) 120 twips wide, a text 240 twips high.
constexpr float kRecordedCharWidth = 120.0f;
constexpr float kRecordedTextHeight = 240.0f;

// The shortest text that reads back to the same single-precision value ("1500", "-0.5", "1e+20"),
// the same in every locale.
std::string RecordedNumber(float v);

// Records, one line each ended by "\n": "clear", "color R G B", "style N", "width N", "mode copy"
// or "mode xor", "line X1 Y1 X2 Y2", "pset X Y", "circle X Y R", "text X Y \"TEXT\"" (X Y where the
// text starts; a quote or backslash in the text escaped by a backslash, a line feed written \n)
// and "page" for a new page.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(float width = 13800.0f, float height = 7000.0f)
        : width_(width), height_(height) {}

    void setScaleSize(float width, float height) {
        width_ = width;
        height_ = height;
    }
    float scaleWidth() const override { return width_; }
    float scaleHeight() const override { return height_; }

    void clear() override;
    void setColor(int32_t rgb) override;
    void setStyle(LineStyle style) override;
    void setWidth(int width) override;
    void setMode(DrawMode mode) override;
    float textWidth(const std::string& text) const override;
    float textHeight(const std::string& text) const override;
    void newPage() override;

    // Everything recorded so far.
    const std::string& recording() const { return text_; }
    void forget() { text_.clear(); }

protected:
    void drawLine(float x1, float y1, float x2, float y2) override;
    void drawPoint(float x, float y) override;
    void drawCircle(float x, float y, float r) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    void number(float v);

    float width_, height_;
    std::string text_;
};

}  // namespace voriel

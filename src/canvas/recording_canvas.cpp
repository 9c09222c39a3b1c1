// A canvas that draws nothing and records one line of text per call, for tests and voriel-cli.
#include "canvas/recording_canvas.h"

#include <array>
#include <charconv>

namespace voriel {

std::string RecordedNumber(float v) {
    // std::to_chars ignores the locale and gives the shortest round-trip form.
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), res.ptr);
}

void RecordingCanvas::number(float v) {
    text_ += ' ';
    text_ += RecordedNumber(v);
}

void RecordingCanvas::clear() {
    text_ += "clear\n";
    moveTo(0.0f, 0.0f);
}

void RecordingCanvas::setColor(int32_t rgb) {
    text_ += "color " + std::to_string(rgb & 255) + ' ' + std::to_string((rgb >> 8) & 255) + ' ' +
             std::to_string((rgb >> 16) & 255) + '\n';
}

void RecordingCanvas::setStyle(LineStyle style) {
    text_ += "style " + std::to_string(static_cast<int>(style)) + '\n';
}

void RecordingCanvas::setWidth(int width) {
    text_ += "width " + std::to_string(width) + '\n';
}

void RecordingCanvas::setMode(DrawMode mode) {
    text_ += mode == DrawMode::Xor ? "mode xor\n" : "mode copy\n";
}

float RecordingCanvas::textWidth(const std::string& text) const {
    int codePoints = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++codePoints;
    return kRecordedCharWidth * static_cast<float>(codePoints);
}

float RecordingCanvas::textHeight(const std::string&) const {
    return kRecordedTextHeight;
}

void RecordingCanvas::newPage() {
    text_ += "page\n";
    moveTo(0.0f, 0.0f);
}

void RecordingCanvas::drawLine(float x1, float y1, float x2, float y2) {
    text_ += "line";
    number(x1);
    number(y1);
    number(x2);
    number(y2);
    text_ += '\n';
}

void RecordingCanvas::drawPoint(float x, float y) {
    text_ += "pset";
    number(x);
    number(y);
    text_ += '\n';
}

void RecordingCanvas::drawCircle(float x, float y, float r) {
    text_ += "circle";
    number(x);
    number(y);
    number(r);
    text_ += '\n';
}

void RecordingCanvas::drawText(float x, float y, const std::string& text) {
    text_ += "text";
    number(x);
    number(y);
    text_ += " \"";
    for (const char c : text) {
        if (c == '\n') {
            text_ += "\\n";  // one call, one line
            continue;
        }
        if (c == '"' || c == '\\') text_ += '\\';
        text_ += c;
    }
    text_ += "\"\n";
}

}  // namespace voriel

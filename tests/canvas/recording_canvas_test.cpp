// Tests of the recording canvas: one line per call, shortest round-trip numbers, fixed metrics.
#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "hull/hull.h"

namespace voriel {
namespace {

TEST(RecordedNumber, ShortestTextThatReadsBackToTheSameFloat) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, "0"},
        {1500.0f, "1500"},
        {-0.5f, "-0.5"},
        {0.1f, "0.1"},
        {150.00002f, "150.00002"},
        {1e20f, "1e+20"},
        {16777217.0f, "16777216"},  // not a float: the nearest one
        {3.14159265358979f, "3.1415927"},
        {-12345.678f, "-12345.678"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecordedNumber(c.value), c.text) << c.text;
}

TEST(RecordedNumber, EveryFloatReadsBackExactlyWhateverTheLocale) {
    // A decimal-comma locale, where one is installed, must not change the text.
    const bool comma =
        std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> exponent(-8.0, 8.0);
    for (int i = 0; i < 20000; ++i) {
        const float v = static_cast<float>((i % 2 ? -1 : 1) * std::pow(10.0, exponent(rng)));
        const std::string text = RecordedNumber(v);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
    }
    std::setlocale(LC_ALL, "C");
    if (!comma) GTEST_LOG_(INFO) << "no decimal-comma locale installed: checked in C only";
}

TEST(RecordingCanvas, RecordsOneLinePerCallInOrder) {
    RecordingCanvas c(9000.0f, 6000.0f);
    c.clear();
    c.setColor(Rgb(255, 127, 1));
    c.setStyle(LineStyle::DashDot);
    c.setWidth(2);
    c.setMode(DrawMode::Xor);
    c.line(1.5f, 2.0f, 300.0f, -4.25f);
    c.lineTo(10.0f, 20.0f);  // from the end of the line before
    c.pset(7.0f, 8.0f);
    c.lineTo(9.0f, 8.0f);
    c.circle(100.0f, 200.0f, 50.0f);
    c.moveTo(5.0f, 6.0f);  // moving draws nothing
    c.textInline("Fond");
    c.textLine("a \"b\" \\ c\nd");
    c.newPage();
    c.setMode(DrawMode::Copy);
    c.setStyle(LineStyle::Dotted);
    EXPECT_EQ(c.recording(),
              "clear\n"
              "color 255 127 1\n"
              "style 3\n"
              "width 2\n"
              "mode xor\n"
              "line 1.5 2 300 -4.25\n"
              "line 300 -4.25 10 20\n"
              "pset 7 8\n"
              "line 7 8 9 8\n"
              "circle 100 200 50\n"
              "text 5 6 \"Fond\"\n"
              "text 485 6 \"a \\\"b\\\" \\\\ c\\nd\"\n"
              "page\n"
              "mode copy\n"
              "style 2\n");
    EXPECT_EQ(c.scaleWidth(), 9000.0f);
    EXPECT_EQ(c.scaleHeight(), 6000.0f);
    c.setScaleSize(100.0f, 50.0f);
    EXPECT_EQ(c.scaleWidth(), 100.0f);
    EXPECT_EQ(c.scaleHeight(), 50.0f);
}

TEST(RecordingCanvas, ClearAndNewPageReturnTheCurrentPointToTheOrigin) {
    RecordingCanvas c;
    c.line(10.0f, 10.0f, 20.0f, 30.0f);
    c.clear();
    c.lineTo(1.0f, 1.0f);
    c.line(10.0f, 10.0f, 20.0f, 30.0f);
    c.newPage();
    c.lineTo(2.0f, 2.0f);
    EXPECT_EQ(c.recording(),
              "line 10 10 20 30\nclear\nline 0 0 1 1\nline 10 10 20 30\npage\nline 0 0 2 2\n");
}

TEST(RecordingCanvas, TextMetricsCountCodePoints) {
    const RecordingCanvas c;
    const struct {
        const char* text;
        float width;
    } cases[] = {{"", 0.0f},
                 {"0", 120.0f},
                 {"00", 240.0f},
                 {" Bordé", 720.0f},
                 {"Développés", 1200.0f},
                 {"m\xC2\xB3", 240.0f},
                 {"\xE2\x82\xAC"
                  "1",
                  240.0f}};
    for (const auto& t : cases) {
        EXPECT_EQ(c.textWidth(t.text), t.width) << t.text;
        EXPECT_EQ(c.textHeight(t.text), 240.0f) << t.text;
    }
}

TEST(RecordingCanvas, TextLineMovesToTheNextLineAndTextInlineAfterTheText) {
    RecordingCanvas c;
    c.moveTo(100.0f, 1000.0f);
    c.textInline("abc");
    EXPECT_EQ(c.currentX(), 460.0f);
    EXPECT_EQ(c.currentY(), 1000.0f);
    c.textLine("de");
    EXPECT_EQ(c.currentX(), 0.0f);
    EXPECT_EQ(c.currentY(), 1240.0f);
    c.textLine("");
    EXPECT_EQ(c.currentY(), 1480.0f);
    EXPECT_EQ(c.recording(), "text 100 1000 \"abc\"\ntext 460 1000 \"de\"\ntext 0 1240 \"\"\n");
}

}  // namespace
}  // namespace voriel

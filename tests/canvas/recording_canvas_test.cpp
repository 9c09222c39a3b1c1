// Tests of the recording canvas: one line per call, shortest round-trip numbers, fixed metrics.
#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "hull/hull.h"

namespace voriel {
namespace {

TEST(RecordedNumber, ShortestTextThatReadsBackToTheSameFloat) {
    std::string texts;  // 16777217 is not a float: the nearest one is recorded
    for (const float v : {0.0f, 1500.0f, -0.5f, 0.1f, 150.00002f, 1e20f, 16777217.0f,
                          3.14159265358979f, -12345.678f})
        texts += RecordedNumber(v) + " ";
    EXPECT_EQ(texts, "0 1500 -0.5 0.1 150.00002 1e+20 16777216 3.1415927 -12345.678 ");
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

// Every call in order; clear and a new page return the current point to the origin, a text line
// moves it to the start of the next line, an inline text to the end of the text.
TEST(RecordingCanvas, RecordsOneLinePerCallInOrder) {
    RecordingCanvas c(9000.0f, 6000.0f);
    c.line(10.0f, 10.0f, 20.0f, 30.0f);
    c.clear();
    c.lineTo(1.0f, 1.0f);
    c.setColor(Rgb(255, 127, 1));
    c.setStyle(LineStyle::DashDot);
    c.setWidth(2);
    c.setMode(DrawMode::Xor);
    c.line(1.5f, 2.0f, 300.0f, -4.25f);
    c.lineTo(10.0f, 20.0f);  // from the end of the line before
    c.pset(7.0f, 8.0f);
    c.lineTo(9.0f, 8.0f);
    c.circle(100.0f, 200.0f, 50.0f);
    c.moveTo(100.0f, 1000.0f);  // moving draws nothing
    c.textInline("Fond");
    c.textLine("a \"b\" \\ c\nd");
    c.lineTo(2.0f, 2.0f);
    c.newPage();
    c.lineTo(3.0f, 3.0f);
    c.setMode(DrawMode::Copy);
    c.setStyle(LineStyle::Dotted);
    EXPECT_EQ(c.recording(),
              "line 10 10 20 30\nclear\nline 0 0 1 1\n"
              "color 255 127 1\nstyle 3\nwidth 2\nmode xor\n"
              "line 1.5 2 300 -4.25\nline 300 -4.25 10 20\npset 7 8\nline 7 8 9 8\n"
              "circle 100 200 50\n"
              "text 100 1000 \"Fond\"\ntext 580 1000 \"a \\\"b\\\" \\\\ c\\nd\"\n"
              "line 0 1240 2 2\npage\nline 0 0 3 3\nmode copy\nstyle 2\n");
    EXPECT_EQ(std::make_pair(c.scaleWidth(), c.scaleHeight()), std::make_pair(9000.0f, 6000.0f));
    c.setScaleSize(100.0f, 50.0f);
    EXPECT_EQ(std::make_pair(c.scaleWidth(), c.scaleHeight()), std::make_pair(100.0f, 50.0f));
}

TEST(RecordingCanvas, TextMetricsCountCodePoints) {
    const RecordingCanvas c;
    std::string sizes;
    for (const char* text : {"", "0", "00", " Bordé", "Développés", "m³", "€1"})
        sizes += RecordedNumber(c.textWidth(text)) + "x" + RecordedNumber(c.textHeight(text)) + " ";
    EXPECT_EQ(sizes, "0x240 120x240 240x240 720x240 1200x240 240x240 240x240 ");
}

}  // namespace
}  // namespace voriel

// The screen canvas: twips to pixels, colours, line styles, texts, and exclusive-or drawing that
// erases itself.
#include <QApplication>
#include <QtTest>

#include "hull/hull.h"
#include "windows/screen_canvas.h"

using voriel::DrawMode;
using voriel::LineStyle;
using voriel::Rgb;
using voriel::ScreenCanvas;

namespace {

QFont sheetFont() {
    QFont f("DejaVu Sans");
    f.setPointSize(8);
    return f;
}

bool isWhite(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(255, 255, 255);
}

// Something of every kind on the sheet, in the given style and width.
void drawFigures(ScreenCanvas& c, LineStyle style, int width) {
    c.setStyle(style);
    c.setWidth(width);
    c.setColor(Rgb(0, 255, 0));
    c.line(150, 150, 2850, 150);
    c.lineTo(2850, 1350);
    c.lineTo(150, 1350);
    c.lineTo(150, 150);
    c.setColor(Rgb(255, 0, 255));
    c.line(1500, 150, 1500, 1350);
    c.line(150, 750, 2850, 750);
    c.circle(900, 600, 300);
    c.pset(2000, 1000);
    c.moveTo(300, 300);
    c.textInline("Bouchain 1");
}

}  // namespace

class ScreenCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void xorDrawingTwiceLeavesTheSheetAsItWas_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        for (const LineStyle s : {LineStyle::Solid, LineStyle::Dotted, LineStyle::DashDot})
            for (const int w : {1, 2}) QTest::addRow("style %d width %d", int(s), w) << int(s) << w;
    }
    void xorDrawingTwiceLeavesTheSheetAsItWas() {
        QFETCH(int, style);
        QFETCH(int, width);
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(200, 100);
        c.clear();
        // A drawing under the rubber band, in copy mode.
        c.setColor(Rgb(255, 0, 0));
        for (int i = 0; i < 10; ++i) c.line(0, i * 150.0f, 3000, 1500 - i * 150.0f);
        const QImage before = c.image().copy();

        c.setMode(DrawMode::Xor);
        drawFigures(c, LineStyle(style), width);
        QVERIFY(c.image() != before);
        drawFigures(c, LineStyle(style), width);
        QCOMPARE(c.image(), before);
    }

    void twipsBecomePixelsAtTheScreensResolution_data() {
        QTest::addColumn<double>("dpi");
        QTest::newRow("96 dpi") << 96.0;
        QTest::newRow("120 dpi") << 120.0;
        QTest::newRow("192 dpi") << 192.0;
    }
    void twipsBecomePixelsAtTheScreensResolution() {
        QFETCH(double, dpi);
        ScreenCanvas c(dpi, dpi, sheetFont());
        const int px = int(dpi);  // one inch
        c.resize(2 * px, px);
        QCOMPARE(c.scaleWidth(), 2880.0f);
        QCOMPARE(c.scaleHeight(), 1440.0f);
        c.setColor(Rgb(0, 0, 0));
        c.line(0, 720, 1440, 720);  // one inch along the middle
        const QImage& img = c.image();
        const int row = px / 2;
        QVERIFY(!isWhite(img, 1, row));
        QVERIFY(!isWhite(img, px - 2, row));
        QVERIFY(isWhite(img, px + 2, row));
        QVERIFY(isWhite(img, px / 2, row - 3));
    }

    void coloursReadRedGreenBlueFromTheLowByte() {
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(50, 50);
        c.setColor(Rgb(10, 200, 30));
        c.setWidth(3);
        c.line(0, 375, 750, 375);
        QCOMPARE(QColor(c.image().pixel(10, 25)), QColor(10, 200, 30));
    }

    // A dotted polyline of segments two pixels long still shows its gaps: the pattern runs on
    // across the joints instead of starting again on a dash at each one.
    void dottedPolylinesOfShortSegmentsKeepTheirGaps_data() {
        QTest::addColumn<int>("style");
        QTest::newRow("dotted") << int(LineStyle::Dotted);
        QTest::newRow("dash-dot") << int(LineStyle::DashDot);
    }
    void dottedPolylinesOfShortSegmentsKeepTheirGaps() {
        QFETCH(int, style);
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(400, 20);
        c.setStyle(LineStyle(style));
        c.setColor(Rgb(0, 0, 0));
        c.moveTo(0, 150);
        for (int x = 30; x <= 5700; x += 30) c.lineTo(float(x), 150);
        const QImage& img = c.image();
        int inked = 0;
        for (int x = 0; x < 380; ++x) inked += isWhite(img, x, 10) ? 0 : 1;
        QVERIFY2(inked > 380 / 4, qPrintable(QString("%1 pixels inked").arg(inked)));
        QVERIFY2(inked < 380 * 3 / 4, qPrintable(QString("%1 pixels inked").arg(inked)));
    }

    void textsTakeTheFontsMeasuresAndSitBelowRightOfThePoint() {
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(300, 100);
        const float w = c.textWidth("Lines of "), h = c.textHeight("Lines of ");
        QVERIFY(c.textWidth("WWWW") > c.textWidth("iiii"));
        QVERIFY(h > 90 && h < 400);  // an 8-point line is about 11 points high: 220 twips
        c.setColor(Rgb(0, 0, 0));
        c.moveTo(300, 300);
        c.textInline("Lines of ");
        QCOMPARE(c.currentX(), 300 + w);
        // Ink only inside the text's box.
        const QImage& img = c.image();
        int inside = 0, outside = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (isWhite(img, x, y)) continue;
                const bool in = x >= 19 && x <= 21 + w / 15 && y >= 19 && y <= 21 + h / 15;
                (in ? inside : outside) += 1;
            }
        QVERIFY(inside > 10);
        QCOMPARE(outside, 0);
    }

    // A text takes the same twips on any screen, and its ink stays inside what it measures.
    void textsMeasureTheSameTwipsAtEveryResolution() {
        ScreenCanvas low(96, 96, sheetFont()), high(192, 192, sheetFont());
        const std::string t = "Station X=";
        QVERIFY(qAbs(low.textWidth(t) - high.textWidth(t)) < 0.1 * low.textWidth(t));
        QVERIFY(qAbs(low.textHeight(t) - high.textHeight(t)) < 0.15 * low.textHeight(t));
        high.resize(400, 100);
        high.setColor(Rgb(0, 0, 0));
        high.moveTo(0, 0);
        high.textInline(t);
        const QImage& img = high.image();
        int right = 0, bottom = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!isWhite(img, x, y)) right = std::max(right, x), bottom = std::max(bottom, y);
        const double px = 192.0 / 1440;
        QVERIFY(right > 0.8 * high.textWidth(t) * px && right <= high.textWidth(t) * px + 1);
        QVERIFY(bottom > 0.5 * high.textHeight(t) * px && bottom <= high.textHeight(t) * px + 1);
    }

    void resizingKeepsTheDrawingAndClearingWipesIt() {
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(100, 100);
        c.setColor(Rgb(0, 0, 255));
        c.line(0, 0, 1485, 1485);
        c.resize(200, 150);
        QCOMPARE(c.scaleWidth(), 3000.0f);
        QVERIFY(!isWhite(c.image(), 50, 50));
        QVERIFY(isWhite(c.image(), 150, 120));
        c.clear();
        QCOMPARE(c.currentX(), 0.0f);
        QCOMPARE(c.currentY(), 0.0f);
        QImage white(200, 150, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(c.image(), white);
    }

    void figuresFarOffTheSheetOrNotFiniteDrawNothing() {
        ScreenCanvas c(96, 96, sheetFont());
        c.resize(100, 100);
        c.clear();
        const QImage before = c.image().copy();
        c.line(NAN, 0, 100, 100);
        c.line(0, 0, INFINITY, 100);
        c.circle(500, 500, NAN);
        c.line(-1e7f, -1e7f, -1e7f + 10, -1e7f);
        QCOMPARE(c.image(), before);
    }
};

QTEST_MAIN(ScreenCanvasTest)
#include "screen_canvas_test.moc"

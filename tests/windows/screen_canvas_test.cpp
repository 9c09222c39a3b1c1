// The screen canvas: twips to pixels, colours, line styles, texts, and exclusive-or drawing that
// erases itself.
#include <QtTest>
#include <QtWidgets>

#include "hull/hull.h"
#include "windows/screen_canvas.h"

using namespace voriel;

namespace {

// A blank sheet of w x h pixels on a screen of that resolution, texts in the board's font.
std::unique_ptr<ScreenCanvas> Sheet(int dpi, int w, int h) {
    auto c = std::make_unique<ScreenCanvas>(dpi, dpi, QFont("DejaVu Sans", 8));
    c->resize(w, h);
    return c;
}

bool IsWhite(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(255, 255, 255);
}

// The bounding box of the ink on the image (empty when there is none).
QRect Inked(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!IsWhite(img, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// Something of every kind on the sheet, in the given style and width.
void DrawFigures(ScreenCanvas& c, LineStyle style, int width) {
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
    // Every figure, in every style and width, drawn twice leaves the sheet as it was.
    void xorDrawingTwiceLeavesTheSheetAsItWas() {
        for (const LineStyle style : {LineStyle::Solid, LineStyle::Dotted, LineStyle::DashDot})
            for (const int width : {1, 2}) {
                auto sheet = Sheet(96, 200, 100);
                ScreenCanvas& c = *sheet;
                c.setColor(Rgb(255, 0, 0));  // a drawing under the rubber band, in copy mode
                for (int i = 0; i < 10; ++i) c.line(0, i * 150.0f, 3000, 1500 - i * 150.0f);
                const QImage before = c.image().copy();
                c.setMode(DrawMode::Xor);
                DrawFigures(c, style, width);
                QVERIFY(c.image() != before);
                DrawFigures(c, style, width);
                QVERIFY2(c.image() == before, qPrintable(QString::number(int(style))));
            }
    }

    void twipsBecomePixelsAtTheScreensResolution() {
        for (const int px : {96, 120, 192}) {  // dpi: one inch
            auto sheet = Sheet(px, 2 * px, px);
            ScreenCanvas& c = *sheet;
            QCOMPARE(QPointF(c.scaleWidth(), c.scaleHeight()), QPointF(2880, 1440));
            c.setColor(Rgb(0, 0, 0));
            c.line(0, 720, 1440, 720);  // one inch along the middle
            QCOMPARE(Inked(c.image()), QRect(0, px / 2, px + 1, 1).intersected(Inked(c.image())));
            QVERIFY(!IsWhite(c.image(), 1, px / 2) && !IsWhite(c.image(), px - 2, px / 2));
        }
    }

    // A dotted polyline of segments two pixels long still shows its gaps: the pattern runs on
    // across the joints instead of starting again on a dash at each one.
    void dottedPolylinesOfShortSegmentsKeepTheirGaps() {
        for (const LineStyle style : {LineStyle::Dotted, LineStyle::DashDot}) {
            auto sheet = Sheet(96, 400, 20);
            ScreenCanvas& c = *sheet;
            c.setStyle(style);
            c.setColor(Rgb(0, 0, 0));
            c.moveTo(0, 150);
            for (int x = 30; x <= 5700; x += 30) c.lineTo(float(x), 150);
            int inked = 0;
            for (int x = 0; x < 380; ++x) inked += IsWhite(c.image(), x, 10) ? 0 : 1;
            QVERIFY2(inked > 380 / 4 && inked < 380 * 3 / 4, qPrintable(QString::number(inked)));
        }
    }

    // A text takes the font's measures, the same twips on any screen, and sits below and right of
    // the point, its ink inside what it measures.
    void textsTakeTheFontsMeasuresAtEveryResolution() {
        auto lowSheet = Sheet(96, 400, 100), highSheet = Sheet(192, 400, 100);
        ScreenCanvas &low = *lowSheet, &high = *highSheet;
        const std::string t = "Station X=";
        QVERIFY(low.textWidth("WWWW") > low.textWidth("iiii"));
        QVERIFY(low.textHeight(t) > 90 && low.textHeight(t) < 400);  // 8 points: about 220 twips
        QVERIFY(qAbs(low.textWidth(t) - high.textWidth(t)) < 0.1 * low.textWidth(t));
        QVERIFY(qAbs(low.textHeight(t) - high.textHeight(t)) < 0.15 * low.textHeight(t));
        for (ScreenCanvas* c : {&low, &high}) {
            const double px = c == &low ? 96.0 / 1440 : 192.0 / 1440;
            c->setColor(Rgb(0, 0, 0));
            c->moveTo(300, 300);
            c->textInline(t);
            QCOMPARE(c->currentX(), 300 + c->textWidth(t));
            const QRect ink = Inked(c->image());
            const double w = c->textWidth(t) * px, h = c->textHeight(t) * px, at = 300 * px;
            QVERIFY2(ink.left() >= at - 1 && ink.top() >= at - 1, qPrintable(QString::number(px)));
            QVERIFY(ink.right() > at + 0.8 * w && ink.right() <= at + w + 1);
            QVERIFY(ink.bottom() > at + 0.5 * h && ink.bottom() <= at + h + 1);
        }
    }

    // Colours read red, green and blue from the low byte; resizing keeps the drawing, clearing
    // wipes it; figures far off the sheet or not finite draw nothing.
    void coloursResizingClearingAndFiguresOffTheSheet() {
        auto sheet = Sheet(96, 100, 100);
        ScreenCanvas& c = *sheet;
        c.setColor(Rgb(10, 200, 30));
        c.setWidth(3);
        c.line(0, 375, 750, 375);
        QCOMPARE(QColor(c.image().pixel(10, 25)), QColor(10, 200, 30));
        c.clear();
        c.setWidth(1);
        c.setColor(Rgb(0, 0, 255));
        c.line(0, 0, 1485, 1485);
        c.resize(200, 150);
        QCOMPARE(c.scaleWidth(), 3000.0f);
        QCOMPARE(Inked(c.image()), QRect(0, 0, 99, 99));  // kept, and nothing beyond it
        c.clear();
        QCOMPARE(QPointF(c.currentX(), c.currentY()), QPointF(0, 0));
        QCOMPARE(c.image().size(), QSize(200, 150));
        c.line(NAN, 0, 100, 100);
        c.line(0, 0, INFINITY, 100);
        c.circle(500, 500, NAN);
        c.line(-1e7f, -1e7f, -1e7f + 10, -1e7f);
        QCOMPARE(Inked(c.image()), QRect());
    }
};

QTEST_MAIN(ScreenCanvasTest)
#include "screen_canvas_test.moc"

// Prints the curves of form and the GZ curve: each chart laid out at a screen size and drawn on
// the page through an image of three times its resolution, so that texts keep their proportions.
#include "windows/courbes_print.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPainter>
#include <memory>

#include "windows/courbes_charts.h"
#include "windows/printed_document.h"

namespace voriel {

namespace {

constexpr double kLogicalDpi = 96;  // the chart is laid out as on a screen of this resolution
constexpr double kImageScale = 3;   // drawn on the page at three times that

QString tr2(int16_t language, const char* french, const char* english) {
    return QString::fromUtf8(language == 0 ? french : english);
}

// Draws the chart (which the function takes over) into target, in device pixels of the painter.
void paintChart(QPainter& painter, QChart* chart, const QRectF& target, double deviceDpi) {
    QGraphicsScene scene;
    scene.addItem(chart);
    const QSizeF logical = target.size() * (kLogicalDpi / deviceDpi);
    chart->setGeometry(QRectF(QPointF(0, 0), logical));
    QImage image((logical * kImageScale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter imagePainter(&image);
    imagePainter.setRenderHint(QPainter::Antialiasing);
    imagePainter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&imagePainter, QRectF(QPointF(0, 0), image.size()),
                 QRectF(QPointF(0, 0), logical));
    imagePainter.end();
    painter.drawImage(target, image);
}

// The page's header: the program, the hull's name, what K and X are and the date over what the
// page shows; returns its height.
double paintHeader(QPainter& painter, const QRectF& page, const QString& title,
                   const CurvesPrintout& p) {
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    painter.setFont(font);
    const double line = painter.fontMetrics().height();
    const QRectF first(page.left(), page.top(), page.width(), line);
    painter.drawText(first, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Voriel 2000   ") + QString::fromStdString(p.hullName));
    painter.drawText(first, Qt::AlignHCenter | Qt::AlignVCenter,
                     tr2(p.language, "K : point le plus bas de la coque ; X depuis le tableau",
                         "K: the lowest point of the hull; X from the transom"));
    painter.drawText(first, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(p.date));
    font.setBold(true);
    font.setPointSize(12);
    painter.setFont(font);
    const QRectF second(page.left(), first.bottom(), page.width(), painter.fontMetrics().height());
    painter.drawText(second, Qt::AlignLeft | Qt::AlignVCenter, title);
    const double rule = second.bottom() + line * 0.3;
    painter.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));
    return rule - page.top() + line * 0.6;
}

void paintFormPage(QPainter& painter, const QRectF& page, double dpi, const CurvesPrintout& p) {
    const double top =
        paintHeader(painter, page,
                    tr2(p.language, "Courbes de carène de la coque réelle, assiette nulle",
                        "Curves of form of the true hull, level trim"),
                    p);
    const bool landscape = page.width() > page.height();
    const int columns = landscape ? 3 : 2;
    const int rows = static_cast<int>(kFormCurves.size()) / columns;
    const QRectF area(page.left(), page.top() + top, page.width(), page.height() - top);
    const double w = area.width() / columns, h = area.height() / rows, gap = dpi / 12;
    for (std::size_t i = 0; i < kFormCurves.size(); ++i) {
        const int r = static_cast<int>(i) / columns, c = static_cast<int>(i) % columns;
        const QRectF cell(area.left() + c * w, area.top() + r * h, w - gap, h - gap);
        paintChart(painter, MakeFormChart(kFormCurves[i], p.levels, p.language), cell, dpi);
    }
}

void paintGzPage(QPainter& painter, const QRectF& page, double dpi, const CurvesPrintout& p) {
    const double top = paintHeader(
        painter, page,
        tr2(p.language, "Stabilité : bras de levier GZ", "Stability: righting lever GZ"), p);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QString figures =
        p.cross.points.empty()
            ? tr2(p.language, "Pas de courbe GZ : rien ne flotte.", "No GZ curve: nothing floats.")
            : GzFiguresText(p.cross, p.gz, p.language);
    const double textHeight = painter.fontMetrics().lineSpacing() * (figures.count('\n') + 2);
    const double chartHeight = std::min(page.height() - top - textHeight, page.width() * 0.7);
    const QRectF chart(page.left(), page.top() + top, page.width(), chartHeight);
    paintChart(painter, MakeGzChart(p.cross, p.gz, p.language), chart, dpi);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawText(QRectF(page.left(), chart.bottom() + dpi / 8, page.width(), textHeight),
                     Qt::AlignLeft | Qt::AlignTop, figures);
}

std::optional<std::string> paintPages(QPrinter& printer, const CurvesPrintout& p) {
    QPainter painter;
    if (!painter.begin(&printer)) return std::string("The printer could not start the document.");
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const double dpi = printer.resolution();
    paintFormPage(painter, page, dpi, p);
    if (!printer.newPage()) return std::string("The printer could not start a new page.");
    paintGzPage(painter, page, dpi, p);
    if (!painter.end()) return std::string("The printer could not end the document.");
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PrintCurves(QPrinter& printer, const CurvesPrintout& printout) {
    return PrintDocumentOn(printer, [&printout](QPrinter& p) { return paintPages(p, printout); });
}

}  // namespace voriel

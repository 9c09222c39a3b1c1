// Builds the curves window's charts (Qt Charts) and the figures printed under the GZ curve.
#include "windows/courbes_charts.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <string>

#include "text/number_text.h"

namespace voriel {

namespace {

using L = const FormLevel&;

QString tr2(int16_t language, const char* french, const char* english) {
    return QString::fromUtf8(language == 0 ? french : english);
}

QString fixed(double v, int decimals) {
    return QString::fromStdString(
        Format(v, decimals > 0 ? "0." + std::string(decimals, '0') : std::string("0")));
}

QValueAxis* makeAxis(const QString& title, const char* labelFormat) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QString::fromLatin1(labelFormat));
    QFont font = axis->titleFont();
    font.setBold(false);
    axis->setTitleFont(font);
    return axis;
}

// A range around the values with some air, never of zero height.
void fitRange(QValueAxis& axis, double low, double high, bool fromZero) {
    if (fromZero) low = std::min(low, 0.0);
    if (!(high > low)) high = low + 1.0;
    const double air = (high - low) * 0.05;
    axis.setRange(fromZero && low >= 0 ? low : low - air, high + air);
    axis.applyNiceNumbers();
}

QChart* makeChart() {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QScatterSeries* marker(const QString& name, const QColor& colour, double size,
                       QScatterSeries::MarkerShape shape) {
    auto* s = new QScatterSeries;
    s->setName(name);
    s->setColor(colour);
    s->setBorderColor(colour);
    s->setMarkerSize(size);
    s->setMarkerShape(shape);
    return s;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

const std::array<FormCurve, 6> kFormCurves = {{
    {"displacement", "Déplacement en eau douce (kg)", "Displacement in fresh water (kg)", "%.0f",
     true, [](L l) { return l.figures.displacementFresh; }},
    {"KB", "KB au-dessus de K (m)", "KB above K (m)", "%.2f", false,
     [](L l) { return l.figures.KB; }},
    {"KMt", "KMt au-dessus de K (m)", "KMt above K (m)", "%.2f", false,
     [](L l) { return l.figures.KMt; }},
    {"LCF", "LCF depuis le tableau (m)", "LCF from the transom (m)", "%.2f", false,
     [](L l) { return l.figures.LCF; }},
    {"waterplaneArea", "Surface de flottaison (m²)", "Waterplane area (m²)", "%.1f", true,
     [](L l) { return l.figures.waterplaneArea; }},
    {"wettedSurface", "Surface mouillée (m²)", "Wetted surface (m²)", "%.1f", true,
     [](L l) { return l.figures.wettedSurface; }},
}};

std::vector<QPointF> FormCurvePoints(const FormCurve& curve, const std::vector<FormLevel>& levels) {
    std::vector<QPointF> points;
    for (const FormLevel& l : levels)
        if (l.status == ExactStatus::Afloat) points.emplace_back(l.figures.draft, curve.value(l));
    return points;
}

std::vector<QPointF> GzPoints(const CrossCurves& cross, const GzCurve& gz) {
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < cross.points.size() && i < gz.GZ.size(); ++i)
        if (cross.points[i].status == ExactStatus::Afloat)
            points.emplace_back(cross.points[i].heelDeg, gz.GZ[i]);
    return points;
}

QChart* MakeFormChart(const FormCurve& curve, const std::vector<FormLevel>& levels,
                      int16_t language) {
    QChart* chart = makeChart();
    chart->setTitle(tr2(language, curve.french, curve.english));
    chart->legend()->hide();
    auto* series = new QLineSeries;
    series->setObjectName(QString::fromLatin1(curve.name));
    series->setPointsVisible(true);
    series->setPen(QPen(QColor(0, 70, 160), 2));
    const std::vector<QPointF> points = FormCurvePoints(curve, levels);
    double low = 0, high = 0, deepest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        series->append(points[i]);
        low = i == 0 ? points[i].y() : std::min(low, points[i].y());
        high = i == 0 ? points[i].y() : std::max(high, points[i].y());
        deepest = std::max(deepest, points[i].x());
    }
    QValueAxis* x = makeAxis(tr2(language, "Tirant d'eau (m)", "Draft (m)"), "%.2f");
    QValueAxis* y = makeAxis(QString(), curve.labelFormat);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(*chart, series, x, y);
    fitRange(*x, 0, deepest, true);
    fitRange(*y, low, high, curve.fromZero);
    return chart;
}

QChart* MakeGzChart(const CrossCurves& cross, const GzCurve& gz, int16_t language) {
    QChart* chart = makeChart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    QValueAxis* x = makeAxis(tr2(language, "Gîte (°)", "Heel (°)"), "%.0f");
    QValueAxis* y = makeAxis(QStringLiteral("GZ (m)"), "%.2f");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    x->setRange(0, 90);
    x->setTickCount(10);

    auto* zero = new QLineSeries;
    zero->setPen(QPen(Qt::darkGray, 1));
    zero->append(0, 0);
    zero->append(90, 0);
    attach(*chart, zero, x, y);

    auto* curve = new QLineSeries;
    curve->setObjectName(QStringLiteral("GZ"));
    curve->setName(QStringLiteral("GZ"));
    curve->setPointsVisible(true);
    curve->setPen(QPen(QColor(0, 70, 160), 2));
    QScatterSeries* deck = marker(tr2(language, "Livet dans l'eau", "Deck edge under water"),
                                  QColor(230, 120, 0), 9, QScatterSeries::MarkerShapeRectangle);
    deck->setObjectName(QStringLiteral("deck"));
    double low = 0, high = 0;
    for (const QPointF& p : GzPoints(cross, gz)) {
        curve->append(p);
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    for (std::size_t i = 0; i < cross.points.size() && i < gz.GZ.size(); ++i)
        if (cross.points[i].status == ExactStatus::Afloat && cross.points[i].deckImmersed)
            deck->append(cross.points[i].heelDeg, gz.GZ[i]);
    attach(*chart, curve, x, y);
    if (deck->count() > 0)
        attach(*chart, deck, x, y);
    else
        delete deck;
    if (curve->count() > 0 && gz.maxGZ > 0) {
        QScatterSeries* best = marker(tr2(language, "GZ maximal", "Greatest GZ"), QColor(0, 150, 0),
                                      12, QScatterSeries::MarkerShapeCircle);
        best->setObjectName(QStringLiteral("maxGZ"));
        best->append(gz.angleOfMaxGZ, gz.maxGZ);
        attach(*chart, best, x, y);
    }
    if (gz.vanishingAngle && *gz.vanishingAngle > 0) {
        QScatterSeries* vanish =
            marker(tr2(language, "Angle de chavirement", "Angle of vanishing stability"),
                   QColor(200, 0, 0), 12, QScatterSeries::MarkerShapeCircle);
        vanish->setObjectName(QStringLiteral("vanishing"));
        vanish->append(*gz.vanishingAngle, 0);
        attach(*chart, vanish, x, y);
    }
    fitRange(*y, low, high, true);
    // The zero line and the markers of one point say nothing in the legend.
    for (QLegendMarker* m : chart->legend()->markers(zero)) m->setVisible(false);
    return chart;
}

QString GzFiguresText(const CrossCurves& cross, const GzCurve& gz, int16_t language) {
    const bool fr = language == 0;
    QString text = tr2(language, "Déplacement ", "Displacement ") + fixed(cross.volume, 3) +
                   " m³ (" + fixed(cross.volume * kFreshWater, 0) +
                   tr2(language, " kg en eau douce), assiette ", " kg in fresh water), trim ") +
                   fixed(cross.pitch * 180 / 3.14159265358979323846, 1) + "°, KG " +
                   fixed(gz.KG, 3) + tr2(language, " m au-dessus de K", " m above K");
    if (GzPoints(cross, gz).empty()) return text;
    text += "\n" + tr2(language, "GZ maximal : ", "Greatest GZ: ") + fixed(gz.maxGZ, 3) + " m " +
            tr2(language, "à ", "at ") + fixed(gz.angleOfMaxGZ, 1) + "°";
    text += "\n" + tr2(language, "Angle de chavirement : ", "Angle of vanishing stability: ");
    if (!gz.vanishingAngle)
        text += tr2(language, "au-delà de 90°", "beyond 90°");
    else if (*gz.vanishingAngle <= 0)
        text += tr2(language, "aucun, GZ n'est jamais positif : instable avec ce KG",
                    "none, GZ is never positive: unstable with this KG");
    else
        text += fixed(*gz.vanishingAngle, 1) + "°";
    text += "\n" + tr2(language, "Aire sous GZ : ", "Area under GZ: ") + fixed(gz.area30, 4) +
            (fr ? " m·rad jusqu'à 30°, " : " m·rad up to 30°, ") + fixed(gz.area40, 4) +
            (fr ? " m·rad jusqu'à 40°" : " m·rad up to 40°");
    for (const HeelPoint& p : cross.points)
        if (p.status == ExactStatus::Afloat && p.deckImmersed) {
            text += "\n" + tr2(language, "Livet dans l'eau dès ", "Deck edge under water from ") +
                    fixed(p.heelDeg, 0) + tr2(language, "° de gîte", "° of heel");
            break;
        }
    if (!gz.complete)
        text += "\n" + tr2(language, "Certains angles n'ont pas pu flotter : courbe incomplète",
                           "Some angles could not float: the curve is incomplete");
    return text;
}

}  // namespace voriel

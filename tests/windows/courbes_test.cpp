// The curves window: captions in both languages, the charts holding the core's curves of form and
// GZ curve, the KG entry and its refusals, the curves following the hull and the hydrostatics
// window, and printing through a fake print dialog to a PDF file.
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "hydro/curves_of_form.h"
#include "hydro/stability.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"
#include "text/number_text.h"
#include "windows/courbes.h"
#include "windows/entry_box.h"
#include "windows/expected_captions.h"
#include "windows/fake_print_dialogs.h"
#include "windows/hydro1.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

using Points = std::vector<QPointF>;

// Each curve of form by its chart's name, read from the core's levels on its own.
struct ExpectedCurve {
    const char* view;
    double (*value)(const FormLevel&);
};
const ExpectedCurve kCurves[] = {
    {"Chart_displacement", [](const FormLevel& l) { return l.figures.displacementFresh; }},
    {"Chart_KB", [](const FormLevel& l) { return l.figures.KB; }},
    {"Chart_KMt", [](const FormLevel& l) { return l.figures.KMt; }},
    {"Chart_LCF", [](const FormLevel& l) { return l.figures.LCF; }},
    {"Chart_waterplaneArea", [](const FormLevel& l) { return l.figures.waterplaneArea; }},
    {"Chart_wettedSurface", [](const FormLevel& l) { return l.figures.wettedSurface; }},
};

// The core's curve of form over the drafts where the hull floats.
Points ExpectedForm(const Hull& hull, double (*value)(const FormLevel&)) {
    Points out;
    for (const FormLevel& l : ComputeCurvesOfForm(BuildExactHull(hull)))
        if (l.status == ExactStatus::Afloat) out.emplace_back(l.figures.draft, value(l));
    return out;
}

// The points of the chart's line series (the one named `series`, or the only line).
Points SeriesPoints(QWidget& window, const char* view, const char* series = nullptr) {
    for (QAbstractSeries* s : Child<QChartView>(window, view)->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        if (line && (series == nullptr || line->objectName() == QLatin1String(series))) {
            const QList<QPointF> points = line->points();
            return Points(points.begin(), points.end());
        }
    }
    return {};
}

// How the points shown differ from the expected ones; empty when they are the same.
QString Differences(const Points& shown, const Points& expected) {
    if (shown.size() != expected.size())
        return QStringLiteral("%1 points instead of %2").arg(shown.size()).arg(expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (std::fabs(shown[i].x() - expected[i].x()) > 1e-12 ||
            std::fabs(shown[i].y() - expected[i].y()) > 1e-9 * (1 + std::fabs(expected[i].y())))
            return QStringLiteral("point %1 differs").arg(i);
    return {};
}

// The core's GZ curve at the hydrostatics window's displacement and trim.
Points ExpectedGz(const Document& doc, double kg) {
    const ExactHull x = BuildExactHull(doc.hull);
    const CrossCurves cross = ComputeCrossCurves(x, doc.hydro.Volume, doc.hydro.PitchAngle);
    const GzCurve gz = ComputeGz(x, cross, kg);
    Points out;
    for (std::size_t i = 0; i < cross.points.size(); ++i)
        if (cross.points[i].status == ExactStatus::Afloat)
            out.emplace_back(cross.points[i].heelDeg, gz.GZ[i]);
    return out;
}

}  // namespace

class CourbesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = DefaultHarness();
        WalkToRedrawnBoard(*h_);
        h_->windows.hydro1().activate();
        print_ = FakePrintDialogs{};
        curves_ = &h_->windows.courbes();
        curves_->setPrintDialogs(print_);
        curves_->activate();
    }
    void cleanup() { h_.reset(); }

    void captions_data() { AddLanguageRows(); }
    void captions() {
        const std::string wrong = CaptionsShownWrong(*h_, *curves_, kCurvesCaptions);
        QVERIFY2(wrong.empty(), wrong.c_str());
        QFETCH(int, language);
        QCOMPARE(Child<QChartView>(*curves_, "Chart_KB")->chart()->title(),
                 QString::fromUtf8(language == 0 ? "KB au-dessus de K (m)" : "KB above K (m)"));
        QVERIFY(CaptionOf(*curves_, "GzFigures")
                    .startsWith(language == 0 ? "Déplacement " : "Displacement "));
    }

    void formChartsHoldTheCoresCurves() {
        for (const ExpectedCurve& c : kCurves) {
            const Points expected = ExpectedForm(h_->doc.hull, c.value);
            QVERIFY(expected.size() >= 18);
            QCOMPARE(Differences(SeriesPoints(*curves_, c.view), expected), QString());
        }
    }

    // The first KG is the upright draft; each KG typed draws the core's GZ for it.
    void gzChartHoldsTheCoresCurveForEachKg() {
        const double first = Val(BoxText(*curves_, "KG").toStdString());
        QVERIFY(first > 0);
        QCOMPARE(gzWrong(first), QString());
        Type(*curves_, "KG", "0,35");
        QTest::keyClick(Child(*curves_, "KG"), Qt::Key_Return);
        QCOMPARE(BoxText(*curves_, "KG"), QString("0.350"));
        QCOMPARE(gzWrong(0.35), QString());
        QVERIFY(CaptionOf(*curves_, "GzFigures").contains("KG 0.350 m"));
        Type(*curves_, "KG", "0.1");
        Click(*curves_, "Tracer");
        QCOMPARE(gzWrong(0.1), QString());
    }

    void aRefusedKgKeepsTheCurveAndSaysWhy_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("french");
        QTest::newRow("letters") << "abc"
                                 << "Valeur non valable pour KG : \"abc\"";
        QTest::newRow("empty") << ""
                               << "Valeur non valable pour KG : \"\"";
        QTest::newRow("trailing") << "0.3m"
                                  << "Valeur non valable pour KG : \"0.3m\"";
        QTest::newRow("overflow") << "1e999"
                                  << "Valeur non valable pour KG : \"1e999\"";
        QTest::newRow("not a number") << "nan"
                                      << "Valeur non valable pour KG : \"nan\"";
        QTest::newRow("beyond the length") << "6,5"
                                           << "KG hors limites : \"6,5\"";
        QTest::newRow("far below") << "-7"
                                   << "KG hors limites : \"-7\"";
    }
    void aRefusedKgKeepsTheCurveAndSaysWhy() {
        QFETCH(QString, typed);
        QFETCH(QString, french);
        Type(*curves_, "KG", "0.3");
        Click(*curves_, "Tracer");
        const Points before = SeriesPoints(*curves_, "Chart_GZ", "GZ");
        const QString figures = CaptionOf(*curves_, "GzFigures");
        Type(*curves_, "KG", typed);
        QTest::keyClick(Child(*curves_, "KG"), Qt::Key_Return);
        Click(*curves_, "Tracer");
        QVERIFY(Child<QLabel>(*curves_, "KgMessage")->isVisible());
        QVERIFY2(CaptionOf(*curves_, "KgMessage").startsWith(french),
                 qPrintable(CaptionOf(*curves_, "KgMessage")));
        QCOMPARE(BoxColour(*Child<QLineEdit>(*curves_, "KG")), kBoxRefused);
        QCOMPARE(Differences(SeriesPoints(*curves_, "Chart_GZ", "GZ"), before), QString());
        QCOMPARE(CaptionOf(*curves_, "GzFigures"), figures);
        QVERIFY(h_->dialogs.messages.empty());  // said in the window, no message box
        // Said again in the other language; then a good entry clears it.
        h_->doc.hull.Language = 1;
        curves_->activate();
        QVERIFY(CaptionOf(*curves_, "KgMessage").startsWith("KG") ||
                CaptionOf(*curves_, "KgMessage").startsWith("Invalid value for KG"));
        Type(*curves_, "KG", "0.2");
        Click(*curves_, "Tracer");
        QVERIFY(!Child<QLabel>(*curves_, "KgMessage")->isVisible());
        QCOMPARE(BoxColour(*Child<QLineEdit>(*curves_, "KG")), kBoxWhite);
        QCOMPARE(gzWrong(0.2), QString());
    }

    // A new displacement in the hydrostatics window: the GZ curve follows it.
    void gzFollowsTheHydrostaticsWindow() {
        Hydro1& hydro = h_->windows.hydro1();
        Type(*curves_, "KG", "0.3");
        Click(*curves_, "Tracer");
        Type(hydro, "Text1_0", "1.5");
        Click(hydro, "Option1_0");
        QVERIFY(qAbs(h_->doc.hydro.Volume - 1.5) < 1e-3);
        QCOMPARE(gzWrong(0.3), QString());
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("Déplacement 1.500 m³"));

        // Nothing afloat: no curve, and the window says so.
        Type(hydro, "Text1_1", "-2");
        Click(hydro, "Option1_1");
        QVERIFY(SeriesPoints(*curves_, "Chart_GZ", "GZ").empty());
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("Pas de courbe GZ"));
        h_->doc.hull.Language = 1;
        curves_->activate();
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("No GZ curve"));
    }

    // Another hull validated on the chine-1 screen: the curves are the new hull's.
    void curvesFollowTheHull() {
        const Points before = SeriesPoints(*curves_, "Chart_displacement");
        Bouchain1& screen = h_->windows.bouchain1();
        screen.activate();
        Type(screen, "Text1_2", "1.1");
        Click(screen, "valider");
        curves_->activate();
        const Points expected = ExpectedForm(h_->doc.hull, kCurves[0].value);
        QCOMPARE(Differences(SeriesPoints(*curves_, "Chart_displacement"), expected), QString());
        QVERIFY(!Differences(before, expected).isEmpty());
    }

    // Two pages, the KG in the box printed even without Enter; the figures as the window shows.
    void printsTwoPagesThroughTheDialog() {
        TempDir dir;
        print_.pdf = dir / "curves.pdf";
        Type(*curves_, "KG", "0,25");
        Click(*curves_, "Imprimer");
        QCOMPARE(print_.titles.size(), std::size_t{1});
        QVERIFY2(h_->dialogs.messages.empty(),
                 h_->dialogs.messages.empty() ? "" : h_->dialogs.messages[0].text.c_str());
        QCOMPARE(PdfPages(dir / "curves.pdf"), 2);
        const std::string text = PdfPageText(dir / "curves.pdf", 2);
        QVERIFY2(text.find("KG 0.250 m") != std::string::npos, text.c_str());
        QVERIFY(text.find("GZ maximal") != std::string::npos);
        QCOMPARE(h_->dialogs.waitDepth, 0);
    }

    void aCancelledOrFailedPrintWritesNothing() {
        TempDir dir;
        print_.pdf = dir / "curves.pdf";
        print_.accept = false;
        Click(*curves_, "Imprimer");
        QVERIFY(dir.entries().empty());
        QVERIFY(h_->dialogs.messages.empty());
        print_.accept = true;
        print_.pdf = dir / "missing/curves.pdf";
        Click(*curves_, "Imprimer");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(h_->dialogs.messages[0].title, std::string("Voriel2000 Printing curves"));
        QVERIFY(h_->dialogs.messages[0].text.find("missing") != std::string::npos);
        QVERIFY(dir.entries().empty());
    }

private:
    // How the GZ chart differs from the core's curve for the KG; empty when it is the core's.
    QString gzWrong(double kg) {
        return Differences(SeriesPoints(*curves_, "Chart_GZ", "GZ"), ExpectedGz(h_->doc, kg));
    }

    std::unique_ptr<Harness> h_;
    Courbes* curves_ = nullptr;
    FakePrintDialogs print_;
};

QTEST_MAIN(CourbesTest)
#include "courbes_test.moc"

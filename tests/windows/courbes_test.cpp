// The curves window: captions in both languages, the charts holding the core's curves of form and
// GZ curve, the KG entry and its refusals, the curves following the hull and the hydrostatics
// window, and printing through a fake print dialog to a PDF file.
#include <QtCharts>

#include "hydro/curves_of_form.h"
#include "hydro/stability.h"
#include "support/pdf_tools.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

using Points = QList<QPointF>;

// Each curve of form by its chart's name, read from the core's levels on its own.
using Figure = double ExactFigures::*;
const std::pair<const char*, Figure> kCurves[] = {
    {"Chart_displacement", &ExactFigures::displacementFresh},
    {"Chart_KB", &ExactFigures::KB},
    {"Chart_KMt", &ExactFigures::KMt},
    {"Chart_LCF", &ExactFigures::LCF},
    {"Chart_waterplaneArea", &ExactFigures::waterplaneArea},
    {"Chart_wettedSurface", &ExactFigures::wettedSurface}};

// The core's curve of form over the drafts where the hull floats.
Points CoreForm(const Hull& hull, Figure value) {
    Points out;
    for (const FormLevel& l : ComputeCurvesOfForm(BuildExactHull(hull)))
        if (l.status == ExactStatus::Afloat) out.emplace_back(l.figures.draft, l.figures.*value);
    return out;
}

// The points of the chart's line series (the one named `series`, or the only line).
Points SeriesPoints(QWidget& window, const char* view, const char* series = nullptr) {
    for (QAbstractSeries* s : Child<QChartView>(window, view)->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        if (line && (series == nullptr || line->objectName() == QLatin1String(series)))
            return line->points();
    }
    return {};
}

}  // namespace

// One harness for the whole run (the window's curves take a while to compute): each test starts
// from the French captions, the default hull and the hydrostatics' first displacement; the tests
// that change the hull or the displacement come last.
class CourbesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        h_ = std::make_unique<Harness>();
        WalkToRedrawnBoard(*h_);
        h_->windows.hydro1().activate();
        hydro_ = h_->doc.hydro;
        curves_ = &h_->windows.courbes();
        curves_->setPrintDialogs(print_);
        curves_->activate();
        exact_ = BuildExactHull(h_->doc.hull);
    }
    void init() {
        h_->doc.hull.Language = 0;
        h_->doc.hydro = hydro_;
        curves_->activate();
        h_->dialogs = FakeDialogs{};
        print_ = FakePrintDialogs{};
    }
    void cleanupTestCase() { h_.reset(); }

    void captionsInBothLanguages() {
        for (const int language : {0, 1}) {
            h_->doc.hull.Language = int16_t(language);
            curves_->activate();
            VERIFY_CAPTIONS(*curves_, "courbes", language);
            QCOMPARE(Child<QChartView>(*curves_, "Chart_KB")->chart()->title(),
                     QString::fromUtf8(language == 0 ? "KB au-dessus de K (m)" : "KB above K (m)"));
            QVERIFY(CaptionOf(*curves_, "GzFigures")
                        .startsWith(language == 0 ? "Déplacement " : "Displacement "));
        }
    }

    // First of all: the first KG is the upright draft; each KG typed (Enter or Tracer) draws the
    // core's GZ for it; each refused KG keeps the curve and says why in the window, in its
    // language; a good entry clears the refusal.
    void gzChartHoldsTheCoresCurveForEachGoodKg() {
        const double first = Val(BoxText(*curves_, "KG").toStdString());
        QVERIFY(first > 0);
        QCOMPARE(gz(), coreGz(first));
        Enter(*curves_, "KG", "0,35");
        QCOMPARE(BoxText(*curves_, "KG"), QString("0.350"));
        QCOMPARE(gz(), coreGz(0.35));
        const Points before = gz();
        const QString figures = CaptionOf(*curves_, "GzFigures");
        QVERIFY(figures.contains("KG 0.350 m"));
        // golden/windows/kg_refused.txt: not numbers, then beyond the length either way, and
        // what the window says of each.
        for (const QStringList& r : Rows("windows/kg_refused", 2)) {
            Enter(*curves_, "KG", r[0]);
            Click(*curves_, "Tracer");
            QVERIFY(Child<QLabel>(*curves_, "KgMessage")->isVisible());
            QVERIFY2(CaptionOf(*curves_, "KgMessage").startsWith(r[1]), qPrintable(r[0]));
            QCOMPARE(BoxColour(*Child<QLineEdit>(*curves_, "KG")), kBoxRefused);
            QCOMPARE(gz(), before);
            QCOMPARE(CaptionOf(*curves_, "GzFigures"), figures);
        }
        QVERIFY(h_->dialogs.messages.empty());  // said in the window, no message box
        h_->doc.hull.Language = 1;
        curves_->activate();
        QVERIFY(CaptionOf(*curves_, "KgMessage").startsWith("KG out of range"));
        Type(*curves_, "KG", "0.1");
        Click(*curves_, "Tracer");
        QVERIFY(!Child<QLabel>(*curves_, "KgMessage")->isVisible());
        QCOMPARE(BoxColour(*Child<QLineEdit>(*curves_, "KG")), kBoxWhite);
        QCOMPARE(gz(), coreGz(0.1));
    }

    // Two pages, the KG in the box printed even without Enter; a cancel writes nothing, a
    // failure is said under the command's title and leaves no file.
    void printsTwoPagesThroughTheDialog() {
        TempDir dir;
        print_.pdf = dir / "curves.pdf";
        Type(*curves_, "KG", "0,25");
        Click(*curves_, "Imprimer");
        QCOMPARE(PdfPages(dir / "curves.pdf"), 2);
        const std::string text = PdfPageText(dir / "curves.pdf", 2);
        QVERIFY2(text.find("KG 0.250 m") != std::string::npos, text.c_str());
        QVERIFY(text.find("GZ maximal") != std::string::npos);
        QVERIFY(h_->dialogs.messages.empty());

        TempDir other;
        for (const bool accept : {false, true}) {
            print_.accept = accept;
            print_.pdf = other / (accept ? "missing/curves.pdf" : "curves.pdf");
            Click(*curves_, "Imprimer");
            QVERIFY(accept ? h_->dialogs.saidOnce("Voriel2000 Printing curves", "missing")
                           : h_->dialogs.messages.empty());
            QVERIFY(other.entries().empty() && h_->dialogs.waitDepth == 0);
        }
    }

    // Last: the charts hold the core's curves of form. A new displacement in the hydrostatics
    // window: the GZ curve follows it; nothing afloat: no curve, and the window says so. Another
    // hull validated on the chine-1 screen: the charts hold the new hull's curves.
    void theCurvesFollowTheHydrostaticsAndTheHull() {
        for (const auto& [view, value] : kCurves) {
            const Points expected = CoreForm(h_->doc.hull, value);
            QVERIFY(expected.size() >= 18);
            QCOMPARE(SeriesPoints(*curves_, view), expected);
        }
        Hydro1& hydro = h_->windows.hydro1();
        Type(*curves_, "KG", "0.3");
        Click(*curves_, "Tracer");
        Type(hydro, "Text1_0", "1.5");
        Click(hydro, "Option1_0");
        QCOMPARE(gz(), coreGz(0.3));
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("Déplacement 1.500 m³"));
        Type(hydro, "Text1_1", "-2");
        Click(hydro, "Option1_1");
        QVERIFY(gz().empty());
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("Pas de courbe GZ"));
        h_->doc.hull.Language = 1;
        curves_->activate();
        QVERIFY(CaptionOf(*curves_, "GzFigures").startsWith("No GZ curve"));

        const Points before = SeriesPoints(*curves_, "Chart_displacement");
        h_->windows.bouchain1().activate();
        Type(h_->windows.bouchain1(), "Text1_2", "1.1");
        Click(h_->windows.bouchain1(), "valider");
        curves_->activate();
        const Points expected = CoreForm(h_->doc.hull, kCurves[0].second);
        QCOMPARE(SeriesPoints(*curves_, "Chart_displacement"), expected);
        QVERIFY(before != expected);
    }

private:
    Points gz() { return SeriesPoints(*curves_, "Chart_GZ", "GZ"); }
    // GZ = KN - KG sin(heel) over the core's cross curves at the hydrostatics window's
    // displacement and trim. The cross curves (the slow part) are computed again only when the
    // displacement changed.
    Points coreGz(double kg) {
        const HydroState& w = h_->doc.hydro;
        if (cross_.points.empty() || cross_.volume != w.Volume || cross_.pitch != w.PitchAngle)
            cross_ = ComputeCrossCurves(exact_, w.Volume, w.PitchAngle);
        Points core;
        for (const HeelPoint& p : cross_.points)
            if (p.status == ExactStatus::Afloat)
                core.emplace_back(p.heelDeg, p.KN - kg * std::sin(p.heelDeg * kHydroPi / 180));
        return core;
    }

    std::unique_ptr<Harness> h_;
    HydroState hydro_;
    Courbes* curves_ = nullptr;
    FakePrintDialogs print_;
    ExactHull exact_;    // the default hull's
    CrossCurves cross_;  // the core's, at cross_.volume and cross_.pitch
};

QTEST_MAIN(CourbesTest)
#include "courbes_test.moc"

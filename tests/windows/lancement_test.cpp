// The start window: its captions before and after a language is chosen, Begin, and the default
// hull put back whenever it is shown.
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "windows/dessin.h"
#include "windows/expected_captions.h"
#include "windows/lancement.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

Hull DefaultHull() {
    Hull h;
    SetDefaultHull(h);
    return h;
}

// A hull plainly not the default one, as a builder leaves it after some work.
void Spoil(Hull& h) {
    h.XFwd[0] = 9.5;
    h.YMax[1] = 1.2;
    h.PlankAngle[2] = 44;
    h.HullFileName = "DORIS";
    h.PanelDensity[0] = 30;
}

void CompareWithDefault(const Hull& h) {
    const Hull d = DefaultHull();
    QCOMPARE(h.XFwd, d.XFwd);
    QCOMPARE(h.YMax, d.YMax);
    QCOMPARE(h.PlankAngle, d.PlankAngle);
    QCOMPARE(h.HullFileName, d.HullFileName);
    QCOMPARE(h.PanelDensity, d.PanelDensity);
}

}  // namespace

class LancementTest : public QObject {
    Q_OBJECT

private slots:
    void init() { h_ = std::make_unique<Harness>(); }
    void cleanup() { h_.reset(); }

    void bothLanguagesOfferedBeforeAChoice() {
        Lancement& start = h_->windows.lancement();
        start.activate();
        QCOMPARE(CaptionOf(start, "CREATE"), QString("DEBUTER, begin"));
        QCOMPARE(CaptionOf(start, "CANCEL"), QString("TERMINER, end"));
        QCOMPARE(CaptionOf(start, "Language_0"), QString::fromUtf8("Français"));
        QCOMPARE(CaptionOf(start, "Language_1"), QString("English"));
        QCOMPARE(h_->doc.hull.Language, int16_t{0});
    }

    void captionsFollowTheLanguageClicked_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("French") << 0;
        QTest::newRow("English") << 1;
    }
    void captionsFollowTheLanguageClicked() {
        QFETCH(int, language);
        Lancement& start = h_->windows.lancement();
        start.activate();
        // Through the other language first, so that the captions really change.
        Click(start, language == 0 ? "Language_1" : "Language_0");
        Click(start, language == 0 ? "Language_0" : "Language_1");
        QCOMPARE(h_->doc.hull.Language, int16_t(language));
        QVERIFY2(CaptionMismatches(start, kStartCaptions, language).empty(),
                 Joined(CaptionMismatches(start, kStartCaptions, language)).c_str());
        // Shown again later, it keeps the language chosen.
        start.hide();
        start.activate();
        QVERIFY(CaptionMismatches(start, kStartCaptions, language).empty());
        QVERIFY(
            Child<QRadioButton>(start, language == 0 ? "Language_0" : "Language_1")->isChecked());
    }

    void beginOpensTheBoardAndTheChine1Screen_data() {
        QTest::addColumn<int>("language");  // -1: Begin without a choice
        QTest::addColumn<QString>("title");
        QTest::newRow("no choice") << -1 << "Voriel2000  -  Nouvelle voriel : VORIEL2000";
        QTest::newRow("French") << 0 << "Voriel2000  -  Nouvelle voriel : VORIEL2000";
        QTest::newRow("English") << 1 << "Voriel2000  -  New Hull : VORIEL2000";
    }
    void beginOpensTheBoardAndTheChine1Screen() {
        QFETCH(int, language);
        QFETCH(QString, title);
        Lancement& start = h_->windows.lancement();
        start.activate();
        if (language >= 0) Click(start, language == 0 ? "Language_0" : "Language_1");
        Click(start, "CREATE");
        QVERIFY(!start.isVisible());
        QVERIFY(h_->windows.hasDessin());
        Dessin& board = h_->windows.dessin();
        QVERIFY(board.isVisible());
        QCOMPARE(board.windowTitle(), title);
        QWidget* chine1 = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "bouchain1") chine1 = w;
        QVERIFY(chine1 != nullptr && chine1->isVisible());
        QCOMPARE(CaptionOf(*chine1, "window"),
                 QString(language == 1 ? "  Chine 1" : "  Bouchain 1"));
    }

    // Loading, activate() and a real activation each put the default hull back.
    void showingItRestoresTheDefaultHull() {
        Lancement& start = h_->windows.lancement();
        CompareWithDefault(h_->doc.hull);  // loading the window
        Spoil(h_->doc.hull);
        start.activate();
        CompareWithDefault(h_->doc.hull);

        QVERIFY(Activate(start));
        QWidget other;
        QVERIFY(Activate(other));
        Spoil(h_->doc.hull);
        QVERIFY(Activate(start));
        CompareWithDefault(h_->doc.hull);
    }

    // The language is the builder's choice, not part of the default hull.
    void theDefaultHullKeepsTheLanguage() {
        Lancement& start = h_->windows.lancement();
        start.activate();
        Click(start, "Language_1");
        start.activate();
        QCOMPARE(h_->doc.hull.Language, int16_t{1});
    }

    void centredOnTheScreen() {
        Lancement& start = h_->windows.lancement();
        start.activate();
        const QRect area = start.screen()->availableGeometry();
        const QPoint offset = start.frameGeometry().center() - area.center();
        QVERIFY2(offset.manhattanLength() <= 40,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        QVERIFY(start.width() >= start.minimumSizeHint().width());
    }

private:
    std::unique_ptr<Harness> h_;
};

QTEST_MAIN(LancementTest)
#include "lancement_test.moc"

// The start window: its captions before and after a language is chosen, its place on the screen,
// and the default hull put back whenever it is shown. (Begin is the flow test's first step.)
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "windows/lancement.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

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

    void captionsFollowTheLanguageClicked_data() { AddLanguageRows(); }
    void captionsFollowTheLanguageClicked() {
        QFETCH(int, language);
        Lancement& start = h_->windows.lancement();
        start.activate();
        // Through the other language first, so that the captions really change.
        Click(start, language == 0 ? "Language_1" : "Language_0");
        Click(start, language == 0 ? "Language_0" : "Language_1");
        QCOMPARE(h_->doc.hull.Language, int16_t(language));
        VERIFY_CAPTIONS(start, "start", language);
        // Shown again later (the default hull put back), it keeps the language chosen.
        start.hide();
        start.activate();
        QCOMPARE(h_->doc.hull.Language, int16_t(language));
        VERIFY_CAPTIONS(start, "start", language);
        QVERIFY(
            Child<QRadioButton>(start, language == 0 ? "Language_0" : "Language_1")->isChecked());
    }

    // Loading, activate() and a real activation each put the default hull back.
    void showingItRestoresTheDefaultHull() {
        Lancement& start = h_->windows.lancement();
        Hull defaults;
        SetDefaultHull(defaults);
        QVERIFY(SameHull(h_->doc.hull, defaults));  // loading the window
        for (const bool real : {false, true}) {
            // A hull plainly not the default one, as a builder leaves it after some work.
            QWidget other;
            QVERIFY(!real || Activate(other));
            h_->doc.hull.XFwd[0] = 9.5;
            h_->doc.hull.PlankAngle[2] = 44;
            h_->doc.hull.HullFileName = "DORIS";
            h_->doc.hull.PanelDensity[0] = 30;
            if (real)
                QVERIFY(Activate(start));
            else
                start.activate();
            QVERIFY(SameHull(h_->doc.hull, defaults));
        }
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

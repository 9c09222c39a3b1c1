// The chines-2/3 screen: captions, layout, filling, the turned-in check boxes, and reading the
// boxes for validation.
#include "windows/bouchain2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/dessin.h"
#include "windows/entry_box.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", "  Bouchains 2 - 3", "  Chine 2 - 3"},
    {"valider", "Valider", "Validation"},
    {"titre1_0", "Définition du deuxième, troisième bouchain et du livet (3ème bouchain).",
     "Second chine, third chine and shear line definition."},
    {"titre1_1", "2ème bouchain", "2nd chine"},
    {"titre1_2", "3ème bouchain", "3rd chine"},
    {"titre1_3", "Livet", "Shear line"},
    {"Label1_0", "Hauteur AV=", "Height forward="},
    {"Label1_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label1_2", "Hauteur AR=", "Height aft="},
    {"Label1_3", "Inclinaison du 1er bordé (deg/horizontal)=", "1st plank incl. (deg/horizontal)="},
    {"Label2_0", "Hauteur AV=", "Height forward="},
    {"Label2_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label2_2", "Hauteur AR=", "Height aft="},
    {"Label2_3",
     "Inclinaison du 2ème bordé (deg/horizontal)=", "2nd plank incl. (deg/horizontal)="},
    {"Label3_0", "Hauteur AV=", "Height forward="},
    {"Label3_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label3_2", "Hauteur AR=", "Height aft="},
    {"Label3_3",
     "Inclinaison du 3ème bordé (deg/horizontal)=", "3rd plank incl. (deg/horizontal)="},
    {"ChkMarotte_2", "Marotte rentrante", "stem turned in"},
    {"ChkMarotte_3", "Marotte rentrante", "stem turned in"},
    {"ChkTableau_2", "Tableau rentrant", "transom turned in"},
    {"ChkTableau_3", "Tableau rentrant", "transom turned in"},
};

const char* const kUnits[4] = {"m", "m", "m", "°"};

}  // namespace

Bouchain2::Bouchain2(AppWindows& windows)
    : windows_(windows),
      screen_(*this, windows,
              {[this] { setCaptions(); },
               [this] { showScreen(FillChines23Screen(windows_.doc().hull)); },
               [this] { return take(); }, [this] { windows_.dessin().chines23Validated(); }}) {
    setObjectName(QStringLiteral("bouchain2"));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("titre1_0"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    layout->addWidget(title);

    auto* columns = new QHBoxLayout;
    for (int c = 0; c < 3; ++c) {
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("titre1_%1").arg(c + 1));
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(6);
        for (int r = 0; r < 4; ++r) {
            auto* label = new QLabel(group);
            label->setObjectName(QStringLiteral("Label%1_%2").arg(c + 1).arg(r));
            boxes_[c][r] = MakeBox(group, QStringLiteral("Text%1_%2").arg(c + 1).arg(r));
            grid->addWidget(label, 2 * r, 0, 1, 3);
            grid->addWidget(boxes_[c][r], 2 * r + 1, 0);
            grid->addWidget(new QLabel(QString::fromUtf8(kUnits[r]), group), 2 * r + 1, 1);
        }
        grid->setColumnStretch(2, 1);
        if (c < 2) {  // the stem and transom above chine 2 (column 1) and chine 3 (column 2)
            const int k = c + 2;
            chkMarotte_[k] = new QCheckBox(group);
            chkMarotte_[k]->setObjectName(QStringLiteral("ChkMarotte_%1").arg(k));
            chkTableau_[k] = new QCheckBox(group);
            chkTableau_[k]->setObjectName(QStringLiteral("ChkTableau_%1").arg(k));
            grid->addWidget(chkMarotte_[k], 8, 0, 1, 3);
            grid->addWidget(chkTableau_[k], 9, 0, 1, 3);
            connect(chkMarotte_[k], &QCheckBox::clicked, this,
                    [this, k](bool ticked) { clickTurnIn(true, k, ticked); });
            connect(chkTableau_[k], &QCheckBox::clicked, this,
                    [this, k](bool ticked) { clickTurnIn(false, k, ticked); });
        }
        grid->setRowStretch(10, 1);
        columns->addWidget(group);
    }
    layout->addLayout(columns);

    screen_.addValider(*layout);
    setCaptions();
}

void Bouchain2::setCaptions() {
    ApplyCaptions(*this, kCaptions, windows_.doc().hull.Language);
}

Chines23Screen Bouchain2::screenAsShown() const {
    Chines23Screen s;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 4; ++r) s.Columns[c][r] = FromQ(boxes_[c][r]->text());
    for (int k = 2; k <= 3; ++k) {
        s.ChkMarotte[k] = chkMarotte_[k]->isChecked();
        s.ChkTableau[k] = chkTableau_[k]->isChecked();
    }
    return s;
}

void Bouchain2::showScreen(const Chines23Screen& s) {
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 4; ++r) {
            boxes_[c][r]->setText(ToQ(s.Columns[c][r]));
            SetBoxColour(*boxes_[c][r], kBoxWhite);
        }
    }
    for (int k = 2; k <= 3; ++k) {
        chkMarotte_[k]->setChecked(s.ChkMarotte[k]);
        chkTableau_[k]->setChecked(s.ChkTableau[k]);
    }
}

void Bouchain2::clickTurnIn(bool stem, int k, bool ticked) {
    Chines23Screen s = screenAsShown();
    ClickTurnIn(windows_.doc().hull, s, stem, k, ticked);
    for (int j = 2; j <= 3; ++j) {
        chkMarotte_[j]->setChecked(s.ChkMarotte[j]);
        chkTableau_[j]->setChecked(s.ChkTableau[j]);
    }
}

std::optional<EntryError> Bouchain2::take() {
    Chines23Screen s = screenAsShown();
    std::optional<EntryError> err = ValidateChines23Screen(windows_.doc().hull, s);
    showScreen(s);  // decimal commas become points, refused or not
    return err;
}

}  // namespace voriel

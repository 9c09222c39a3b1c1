// The chine-1 screen: captions, layout, filling, the stem-inclination rule, and reading the boxes
// for validation.
#include "windows/bouchain1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "hull/definition_screens.h"
#include "text/number_text.h"
#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/dessin.h"
#include "windows/entry_box.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", "  Bouchain 1", "  Chine 1"},
    {"valider", "Valider", "Validation"},
    {"titre1_0", "Définition du premier bouchain dans les 3 dimensions X,Y,Z.",
     "First chine definition in 3 dimensions X,Y,Z."},
    {"titre1_1",
     "Définition des axes:  Origine=tableau,   X=longitudinal vers l'avant,   Y=transversal,  "
     "Z=vers le haut",
     "Axis definition :  Origin=transom,   X=longitudinal toward stem,   Y=transverse,  "
     "Z=upward"},
    {"titre1_2", "Plan X-Y", "X-Y horizontal plane"},
    {"titre1_3", "Plan X-Z", "X-Z vertical plane"},
    {"Label1_0", "Longeur tableau-étrave LWL=", "Length stern-stem LWL="},
    {"Label1_1", "Position du maitre couple /AR=", "Position of max beam="},
    {"Label1_2", "Demi largeur au maitre couple=", "Half max beam="},
    {"Label1_3", "Demi largeur AV au brion=", "Half width forward="},
    {"Label1_4", "Demi largeur AR au tableau=", "Half width afterward="},
    {"Label1_5", "Puissance de X AV (2.1-4)=", "Power of X forward (2-4)="},
    {"Label1_6", "Puissance de X AR (2.1-4)=", "Power of X aft (2-4)="},
    {"Label2_0", "Hauteur AV au brion=", "Height forward="},
    {"Label2_1", "Hauteur AR au tableau=", "Height aft="},
    {"Label2_2", "Forme S arrière=", "Aft S shape="},
    {"Label2_3", "Angle fond (deg/horizontal)=", "Deadrise (deg/horizontal)="},
    {"Label2_4", "Avance de quille (deg)=", "Keel advance angle (deg)="},
    {"Label2_5", "Angle marotte (deg/vertical)=", "Stem incl. (deg/vertical)="},
    {"Label2_6", "Angle tableau (deg/vertical)=", "Transom incl. (deg/vertical)="},
    {"Label2_7", "Forme S avant=", "Forward S shape="},
};

// Units shown after each box (the captions carry none for lengths).
const char* const kUnits1[7] = {"m", "m", "m", "m", "m", "", ""};
const char* const kUnits2[8] = {"m", "m", "", "°", "°", "°", "°", ""};

// One column of labelled boxes: caption, box, unit.
template <std::size_t N>
QGroupBox* boxColumn(QWidget* parent, const char* group, int array,
                     std::array<QLineEdit*, N>& boxes, const char* const (&units)[N]) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(group));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(0, 1);
    for (std::size_t i = 0; i < N; ++i) {
        const QString index = QString::number(i);
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("Label%1_%2").arg(array).arg(index));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes[i] = MakeBox(frame, QStringLiteral("Text%1_%2").arg(array).arg(index));
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(boxes[i], static_cast<int>(i), 1);
        grid->addWidget(new QLabel(QString::fromUtf8(units[i]), frame), static_cast<int>(i), 2);
    }
    grid->setRowStretch(static_cast<int>(N), 1);
    return frame;
}

}  // namespace

Bouchain1::Bouchain1(AppWindows& windows)
    : windows_(windows),
      screen_(
          *this, windows,
          {[this] { setCaptions(); }, [this] { showScreen(FillChine1Screen(windows_.doc().hull)); },
           [this] { return take(); }, [this] { windows_.dessin().chine1Validated(); }}) {
    setObjectName(QStringLiteral("bouchain1"));

    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        auto* title = new QLabel(this);
        title->setObjectName(QStringLiteral("titre1_%1").arg(i));
        if (i == 0) {
            QFont bold = title->font();
            bold.setBold(true);
            bold.setPointSizeF(bold.pointSizeF() * 1.2);
            title->setFont(bold);
        }
        layout->addWidget(title);
    }
    auto* columns = new QHBoxLayout;
    columns->addWidget(boxColumn(this, "titre1_2", 1, text1_, kUnits1));
    columns->addWidget(boxColumn(this, "titre1_3", 2, text2_, kUnits2));
    layout->addLayout(columns);

    screen_.addValider(*layout);

    for (QLineEdit* box : text1_)
        connect(box, &QLineEdit::textChanged, this, [this] { applyStemRule(); });
    setCaptions();
}

void Bouchain1::setCaptions() {
    ApplyCaptions(*this, kCaptions, windows_.doc().hull.Language);
}

void Bouchain1::showScreen(const Chine1Screen& s) {
    for (std::size_t i = 0; i < s.Text1.size(); ++i) {
        text1_[i]->setText(ToQ(s.Text1[i]));
        SetBoxColour(*text1_[i], kBoxWhite);
    }
    for (std::size_t i = 0; i < s.Text2.size(); ++i) {
        text2_[i]->setText(ToQ(s.Text2[i]));
        SetBoxColour(*text2_[i], kBoxWhite);
    }
}

// The stem inclination means nothing on a pointed forefoot (no half width forward).
void Bouchain1::applyStemRule() {
    text2_[5]->setEnabled(Val(CommaToPoint(FromQ(text1_[3]->text()))) != 0);
}

std::optional<EntryError> Bouchain1::take() {
    Chine1Screen s;
    for (std::size_t i = 0; i < s.Text1.size(); ++i) s.Text1[i] = FromQ(text1_[i]->text());
    for (std::size_t i = 0; i < s.Text2.size(); ++i) s.Text2[i] = FromQ(text2_[i]->text());
    std::optional<EntryError> err = ValidateChine1Screen(windows_.doc().hull, s);
    showScreen(s);  // decimal commas become points, refused or not
    return err;
}

}  // namespace voriel

// Text boxes of the windows: naming, colour, lookup.
#include "windows/entry_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>

namespace voriel {

QLineEdit* MakeBox(QWidget* parent, const QString& name, int chars) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for the digits plus the frame, so that no number is cut at the usual font sizes.
    const int digits = box->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
    box->setMinimumWidth(digits + 16);
    SetBoxColour(*box, kBoxWhite);
    return box;
}

void SetBoxColour(QLineEdit& box, const QColor& colour) {
    QPalette p = box.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, colour);
        p.setColor(group, QPalette::Text, Qt::black);
    }
    // A box that takes no entry now must look so, whatever its colour.
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(232, 232, 232));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 140, 140));
    box.setPalette(p);
}

QColor BoxColour(const QLineEdit& box) {
    return box.palette().color(QPalette::Active, QPalette::Base);
}

QString BoxObjectName(const std::string& box) {
    QString name = ToQ(box);
    name.replace(QLatin1Char('('), QLatin1Char('_'));
    name.remove(QLatin1Char(')'));
    return name;
}

QLineEdit* FindBox(QWidget& window, const std::string& box) {
    if (box.empty()) return nullptr;
    return window.findChild<QLineEdit*>(BoxObjectName(box));
}

}  // namespace voriel

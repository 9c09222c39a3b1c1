// Text boxes of the windows: made with their control name, coloured, and found again from the
// box named in a refused entry.
#pragma once

#include <QColor>
#include <QString>
#include <string>

class QLineEdit;
class QWidget;

namespace voriel {

// The colours the windows give their boxes.
inline const QColor kBoxWhite(255, 255, 255);
inline const QColor kBoxRefused(255, 127, 127);  // light red: the entry was refused
inline const QColor kBoxInput(192, 255, 192);    // green: the builder types here
inline const QColor kBoxResult(255, 192, 192);   // pink: the program writes here

// A text box named `name` ("Text1_3"), wide enough for about `chars` digits.
QLineEdit* MakeBox(QWidget* parent, const QString& name, int chars = 10);

void SetBoxColour(QLineEdit& box, const QColor& colour);
QColor BoxColour(const QLineEdit& box);

// The objectName of the box a core message names: "Text1(0)" -> "Text1_0".
QString BoxObjectName(const std::string& box);

// The box a refused entry names inside the window, or nullptr.
QLineEdit* FindBox(QWidget& window, const std::string& box);

inline QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string FromQ(const QString& s) {
    return s.toStdString();
}

}  // namespace voriel

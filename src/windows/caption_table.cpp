// Applies a window's caption table for the language in force.
#include "windows/caption_table.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <cstring>

namespace voriel {

void ApplyCaptions(QWidget& window, const Caption* table, std::size_t count, int16_t language) {
    for (std::size_t i = 0; i < count; ++i) {
        const Caption& c = table[i];
        const QString text = CaptionText(c, language);
        if (std::strcmp(c.control, "window") == 0) {
            window.setWindowTitle(text);
            continue;
        }
        QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(c.control));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(text);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            group->setTitle(text);
        }
    }
}

}  // namespace voriel

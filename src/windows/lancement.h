// The start window: the language choice, Begin and Quit; showing it restarts from the default hull.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace voriel {

class AppWindows;

class Lancement : public QWidget {
public:
    explicit Lancement(AppWindows& windows);

    // Shows the window over the others, back on the default hull, captioned in the language.
    void activate();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseLanguage(int16_t language);
    void setCaptions();
    void begin();
    void centreOnScreen();

    AppWindows& windows_;
    QRadioButton* language_[2];
    QPushButton* create_;
    QPushButton* cancel_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    bool languageChosen_ = false;  // before a choice the buttons speak both languages
};

}  // namespace voriel

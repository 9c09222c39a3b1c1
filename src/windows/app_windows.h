// The six windows of the program: each made on first use and kept for the whole run.
#pragma once

#include <memory>

#include "windows/dialogs.h"
#include "windows/document.h"

namespace voriel {

class Lancement;
class Bouchain1;
class Bouchain2;
class Dessin;
class Hydro1;
class Mass1;
class Courbes;

class AppWindows {
public:
    AppWindows(Document& doc, Dialogs& dialogs);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    Document& doc() { return doc_; }
    Dialogs& dialogs() { return dialogs_; }

    Lancement& lancement();
    Bouchain1& bouchain1();
    Bouchain2& bouchain2();
    Dessin& dessin();
    Hydro1& hydro1();
    Mass1& mass1();
    Courbes& courbes();  // the curves of form and GZ, opened from the hydrostatics window

    // Whether a window has been made yet (without making it).
    bool hasDessin() const { return dessin_ != nullptr; }
    bool hasHydro1() const { return hydro1_ != nullptr; }
    bool hasMass1() const { return mass1_ != nullptr; }
    bool hasCourbes() const { return courbes_ != nullptr; }

private:
    Document& doc_;
    Dialogs& dialogs_;
    std::unique_ptr<Lancement> lancement_;
    std::unique_ptr<Bouchain1> bouchain1_;
    std::unique_ptr<Bouchain2> bouchain2_;
    std::unique_ptr<Dessin> dessin_;
    std::unique_ptr<Hydro1> hydro1_;
    std::unique_ptr<Mass1> mass1_;
    std::unique_ptr<Courbes> courbes_;
};

}  // namespace voriel

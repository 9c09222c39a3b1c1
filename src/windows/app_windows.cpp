// The six windows of the program, made on first use.
#include "windows/app_windows.h"

#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/courbes.h"
#include "windows/dessin.h"
#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"

namespace voriel {

namespace {

template <typename W>
W& Made(std::unique_ptr<W>& window, AppWindows& windows) {
    if (!window) window = std::make_unique<W>(windows);
    return *window;
}

}  // namespace

AppWindows::AppWindows(Document& doc, Dialogs& dialogs) : doc_(doc), dialogs_(dialogs) {}

// The windows go before the document they point into; the board last, as the others sit over it.
AppWindows::~AppWindows() {
    courbes_.reset();
    mass1_.reset();
    hydro1_.reset();
    bouchain2_.reset();
    bouchain1_.reset();
    lancement_.reset();
    dessin_.reset();
}

Lancement& AppWindows::lancement() {
    return Made(lancement_, *this);
}
Bouchain1& AppWindows::bouchain1() {
    return Made(bouchain1_, *this);
}
Bouchain2& AppWindows::bouchain2() {
    return Made(bouchain2_, *this);
}
Dessin& AppWindows::dessin() {
    return Made(dessin_, *this);
}
Hydro1& AppWindows::hydro1() {
    return Made(hydro1_, *this);
}
Mass1& AppWindows::mass1() {
    return Made(mass1_, *this);
}
Courbes& AppWindows::courbes() {
    return Made(courbes_, *this);
}

}  // namespace voriel

// The hydrostatics window's diagnosis and results texts.
#include "hydro/immersion_texts.h"

#include "hull/hull.h"
#include "text/number_text.h"

namespace voriel {

int32_t ImmersionColour(int16_t level) {
    if (level <= -1) return Rgb(255, 255, 128);
    if (level <= 3) return Rgb(192, 255, 255);
    if (level == 4) return Rgb(255, 192, 192);
    return Rgb(255, 0, 0);
}

std::string ImmersionMessage(int16_t level, bool unstable, int16_t language) {
    const bool fr = language == 0;
    switch (level) {
        case -1:
            return fr ? "La quille est hors de l'eau" : "The keel is above water";
        case 0:
            return fr ? "La quille est dans l'eau, le bouchain 1 est émergé"
                      : "The keel is in water, chine 1 is emerged";
        case 1:
            return fr ? "Le bouchain 1 est immergé" : "Chine 1 is immersed";
        case 2:
            return fr ? "Le bouchain 2 est immergé" : "Chine 2 is immersed";
        case 3:
            return fr ? "ATTENTION : le bouchain 3 est immergé !"
                      : "WARNING : Chine 3 is immersed !";
        case 4: {
            std::string text = fr ? "ATTENTION : le pont supérieur est submergé !"
                                  : "WARNING : the upper deck is submerged !";
            if (unstable) text += fr ? " Equilibre instable !" : " Equilibrium unstable !";
            return text;
        }
        default:
            return fr ? "ATTENTION : déplacement trop élevé, le bateau coule !"
                      : "WARNING : displacement too high, the boat sink !";
    }
}

std::string HydroResultsText(const HydroState& s, int16_t language) {
    if (s.ImmersionLevel < 0 || s.ImmersionLevel > 4) return "  ";
    const bool fr = language == 0;
    const std::string lf = "\n";
    return (fr ? "Surface du plan de flottaison  = " : "Waterline plane area  = ") +
           Format(s.WaterplaneArea, "0.000") + " m2" + lf +
           (fr ? "Centre de déplacement :" : "Centre of displacement :") + lf +
           "X= " + Format(s.BuoyancyX, "0.000") + " m" + lf + "Y= " + Format(s.BuoyancyY, "0.000") +
           " m" + lf + "Z= " + Format(s.BuoyancyZ, "0.000") + " m";
}

}  // namespace voriel

// The development XYZ writers.
#include "export/development_xyz.h"

#include <algorithm>

#include "export/file_text.h"
#include "text/number_text.h"

namespace voriel {

std::string DevelopmentXyzNumber(double v) {
    return Format(v, " 0.##0 ");
}

namespace {

constexpr char kTab = '\t';

void edge(std::ostream& out, const char* title, const std::array<double, kDevPointCount>& x,
          const std::array<double, kDevPointCount>& y, int n) {
    PutLine(out, title);
    PutLine(out, " point\t    X \t    Y ");
    for (int p = 0; p <= n; ++p)
        PutLine(out, Format(p, " 00 ") + kTab + DevelopmentXyzNumber(x[p]) + kTab +
                         DevelopmentXyzNumber(y[p]));
    PutLine(out, "");
}

void endPlateRow(std::ostream& out, double half, double slant) {
    PutLine(out, Format(half, " 0.000 ") + kTab + Format(slant, " 0.000 "));
}

void endPlate(std::ostream& out, const std::string& hullName, const EndPlateDev& d,
              const char* title, const char* last) {
    PutLine(out, OneLine(hullName));
    PutLine(out, title);
    PutLine(out, "");
    PutLine(out, "Lower part");
    PutLine(out, "    Y \t    Z ");
    for (int p = 0; p <= 11; ++p) endPlateRow(out, d[p].half, d[p].slant);
    endPlateRow(out, d[0].half, d[11].slant);  // back to the centreline at chine 2's height
    PutLine(out, "");
    PutLine(out, "Upper part");
    PutLine(out, "    Y \t    Z ");
    endPlateRow(out, d[0].half, d[11].slant);
    for (int p = 11; p <= 13; ++p) endPlateRow(out, d[p].half, d[p].slant);
    endPlateRow(out, d[0].half, d[13].slant);
    PutLine(out, "");
    PutLine(out, last);
}

}  // namespace

void WriteDevelopmentXyz(std::ostream& out, const std::string& hullName, int code, int n,
                         const Development& dev) {
    const bool deck = code >= 10;
    n = std::min(n, kDevPointCount - 1);
    PutLine(out, OneLine(hullName));
    PutLine(out, std::string(deck ? "Half Deck " : "Plank ") + kTab +
                     Format(deck ? code - 10 : code, "0") + kTab +
                     "development created with Voriel 2000");
    if (deck) {
        edge(out, "Outer edge from transom to stem", dev.DevXs, dev.DevYs, n);
    } else {
        edge(out, "Lower edge from transom to stem", dev.DevXi, dev.DevYi, n);
        edge(out, "Upper edge from transom to stem", dev.DevXs, dev.DevYs, n);
    }
    PutLine(out, "EOF");
}

void WriteTransomXyz(std::ostream& out, const std::string& hullName, const EndPlateDev& dev) {
    endPlate(out, hullName, dev, "Half Transom development created with Voriel 2000", "EOF ");
}

void WriteBowPlateXyz(std::ostream& out, const std::string& hullName, const EndPlateDev& dev) {
    endPlate(out, hullName, dev, "Half Bow plate development  created with Voriel 2000", "EOF");
}

}  // namespace voriel

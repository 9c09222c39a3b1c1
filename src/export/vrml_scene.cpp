// The VRML 2.0 scene: a fixed template with the hull's numbers inserted.
#include "export/vrml_scene.h"

#include <initializer_list>
#include <string_view>

#include "export/file_text.h"
#include "text/number_text.h"

namespace voriel {

std::string VrmlNumber(double v) {
    const std::string text = CommaToPoint(Format(v, "0.###0 "));
    // The blanks follow the text, not v: a tiny negative value rounds to a zero without a sign.
    return (text[0] == '-' ? " " : "  ") + text;
}

namespace {

void putLines(std::ostream& out, std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) PutLine(out, line);
}

std::string triple(double x, double y, double z) {
    return VrmlNumber(x) + VrmlNumber(y) + VrmlNumber(z);
}

// Hull point i of line k as a VRML point line, on the side `side` (+1 starboard, -1 port).
void pointLine(std::ostream& out, const Hull& h, int k, int i, double side) {
    PutLine(out,
            "            " + triple(h.LineX[k][i], h.LineZ[k][i], side * h.LineY[k][i]) + ", ");
}

void head(std::ostream& out) {
    putLines(out, {"#VRML V2.0 utf8 ", "# Voriel 2000", "Transform {   # begin bateau",
                   "  children [ ", "    NavigationInfo { headlight FALSE } ",
                   "    DirectionalLight { direction  -.5 -.5 -1  intensity .5 } ",
                   "    DirectionalLight { direction  .5 -.2  1   intensity .4 } ",
                   "    DirectionalLight { direction  0  1  0   intensity .2 } "});
}

void viewpoints(std::ostream& out, const Hull& h) {
    const double a = h.LineX[Chine3][80];
    const double b = h.LineZ[Chine3][80];
    const double c = h.LineZ[Sheer][80];
    PutLine(out, "    Viewpoint { position " + triple(0.5 * a, b, a));
    putLines(out, {"                description \"Side\" ", "    } "});
    PutLine(out, "    Viewpoint { orientation 0 1 0 1.5707 ");
    PutLine(out, "                position " + triple(1.6 * a, b, 0));
    putLines(out, {"                description \"Face\" ", "    } "});
    PutLine(out, "    Viewpoint { orientation  1 0 0 -.7 ");
    PutLine(out, "                 position " + triple(0.5 * a, 0.8 * a, 0.8 * a));
    putLines(out, {"                description \"Top\" ", "    } "});
    PutLine(out, "    Viewpoint { orientation 0 1 0 -.6 ");
    PutLine(out, "                position " + triple(-0.2 * a, b, 0.8 * a));
    putLines(out, {"                description \"Quarter\" ", "    } "});
    PutLine(out, "    Viewpoint { orientation -.5 1 0 .5 ");
    PutLine(out, "                position " + triple(1.1 * a, 2 * c, 0.9 * a));
    putLines(out, {"                description \"Isometric\" ", "    } ", ""});
}

void whiteSphere(std::ostream& out) {
    putLines(out, {"        Shape { ", "          geometry Sphere { radius .04 } ",
                   "          appearance Appearance { material Material { emissiveColor 1 1 1 } } ",
                   "        } "});
}

// The dark housing of a light: its face list and its point list.
void housing(std::ostream& out, std::string_view coordIndex, std::string_view points) {
    putLines(out, {"        Shape { ", "          geometry IndexedFaceSet { "});
    PutLine(out, "            coordIndex [ " + std::string(coordIndex) + " ] ");
    PutLine(out, "            coord Coordinate { ");
    PutLine(out, "                   point [ " + std::string(points) + " ] ");
    putLines(out,
             {"            } ", "            solid  FALSE ", "          } ",
              "          appearance Appearance { material Material { diffuseColor 0.1 0.1 0.1 } }",
              "        } "});
}

constexpr std::string_view kLampFaces = "0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 0, 1, 4, -1";

void sternLight(std::ostream& out, const Hull& h) {
    PutLine(out, "    Transform {  # stern light");
    PutLine(out, "      translation  " + VrmlNumber(h.LineX[Sheer][0] + 0.06) +
                     VrmlNumber(h.LineZ[Sheer][0] + 0.06) + " 0 ");
    PutLine(out, "      children [ ");
    whiteSphere(out);
    housing(out, kLampFaces,
            ".07 -.06 0, -.06 -.06 -.2, -.06 .1 -.2, .07 .1 0, -.06 -.06 .2, -.06 .1 .2");
    putLines(out, {"      ] ", "    } "});
}

void mastAndMastheadLight(std::ostream& out, const Hull& h) {
    const double x = h.LineX[Sheer][60];
    const double z = h.LineZ[Sheer][60];
    PutLine(out, "    Transform {  # mast ");
    PutLine(out, "      translation " + VrmlNumber(x + 0.05) + VrmlNumber(z + 0.5) + " 0 ");
    putLines(out,
             {"      children [ ", "        Shape { ",
              "          geometry Cylinder { height 1  radius .04 } ",
              "          appearance Appearance { material Material { diffuseColor .3 .3 0 } } ",
              "        } ", "      ] ", "    } "});
    PutLine(out, "    Transform {  # steam light");
    PutLine(out, "      translation " + VrmlNumber(x + 0.1) + VrmlNumber(z + 1.1) + " 0 ");
    PutLine(out, "      children [ ");
    whiteSphere(out);
    housing(out, "0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 4, 6, 1, -1",
            "-.05 -.1 0, -.1 -.1 -.2, -.1 .1 -.2, -.05 .1 0, -.1 -.1 .2, -.1 .1 .2, .1 -.06 0");
    putLines(out, {"      ] ", "    } ", ""});
}

void sideLights(std::ostream& out, const Hull& h) {
    const double x = h.LineX[Sheer][70];
    const double y = h.LineY[Sheer][70];
    const double z = h.LineZ[Sheer][70];
    PutLine(out, "    Transform {  # starboard light ");
    PutLine(out, "      translation " + triple(x, z + 0.11, y - 0.2));
    putLines(out,
             {"      children [ ", "        Shape { ", "          geometry Sphere { radius .04 } ",
              "          appearance Appearance { material Material { emissiveColor 0 1 0  "
              "diffuseColor 0 1 0} } ",
              "        } "});
    housing(out, kLampFaces,
            "-.05 -.1 -.05, .3 -.1 -.05, .3 .1 -.05, -.05 .1 -.05, -.1 -.1 .2, -.1 .1 .2");
    putLines(out, {"      ] ", "    } ", ""});

    PutLine(out, "    Transform {  # backboard light ");
    PutLine(out, "      translation " + triple(x, z + 0.11, 0.2 - y));
    putLines(out,
             {"      children [ ", "        Shape { ", "          geometry Sphere { radius .04 } ",
              "          appearance Appearance { material Material { emissiveColor 1 0 0  "
              "diffuseColor 1 0 0 } } ",
              "        } "});
    housing(out, kLampFaces,
            "-.05 -.1 .05, .3 -.1 .05, .3 .1 .05, -.05 .1 .05, -.1 -.1 -.2, -.1 .1 -.2");
    putLines(out, {"      ] ", "    } ", ""});
}

// The face lines of a strip of point pairs: for every pair from the first up to `lastEven`, the
// triangles (i, i+1, i+2) and (i+1, i+3, i+2).
std::string stripFaces(int lastEven) {
    std::string lines;
    for (int i = 0; i <= lastEven; i += 2) {
        lines += "            " + Str(i) + "," + Str(i + 1) + "," + Str(i + 2) + ", -1, \r\n";
        lines += "            " + Str(i + 1) + "," + Str(i + 3) + "," + Str(i + 2) + ", -1, \r\n";
    }
    return lines;
}

// The band between line k and line k+1: 332 points, starboard from the transom to the bow, then
// port from the bow back to the transom, closed across the transom by the last face.
void hullBand(std::ostream& out, const Hull& h, int k, const std::string& faces,
              std::string_view material) {
    putLines(out,
             {"      Shape {  ", "        geometry IndexedFaceSet { ", "          coordIndex [ "});
    out << faces;
    PutLine(out, "            " + Str(330) + "," + Str(331) + "," + " 1, 0 ] ");
    putLines(out, {"          coord Coordinate { ", "            point [ "});
    for (int i = 0; i < kPointCount; ++i) {
        pointLine(out, h, k, i, 1.0);
        pointLine(out, h, k + 1, i, 1.0);
    }
    for (int i = kPointCount - 1; i >= 0; --i) {
        pointLine(out, h, k, i, -1.0);
        pointLine(out, h, k + 1, i, -1.0);
    }
    putLines(out, {"            ] ", "          } ", "          solid  FALSE ", "        } ",
                   "        appearance Appearance { "});
    PutLine(out, material);
    putLines(out, {"        }", "      }  # end shape"});
}

void hullBands(std::ostream& out, const Hull& h) {
    putLines(out, {"    Transform {  # lignes longitudinales ", "    children [ "});
    const std::string faces = stripFaces(328);  // the same for the four bands
    hullBand(out, h, 0, faces, "          material Material { diffuseColor  1 0 0 } ");
    hullBand(out, h, 1, faces, "          material Material { diffuseColor  0 1 0 } ");
    hullBand(out, h, 2, faces, "          material Material { diffuseColor  0 0 1 } ");
    hullBand(out, h, 3, faces, "          material Material { diffuseColor  .9 .9 .7 } ");
    putLines(out, {"    ] # end children ligne ", "    } ", ""});
}

// The deck follows the sheer, steps down to chine 2 between points 8 and 60 (the cockpit) and
// climbs back to the sheer: 85 pairs, 170 points.
void decking(std::ostream& out, const Hull& h) {
    putLines(out, {"    Transform {  # decking ", "    children [ ", "      Shape {  ",
                   "        geometry IndexedFaceSet {  ", "          coordIndex [ "});
    out << stripFaces(166);
    putLines(out, {"            ] ", "          coord Coordinate { ", "            point [ "});
    const auto pair = [&](int line, int i) {
        pointLine(out, h, line, i, 1.0);
        pointLine(out, h, line, i, -1.0);
    };
    for (int i = 0; i <= 8; ++i) pair(Sheer, i);
    for (int i = 8; i <= 60; ++i) pair(Chine2, i);
    for (int i = 60; i <= 82; ++i) pair(Sheer, i);
    putLines(out,
             {"            ] ", "          } ", "          solid  FALSE ", "        } ",
              "        appearance Appearance { ",
              "          material Material { diffuseColor  .5 .5 .2 } ", "        }",
              "      }  # end shape", "    ] # end children decking ", "    } # end decking "});
}

}  // namespace

void WriteVrmlScene(std::ostream& out, const Hull& hull) {
    head(out);
    viewpoints(out, hull);
    sternLight(out, hull);
    mastAndMastheadLight(out, hull);
    sideLights(out, hull);
    hullBands(out, hull);
    decking(out, hull);
    putLines(out, {"  ]  # end children bateau", "}    # end transform ", " "});
}

}  // namespace voriel

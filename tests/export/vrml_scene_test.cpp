// The VRML scene against its template, its counts and its number texts.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "export/layout_check.h"
#include "export/vrml_scene.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The fixed parts of the scene, one line per text line ended by "|" (so that trailing blanks
// show); "@V" marks a number. The hull bands and the decking are added by expectedScene.
const char* const kHead = R"(#VRML V2.0 utf8 |
# Voriel 2000|
Transform {   # begin bateau|
  children [ |
    NavigationInfo { headlight FALSE } |
    DirectionalLight { direction  -.5 -.5 -1  intensity .5 } |
    DirectionalLight { direction  .5 -.2  1   intensity .4 } |
    DirectionalLight { direction  0  1  0   intensity .2 } |
    Viewpoint { position @V@V@V|
                description "Side" |
    } |
    Viewpoint { orientation 0 1 0 1.5707 |
                position @V@V@V|
                description "Face" |
    } |
    Viewpoint { orientation  1 0 0 -.7 |
                 position @V@V@V|
                description "Top" |
    } |
    Viewpoint { orientation 0 1 0 -.6 |
                position @V@V@V|
                description "Quarter" |
    } |
    Viewpoint { orientation -.5 1 0 .5 |
                position @V@V@V|
                description "Isometric" |
    } |
|
    Transform {  # stern light|
      translation  @V@V 0 |
      children [ |
        Shape { |
          geometry Sphere { radius .04 } |
          appearance Appearance { material Material { emissiveColor 1 1 1 } } |
        } |
        Shape { |
          geometry IndexedFaceSet { |
            coordIndex [ 0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 0, 1, 4, -1 ] |
            coord Coordinate { |
                   point [ .07 -.06 0, -.06 -.06 -.2, -.06 .1 -.2, .07 .1 0, -.06 -.06 .2, -.06 .1 .2 ] |
            } |
            solid  FALSE |
          } |
          appearance Appearance { material Material { diffuseColor 0.1 0.1 0.1 } }|
        } |
      ] |
    } |
    Transform {  # mast |
      translation @V@V 0 |
      children [ |
        Shape { |
          geometry Cylinder { height 1  radius .04 } |
          appearance Appearance { material Material { diffuseColor .3 .3 0 } } |
        } |
      ] |
    } |
    Transform {  # steam light|
      translation @V@V 0 |
      children [ |
        Shape { |
          geometry Sphere { radius .04 } |
          appearance Appearance { material Material { emissiveColor 1 1 1 } } |
        } |
        Shape { |
          geometry IndexedFaceSet { |
            coordIndex [ 0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 4, 6, 1, -1 ] |
            coord Coordinate { |
                   point [ -.05 -.1 0, -.1 -.1 -.2, -.1 .1 -.2, -.05 .1 0, -.1 -.1 .2, -.1 .1 .2, .1 -.06 0 ] |
            } |
            solid  FALSE |
          } |
          appearance Appearance { material Material { diffuseColor 0.1 0.1 0.1 } }|
        } |
      ] |
    } |
|
    Transform {  # starboard light |
      translation @V@V@V|
      children [ |
        Shape { |
          geometry Sphere { radius .04 } |
          appearance Appearance { material Material { emissiveColor 0 1 0  diffuseColor 0 1 0} } |
        } |
        Shape { |
          geometry IndexedFaceSet { |
            coordIndex [ 0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 0, 1, 4, -1 ] |
            coord Coordinate { |
                   point [ -.05 -.1 -.05, .3 -.1 -.05, .3 .1 -.05, -.05 .1 -.05, -.1 -.1 .2, -.1 .1 .2 ] |
            } |
            solid  FALSE |
          } |
          appearance Appearance { material Material { diffuseColor 0.1 0.1 0.1 } }|
        } |
      ] |
    } |
|
    Transform {  # backboard light |
      translation @V@V@V|
      children [ |
        Shape { |
          geometry Sphere { radius .04 } |
          appearance Appearance { material Material { emissiveColor 1 0 0  diffuseColor 1 0 0 } } |
        } |
        Shape { |
          geometry IndexedFaceSet { |
            coordIndex [ 0, 1, 2, 3, -1, 0, 3, 5, 4, -1, 0, 1, 4, -1 ] |
            coord Coordinate { |
                   point [ -.05 -.1 .05, .3 -.1 .05, .3 .1 .05, -.05 .1 .05, -.1 -.1 -.2, -.1 .1 -.2 ] |
            } |
            solid  FALSE |
          } |
          appearance Appearance { material Material { diffuseColor 0.1 0.1 0.1 } }|
        } |
      ] |
    } |
|
    Transform {  # lignes longitudinales |
    children [ |
)";

const char* const kBandEnd = R"(            ] |
          } |
          solid  FALSE |
        } |
        appearance Appearance { |
)";

const char* const kTail = R"(            ] |
          } |
          solid  FALSE |
        } |
        appearance Appearance { |
          material Material { diffuseColor  .5 .5 .2 } |
        }|
      }  # end shape|
    ] # end children decking |
    } # end decking |
  ]  # end children bateau|
}    # end transform |
 |
)";

// Adds the "|"-ended lines of a block, taking the values of its markers in order.
void addBlock(test::ExpectedFile& e, const char* block, const std::vector<double>& values) {
    std::size_t next = 0;
    std::istringstream in(block);
    for (std::string line; std::getline(in, line);) {
        ASSERT_EQ(line.back(), '|');
        line.pop_back();
        std::vector<double> v;
        for (auto at = line.find("@V"); at != std::string::npos; at = line.find("@V", at + 1))
            v.push_back(values.at(next++));
        e.numbers(line, v);
    }
    ASSERT_EQ(next, values.size());
}

std::string spaced(int i) {
    return " " + std::to_string(i);
}

void faces(test::ExpectedFile& e, int lastEven) {
    for (int i = 0; i <= lastEven; i += 2) {
        e.line("            " + spaced(i) + "," + spaced(i + 1) + "," + spaced(i + 2) + ", -1, ");
        e.line("            " + spaced(i + 1) + "," + spaced(i + 3) + "," + spaced(i + 2) +
               ", -1, ");
    }
}

void point(test::ExpectedFile& e, const Hull& h, int line, int i, double side) {
    e.numbers("            @V@V@V, ",
              {h.LineX[line][i], h.LineZ[line][i], side * h.LineY[line][i]});
}

test::ExpectedFile expectedScene(const Hull& h) {
    test::ExpectedFile e;
    const double a = h.LineX[3][80], b = h.LineZ[3][80], c = h.LineZ[4][80];
    addBlock(e, kHead,
             {0.5 * a, b, a, 1.6 * a, b, 0, 0.5 * a, 0.8 * a, 0.8 * a, -0.2 * a, b, 0.8 * a,
              1.1 * a, 2 * c, 0.9 * a,
              // stern light, mast, masthead light
              h.LineX[4][0] + 0.06, h.LineZ[4][0] + 0.06, h.LineX[4][60] + 0.05,
              h.LineZ[4][60] + 0.5, h.LineX[4][60] + 0.1, h.LineZ[4][60] + 1.1,
              // starboard and port lights
              h.LineX[4][70], h.LineZ[4][70] + 0.11, h.LineY[4][70] - 0.2, h.LineX[4][70],
              h.LineZ[4][70] + 0.11, 0.2 - h.LineY[4][70]});
    const char* const materials[] = {"1 0 0", "0 1 0", "0 0 1", ".9 .9 .7"};
    for (int k = 0; k < 4; ++k) {
        e.line("      Shape {  ");
        e.line("        geometry IndexedFaceSet { ");
        e.line("          coordIndex [ ");
        faces(e, 328);
        e.line("             330, 331, 1, 0 ] ");
        e.line("          coord Coordinate { ");
        e.line("            point [ ");
        for (int i = 0; i <= 82; ++i) point(e, h, k, i, 1), point(e, h, k + 1, i, 1);
        for (int i = 82; i >= 0; --i) point(e, h, k, i, -1), point(e, h, k + 1, i, -1);
        addBlock(e, kBandEnd, {});
        e.line(std::string("          material Material { diffuseColor  ") + materials[k] + " } ");
        e.line("        }");
        e.line("      }  # end shape");
    }
    e.line("    ] # end children ligne ");
    e.line("    } ");
    e.line("");
    e.line("    Transform {  # decking ");
    e.line("    children [ ");
    e.line("      Shape {  ");
    e.line("        geometry IndexedFaceSet {  ");
    e.line("          coordIndex [ ");
    faces(e, 166);
    e.line("            ] ");
    e.line("          coord Coordinate { ");
    e.line("            point [ ");
    // Sheer 0..8, chine 2 8..60 (the cockpit floor), sheer 60..82: 85 pairs.
    const int runs[3][3] = {{4, 0, 8}, {2, 8, 60}, {4, 60, 82}};
    for (const auto& run : runs)
        for (int i = run[1]; i <= run[2]; ++i)
            point(e, h, run[0], i, 1), point(e, h, run[0], i, -1);
    addBlock(e, kTail, {});
    return e;
}

std::string scene(const Hull& h) {
    std::ostringstream out;
    WriteVrmlScene(out, h);
    return out.str();
}

TEST(VrmlScene, DefaultAndRandomHullsFollowTheTemplateLineByLine) {
    EXPECT_TRUE(
        expectedScene(test::ValidatedDefaultHull()).matches(scene(test::ValidatedDefaultHull())));
    for (uint32_t seed = 200; seed < 220; ++seed) {
        const Hull h = test::RandomHull(seed);
        EXPECT_TRUE(expectedScene(h).matches(scene(h))) << "seed " << seed;
    }
}

// Counts the point lines between "point [ " and the closing "] " of each shape of the scene.
std::vector<int> pointCounts(const std::string& text) {
    std::vector<std::string> lines;
    test::SplitCrLf(text, lines);
    std::vector<int> counts;
    int* open = nullptr;
    for (const std::string& l : lines) {
        if (l == "            point [ ") {
            counts.push_back(0);
            open = &counts.back();
        } else if (l == "            ] ") {
            open = nullptr;
        } else if (open) {
            ++*open;
        }
    }
    return counts;
}

TEST(VrmlScene, BandsHold332PointsAndTheDeck170WhateverTheHull) {
    for (uint32_t seed = 0; seed < 30; ++seed) {
        const Hull h = seed == 0 ? test::ValidatedDefaultHull() : test::RandomHull(seed + 300);
        EXPECT_EQ(pointCounts(scene(h)), (std::vector<int>{332, 332, 332, 332, 170}))
            << "seed " << seed;
    }
}

TEST(VrmlScene, IndexListsNameOnlyExistingPoints) {
    std::vector<std::string> lines;
    ASSERT_TRUE(test::SplitCrLf(scene(test::ValidatedDefaultHull()), lines));
    int shape = -1;
    const int limits[] = {332, 332, 332, 332, 170};
    for (const std::string& l : lines) {
        if (l == "          coordIndex [ ") ++shape;
        if (shape < 0 || l.rfind("            ", 0) != 0 || l.find(", -1, ") == std::string::npos)
            continue;
        std::istringstream in(l);
        for (int k = 0; k < 3; ++k) {
            int index = -1;
            char comma = 0;
            in >> index >> comma;
            EXPECT_GE(index, 0) << l;
            EXPECT_LT(index, limits[shape]) << l;
        }
    }
    EXPECT_EQ(shape, 4);
}

TEST(VrmlScene, NumbersKeepTheirColumnsAndNeverAComma) {
    EXPECT_EQ(VrmlNumber(1.25), "  1.2500 ");
    EXPECT_EQ(VrmlNumber(-1.25), " -1.2500 ");
    EXPECT_EQ(VrmlNumber(0.0), "  0.0000 ");
    EXPECT_EQ(VrmlNumber(-0.0), "  0.0000 ");
    // A tiny negative number loses its sign in rounding; it keeps the two blanks of a positive.
    EXPECT_EQ(VrmlNumber(-0.00001), "  0.0000 ");
    EXPECT_EQ(VrmlNumber(12.34567), "  12.3457 ");
    const std::string text = scene(test::RandomHull(7));
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        ASSERT_FALSE(text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                     std::isdigit(static_cast<unsigned char>(text[i + 1])))
            << "decimal comma at byte " << i;
}

}  // namespace
}  // namespace voriel

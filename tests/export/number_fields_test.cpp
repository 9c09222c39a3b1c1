// The number fields of the export formats at the values the golden hulls do not reach: signs of
// zero, rounding at the last decimal, large magnitudes, and a comment that cannot split its line.
#include <gtest/gtest.h>

#include <sstream>

#include "export/dxf_records.h"
#include "export/lines_xyz.h"
#include "export/vrml_scene.h"

namespace voriel {
namespace {

// The coordinate lines of a DXF vertex at (v, 0, 0): the line after group code 10.
std::string dxfCoordinate(double v) {
    std::ostringstream out;
    DxfVertex(out, 4, v, 0, 0);
    const std::string text = out.str();
    const auto at = text.find(" 10\r\n") + 5;
    return text.substr(at, text.find("\r\n", at) - at);
}

TEST(NumberFields, EachFormatWritesItsFieldAtTheEdges) {
    const struct {
        double v;
        const char* xyz;   // lines and development tables, signed (nullptr: not checked)
        const char* vrml;  // scene
        const char* dxf;   // DXF coordinate
    } cases[] = {
        {0.0, " +0.000 ", "  0.0000 ", "0.0000 "},
        {-0.0, " +0.000 ", "  0.0000 ", "0.0000 "},   // the keel's half breadth negated
        {-0.00004, nullptr, "  0.0000 ", "0.0000 "},  // rounds to zero: no minus sign
        {2.5, " +2.500 ", "  2.5000 ", "2.5000 "},
        {-0.1234, " -0.123 ", " -0.1234 ", "-0.1234 "},
        {-12.0006, " -12.001 ", " -12.0006 ", "-12.0006 "},
        {0.99996, " +1.000 ", "  1.0000 ", "1.0000 "},
        {12345.678949, " +12345.679 ", "  12345.6789 ", "12345.6789 "},
    };
    for (const auto& c : cases) {
        if (c.xyz) {
            EXPECT_EQ(SignedXyzNumber(c.v), c.xyz) << c.v;
        }
        EXPECT_EQ(VrmlNumber(c.v), c.vrml) << c.v;
        EXPECT_EQ(dxfCoordinate(c.v), c.dxf) << c.v;
    }
}

TEST(NumberFields, ADxfCommentCannotSplitItsLine) {
    std::ostringstream out;
    DxfFrameHead(out, "two\r\nlines\tname");
    EXPECT_EQ(out.str(), "999\r\ntwo  lines name\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n");
}

}  // namespace
}  // namespace voriel

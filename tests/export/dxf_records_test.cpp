// The DXF records written out literally, and the layout checker's ability to refuse bad lines.
#include <gtest/gtest.h>

#include <sstream>

#include "export/dxf_expect.h"
#include "export/dxf_records.h"
#include "export/layout_check.h"

namespace voriel {
namespace {

std::string joined(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) out += std::string(l) + "\r\n";
    return out;
}

TEST(DxfRecords, VertexOfColourSixAtOneAndAHalfMinusAQuarterZero) {
    std::ostringstream out;
    DxfVertex(out, 6, 1.5, -0.25, 0);
    EXPECT_EQ(out.str(),
              joined({"  0", "VERTEX", "  8", "1", " 62", "      6", "  6", "CONTINUOUS", " 70",
                      "     32", " 10", "1.5000 ", " 20", "-0.2500 ", " 30", "0.0000 "}));
}

TEST(DxfRecords, PolylineHeaderFrameAndEnds) {
    std::ostringstream out;
    DxfFrameHead(out, "BOAT - created with Voriel 2000");
    DxfPolyline(out, 7);
    DxfSeqEnd(out);
    DxfSeqEndPrinted(out);
    DxfFrameEnd(out);
    EXPECT_EQ(out.str(), joined({"999", "BOAT - created with Voriel 2000",
                                 "  0", "SECTION",
                                 "  2", "ENTITIES",
                                 "  0", "POLYLINE",
                                 "  8", "1",
                                 " 62", "      7",
                                 " 66", "      1",
                                 "  6", "CONTINUOUS",
                                 " 70", "      8",
                                 "  0", "SEQEND",
                                 " 0 ", "SEQEND",
                                 "  0", "ENDSEC",
                                 "  0", "EOF"}));
}

TEST(DxfRecords, CoordinatesRoundToFourDecimalsWithoutLosingSignOrMagnitude) {
    std::ostringstream out;
    DxfVertex(out, 4, 12345.678949, -0.00004, 0.99996);
    std::vector<std::string> lines;
    ASSERT_TRUE(test::SplitCrLf(out.str(), lines));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[11], "12345.6789 ");
    EXPECT_EQ(lines[13], "0.0000 ");  // rounds to zero: no minus sign
    EXPECT_EQ(lines[15], "1.0000 ");
}

TEST(DxfRecords, CommentCannotSplitItsLine) {
    std::ostringstream out;
    DxfFrameHead(out, "two\r\nlines\tname");
    std::vector<std::string> lines;
    ASSERT_TRUE(test::SplitCrLf(out.str(), lines));
    EXPECT_EQ(lines[1], "two  lines name");
    EXPECT_EQ(lines.size(), 6u);
}

TEST(LayoutCheck, RefusesWhatTheLayoutsForbid) {
    using test::MatchLine;
    EXPECT_EQ(MatchLine("1.5000 ", "@D", {1.5}), "");
    EXPECT_NE(MatchLine("1.500 ", "@D", {1.5}), "");   // three decimals
    EXPECT_NE(MatchLine("1.5000", "@D", {1.5}), "");   // no trailing blank
    EXPECT_NE(MatchLine("1.5001 ", "@D", {1.5}), "");  // a unit off
    EXPECT_NE(MatchLine("1,5000 ", "@D", {1.5}), "");  // decimal comma
    EXPECT_EQ(MatchLine(" +0.000 ", "@S", {0.0}), "");
    EXPECT_NE(MatchLine(" -0.000 ", "@S", {0.0}), "");  // zero must carry +
    EXPECT_NE(MatchLine(" 0.000 ", "@S", {0.0}), "");   // sign missing
    EXPECT_EQ(MatchLine("  1.2500 ", "@V", {1.25}), "");
    EXPECT_EQ(MatchLine(" -1.2500 ", "@V", {-1.25}), "");
    EXPECT_NE(MatchLine(" 1.2500 ", "@V", {1.25}), "");  // one blank before a positive number
    EXPECT_NE(MatchLine(" 1.250 ", "@P", {-1.25}), "");  // sign lost
    EXPECT_NE(MatchLine("x 1.250 ", "@P", {1.25}), "");  // literal text differs
    EXPECT_NE(MatchLine(" 1.250 y", "@P", {1.25}), "");  // extra text
}

TEST(LayoutCheck, RefusesLinesWithoutCrLf) {
    std::vector<std::string> lines;
    EXPECT_FALSE(test::SplitCrLf("a\r\nb\n", lines));
    EXPECT_FALSE(test::SplitCrLf("a\nb\r\n", lines));
    EXPECT_FALSE(test::SplitCrLf("a\r\nb", lines));
    EXPECT_TRUE(test::SplitCrLf("a\r\n\r\n", lines));
    EXPECT_EQ(lines.size(), 2u);
}

}  // namespace
}  // namespace voriel

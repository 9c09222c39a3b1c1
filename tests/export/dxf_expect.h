// Test support: the expected lines of the DXF records, written out from the record layouts.
#pragma once

#include <string>

#include "export/layout_check.h"

namespace voriel::test {

// "999", the comment, "  0", "SECTION", "  2", "ENTITIES".
void ExpectDxfHead(ExpectedFile& e, const std::string& comment);
// "  0", "ENDSEC", "  0", "EOF".
void ExpectDxfEnd(ExpectedFile& e);
// The 12 header lines of a polyline of colour c (1..9).
void ExpectDxfPolyline(ExpectedFile& e, int c);
// The 16 lines of a vertex of colour c (1..9) at (x, y, z).
void ExpectDxfVertex(ExpectedFile& e, int c, double x, double y, double z);
// "  0" (or " 0 " for the developed outlines) and "SEQEND".
void ExpectDxfSeqEnd(ExpectedFile& e, bool printedZero = false);

}  // namespace voriel::test

#include <array>
#include <vector>

namespace voriel::test {

// A polyline as a DXF reader sees it: its colour and its vertices.
struct ReadPolyline {
    int colour = 0;
    std::vector<std::array<double, 3>> vertices;
};

// Reads the polylines of a DXF text (group code and value pairs); the reader trims the blanks
// around group codes as DXF readers do.
std::vector<ReadPolyline> ReadDxfPolylines(const std::string& text);

}  // namespace voriel::test

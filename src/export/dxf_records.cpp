// The DXF frame, polyline, vertex and sequence-end records.
#include "export/dxf_records.h"

#include <string>

#include "export/file_text.h"
#include "text/number_text.h"

namespace voriel {

namespace {

// Colour values are right-justified in seven characters: five blanks and Str's sign position.
std::string colourText(int16_t colour) {
    return "     " + Str(colour);
}

std::string coordinateText(double v) {
    return Format(v, "0.0000 ");
}

}  // namespace

void DxfFrameHead(std::ostream& out, std::string_view comment) {
    PutLine(out, "999");
    PutLine(out, OneLine(comment));
    PutLine(out, "  0");
    PutLine(out, "SECTION");
    PutLine(out, "  2");
    PutLine(out, "ENTITIES");
}

void DxfFrameEnd(std::ostream& out) {
    PutLine(out, "  0");
    PutLine(out, "ENDSEC");
    PutLine(out, "  0");
    PutLine(out, "EOF");
}

void DxfPolyline(std::ostream& out, int16_t colour) {
    PutLine(out, "  0");
    PutLine(out, "POLYLINE");
    PutLine(out, "  8");
    PutLine(out, "1");
    PutLine(out, " 62");
    PutLine(out, colourText(colour));
    PutLine(out, " 66");
    PutLine(out, "      1");
    PutLine(out, "  6");
    PutLine(out, "CONTINUOUS");
    PutLine(out, " 70");
    PutLine(out, "      8");
}

void DxfVertex(std::ostream& out, int16_t colour, double x, double y, double z) {
    PutLine(out, "  0");
    PutLine(out, "VERTEX");
    PutLine(out, "  8");
    PutLine(out, "1");
    PutLine(out, " 62");
    PutLine(out, colourText(colour));
    PutLine(out, "  6");
    PutLine(out, "CONTINUOUS");
    PutLine(out, " 70");
    PutLine(out, "     32");
    PutLine(out, " 10");
    PutLine(out, coordinateText(x));
    PutLine(out, " 20");
    PutLine(out, coordinateText(y));
    PutLine(out, " 30");
    PutLine(out, coordinateText(z));
}

void DxfSeqEnd(std::ostream& out) {
    PutLine(out, "  0");
    PutLine(out, "SEQEND");
}

void DxfSeqEndPrinted(std::ostream& out) {
    PutLine(out, " 0 ");
    PutLine(out, "SEQEND");
}

}  // namespace voriel

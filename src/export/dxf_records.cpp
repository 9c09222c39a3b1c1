// The DXF frame, polyline, vertex and sequence-end records.
#include "export/dxf_records.h"

#include <string>

#include "export/file_text.h"
#include "text/number_text.h"

namespace voriel {

namespace {

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

// Colour values are right-justified in seven characters: five blanks and Str's sign position.
DxfColour::DxfColour(int16_t colourIndex) : index(colourIndex), text("     " + Str(colourIndex)) {}

void DxfPolyline(std::ostream& out, int16_t colour) {
    DxfPolyline(out, DxfColour(colour));
}

void DxfPolyline(std::ostream& out, const DxfColour& colour) {
    out << "  0\r\nPOLYLINE\r\n  8\r\n1\r\n 62\r\n"
        << colour.text << "\r\n 66\r\n      1\r\n  6\r\nCONTINUOUS\r\n 70\r\n      8\r\n";
}

void DxfVertex(std::ostream& out, int16_t colour, double x, double y, double z) {
    DxfVertex(out, DxfColour(colour), x, y, z);
}

void DxfVertex(std::ostream& out, const DxfColour& colour, double x, double y, double z) {
    // One record of 16 lines, built whole and written at once.
    std::string record;
    record.reserve(160);
    record += "  0\r\nVERTEX\r\n  8\r\n1\r\n 62\r\n";
    record += colour.text;
    record += "\r\n  6\r\nCONTINUOUS\r\n 70\r\n     32\r\n 10\r\n";
    record += coordinateText(x);
    record += "\r\n 20\r\n";
    record += coordinateText(y);
    record += "\r\n 30\r\n";
    record += coordinateText(z);
    record += "\r\n";
    out << record;
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

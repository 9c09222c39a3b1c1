// The DXF records every DXF file is made of: the frame, the 3-D polyline header, its vertices
// and its end.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace voriel {

// "999", the comment (control characters made blanks), then the opening of the ENTITIES section.
void DxfFrameHead(std::ostream& out, std::string_view comment);

// "  0", "ENDSEC", "  0", "EOF".
void DxfFrameEnd(std::ostream& out);

// An AutoCAD colour index with the text of its value line (five blanks and Str of the index),
// made once for every record of a polyline.
struct DxfColour {
    explicit DxfColour(int16_t colourIndex);
    int16_t index;
    std::string text;
};

// The 12 lines opening a 3-D polyline on layer "1", linetype CONTINUOUS, AutoCAD colour index
// `colour`.
void DxfPolyline(std::ostream& out, int16_t colour);
void DxfPolyline(std::ostream& out, const DxfColour& colour);

// The 16 lines of one 3-D polyline vertex; coordinates in metres, written "0.0000 ".
void DxfVertex(std::ostream& out, int16_t colour, double x, double y, double z);
void DxfVertex(std::ostream& out, const DxfColour& colour, double x, double y, double z);

// "  0", "SEQEND": the end of the lines and station polylines.
void DxfSeqEnd(std::ostream& out);

// " 0 ", "SEQEND": the end of the developed outlines, whose group code has always been written
// as a printed number; DXF readers take it as code 0.
void DxfSeqEndPrinted(std::ostream& out);

}  // namespace voriel

// Hull sections as polygons: clipping by a line and the integrals of what is kept.
#pragma once

#include <cstdint>
#include <vector>

namespace voriel {

// What an edge of a section polygon is: hull surface (bottom or plank), the deck closing the
// section at sheer height, the centre plane, an end facet seen edge-on, or the waterline.
enum class EdgeKind : uint8_t { Bottom, Plank, Deck, Centre, EndFacet, Water };

// Vertices whose crossing by the waterline along X puts a kink in the integrands, so that the
// integration splits its panels there (None for the smooth samples of a curved bottom).
enum class Track : int8_t {
    None,
    Keel,
    Chine1,
    Chine2,
    Chine3,
    Sheer,
    StemIn,   // a plank or the bottom meeting the centre plane (pointed forefoot)
    StemOut,  // the same, leaving the positive side
    CutLow,   // the hull meeting the lower edge of a transom or bow facet
    CutHigh,  // the hull meeting the upper edge of one (CutLow + 2j, CutHigh + 2j in band j)
};

// d(y, z)/dX of a point of the surface an edge lies on, at a fixed place on that surface; with
// the edge's normal it gives how much more surface than edge length one unit of X holds.
struct SurfaceSlope {
    double dy = 0.0, dz = 0.0;
};

struct SectionVertex {
    double y = 0.0, z = 0.0;           // m, half breadth and height
    EdgeKind edge = EdgeKind::Centre;  // the edge from this vertex to the next
    Track track = Track::None;
    SurfaceSlope start, end;  // the edge's surface slope here and at the next vertex
    // A curved edge is the quadratic Bezier arc from this vertex to the next with this control
    // point (the arc through a sample of the curve halfway along it); otherwise it is straight.
    bool curved = false;
    double cy = 0.0, cz = 0.0;
};

// The control point of the quadratic arc from p to q through m at its middle.
inline void CurveThrough(SectionVertex& p, double my, double mz, double qy, double qz) {
    p.curved = true;
    p.cy = 2 * my - (p.y + qy) / 2;
    p.cz = 2 * mz - (p.z + qz) / 2;
}

// Counter-clockwise in the (y, z) plane (y to the right, z up): keel, up the side, back along the
// deck and down the centre plane.
using SectionPolygon = std::vector<SectionVertex>;

// The points kept by a line: ny*y + nz*z <= c.
struct SectionLine {
    double ny = 0.0, nz = 1.0, c = 0.0;
};

// Keeps the side of the line given (Sutherland-Hodgman, a curved edge split where it crosses the
// line: a polygon that the line splits in two stays one polygon joined by edges along the line,
// which add nothing to any integral below).
// The new edges along the line get the kind cut; a vertex where the line crosses a hull edge
// gets the track enter (the polygon coming back in) or exit. out is overwritten.
void ClipPolygon(const SectionPolygon& in, const SectionLine& line, EdgeKind cut, Track enter,
                 Track exit, SectionPolygon& out);

// The integrals of one polygon, per unit length along X where that applies.
struct SliceIntegrals {
    double area = 0.0;     // m2
    double momentY = 0.0;  // m3, of the area about the centre plane
    double momentZ = 0.0;  // m3, of the area about Z = 0
    double chord = 0.0;    // m, length of the water edges (the waterline inside the section)
    double chordY = 0.0;   // m2, their first moment in y
    double chordYY = 0.0;  // m3, their second moment in y
    double wetted = 0.0;   // m, bottom and plank edges, each times its surface's stretch along X
    bool deckWet = false;  // a deck edge is kept (under water)
};

SliceIntegrals Integrate(const SectionPolygon& polygon, const SectionLine& water);

// Lowest height of the polygon's vertices (m); +infinity for an empty polygon.
double LowestZ(const SectionPolygon& polygon);

// Greatest half breadth at height z on the polygon's hull edges; 0 when none reaches z.
double HalfBreadthAt(const SectionPolygon& polygon, double z);

}  // namespace voriel

// The true hull below any plane: volume, centre, waterplane and wetted surface, integrated along
// X by Gauss panels between breakpoints, split again where the waterline meets a knuckle.
#pragma once

#include <cmath>
#include <vector>

#include "hull/hull.h"
#include "hydro/exact_section.h"
#include "hydro/exact_shape.h"

namespace voriel {

// The water plane in the hull's frame. The water covers the points where
// cos(heel)*(Z - tan(pitch)*X) - sin(heel)*Y <= level: in each section the waterline makes the
// angle heel with the horizontal, and on the centre plane it rises tan(pitch) per metre forward.
// Upright, level is the waterline height at X = 0, as the window's z.
struct Waterplane {
    double level = 0.0;  // m
    double pitch = 0.0;  // rad, bow down positive, as the window's pitch angle
    double heel = 0.0;   // rad, positive with the +Y side going down
};

// The plane's sines and slopes, worked out once: the lines that keep the water's side in a
// section at X, for the +Y half and for the -Y half seen mirrored onto +Y, and how far a point
// of that section lies above the water (0 where the waterline passes through it).
struct PlaneTrig {
    double sinHeel, cosHeel, rise, level;
    explicit PlaneTrig(const Waterplane& p)
        : sinHeel(std::sin(p.heel)),
          cosHeel(std::cos(p.heel)),
          rise(std::cos(p.heel) * std::tan(p.pitch)),
          level(p.level) {}
    double c(double x) const { return level + rise * x; }
    SectionLine starboard(double x) const { return {-sinHeel, cosHeel, c(x)}; }
    SectionLine port(double x) const { return {sinHeel, cosHeel, c(x)}; }
    // side 1: the +Y half; side -1: the -Y half mirrored.
    double above(double y, double z, double x, double side) const {
        return -side * sinHeel * y + cosHeel * z - c(x);
    }
};

struct ImmersedIntegrals {
    double volume = 0.0;                                 // m3
    double momentX = 0.0, momentY = 0.0, momentZ = 0.0;  // m4, about X = 0, Y = 0, Z = 0
    // The waterline's length inside each section, integrated along X: the waterplane seen along
    // the sections' planes (d volume / d level), with its moments in X and, upright, in Y.
    double chordArea = 0.0;      // m2
    double chordMomentX = 0.0;   // m3
    double chordMomentXX = 0.0;  // m4
    double chordMomentYY = 0.0;  // m4
    double wettedSurface = 0.0;  // m2, bottom, planks and end facets under water
    bool deckImmersed = false;   // some of the deck closing the sections is under water
};

// A corner of a section that the integration follows along X (a line of the hull, or where the
// hull meets the centre plane or an end facet): the waterline crossing it puts a kink in the
// integrands.
struct TrackedCorner {
    Track track = Track::None;
    int occurrence = 0;  // among the section's corners of that track, in polygon order
    double y = 0.0, z = 0.0;
};

// A section kept between computations: at a Gauss node (weight > 0) or at a panel's end.
struct ExactStation {
    double x = 0.0;       // m
    double weight = 0.0;  // m, the node's share of its panel's length
    std::vector<SectionPolygon> polygons;
    double lowZ = 0.0;  // m, the section's lowest point
    // Its tracked corners, ordered by track and occurrence. At an interval's end, those of the
    // section just inside the interval: a line ending there is still followed up to its end.
    std::vector<TrackedCorner> corners;
};

// A planar end facet (transom or pram bow): X = x0 + slope*(z - z0); its outline in (Y, Z) on
// the positive side, counter-clockwise.
struct ExactFacet {
    double x0 = 0.0, z0 = 0.0, slope = 0.0;
    SectionPolygon half;
};

struct ExactHull {
    ExactShape shape;
    // Per interval between breakpoints (the shape's, and where a tracked corner appears or
    // vanishes between them): the panel ends and the Gauss nodes, in increasing X; a panel is an
    // end, kGaussNodes nodes and the next end.
    std::vector<std::vector<ExactStation>> intervals;
    std::vector<ExactFacet> facets;
    double keelZ = 0.0;  // m, height of K, the lowest point of the hull
    double xMin = 0.0, xMax = 0.0;
};

constexpr int kGaussNodes = 4;

ExactHull BuildExactHull(ExactShape shape);
ExactHull BuildExactHull(const Hull& hull, const ExactSettings& settings = {});

// The section at one station and what the plane keeps of it, both sides.
struct StationSlice {
    double x = 0.0;
    SliceIntegrals slice;
    double lowZ = 0.0;
};

// Integrates the part below the plane. With slices, also gives what the plane keeps of every
// kept section (panel ends and nodes, in increasing X), for searches along X.
ImmersedIntegrals Immerse(const ExactHull& hull, const Waterplane& plane,
                          std::vector<StationSlice>* slices = nullptr);

// What the plane keeps of the section at any X, both sides (a section traced afresh).
StationSlice SliceAt(const ExactHull& hull, const Waterplane& plane, double x);

}  // namespace voriel

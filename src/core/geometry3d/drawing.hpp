#pragma once
// One frame of the turning ball-and-stick model, in the 3D view's own coordinates: centre
// (100, 100), y downwards; the canvas maps x = -20 to the view's left edge.
#include <array>
#include <cstdint>

#include "core/canvas/canvas.hpp"
#include "core/geometry3d/classification.hpp"

namespace tavir {

struct FrameOptions {
    bool compact = false;  // `compact` ticked: shorter bonds, no bond lines
    bool figure = false;   // `tetra1` ticked: tetrahedron, plane outline or axis
};

struct ViewPoint {
    int16_t x = 0;
    int16_t y = 0;
    bool operator==(const ViewPoint&) const = default;
};

constexpr int kViewCentre = 100;

// Rounds to the nearest integer, halves to the even neighbour.
int16_t nearest(double v);

// Turns a point about the view centre by frameCounter / 100 radians in the screen plane.
void tourneplan(int16_t& x, int16_t& y, int frameCounter);

// The four places p1..p4 of the one-centre tetrahedral model, tilted.
std::array<ViewPoint, 4> tetrahedralPlaces(int frameCounter, bool compact);

// Clears the canvas and draws the routine's frame for this counter. An idle decision
// (ax2ax2 with nothing to draw) leaves the canvas untouched. A rotation sign of 0 counts as 1.
void drawGeometryFrame(const GeometryDecision& decision, int frameCounter, int rotationSign,
                       const FrameOptions& options, Canvas& canvas);

}  // namespace tavir

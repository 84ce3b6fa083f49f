#pragma once
// The four pictures of the main window, drawn from an analysis: one table of their sizes and
// origins, and one drawing routine for the windows, the clipboard, the printer, the companion,
// the benchmarks and the tests alike.
#include <cstdint>
#include <optional>

#include "core/analysis/analysis.hpp"
#include "core/canvas/canvas.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "core/geometry3d/drawing.hpp"

namespace tavir {

// In the order a construction's pictures are printed, the formula box apart.
enum class View : uint8_t { Board, DotStructure, Animation, Formula };

struct ViewGeometry {
    int width;   // pixels on screen
    int height;
    // The view's own coordinates at its top-left pixel: the drawing routines work in board
    // units (the dot structure) or around the model's centre (the 3D view).
    int originX;
    int originY;
};

constexpr ViewGeometry viewGeometry(View view) {
    switch (view) {
    case View::Board: return {129, 97, 0, 0};
    case View::DotStructure: return {265, 201, -60, -36};
    case View::Animation: return {242, 202, -20, 0};
    case View::Formula: return {129, 33, 0, 0};
    }
    return {0, 0, 0, 0};
}

// The pose of the turning model.
struct Pose {
    int counter = 0;       // the frame counter, 0..627
    int rotationSign = 1;  // flipped at each wrap of the counter
    bool operator==(const Pose&) const = default;
};

// The ticks that change a picture without changing the analysis.
struct ViewOptions {
    DotOptions dot;        // `Check1`, `Check2`, `Check3`
    FrameOptions frame;    // `compact`, `tetra1`
    int focusedCell = -1;  // the board's keyboard frame; -1 for none
};

// What a view is painted over: its back colour (none: see-through) and its backdrop.
struct ViewLook {
    std::optional<Rgb> back = Rgb{255, 255, 255};
    Backdrop backdrop = Backdrop::None;
    bool operator==(const ViewLook&) const = default;
};
// Each view as it looks on screen.
ViewLook screenLook(View view);
// The 3D view on white, with or without its bands: copied and saved with them, printed
// without them.
ViewLook whiteLook(bool withBackdrop);
// The 3D view copied or saved without its background: no bands and no colour, so that the
// model sits on whatever the picture is pasted over.
ViewLook bareLook();

// Draws one view in its own coordinates (see ViewGeometry): the board with its bonds and
// atoms; the formula of an accepted construction; the dot structure and the 3D frame of a
// shown one. A picture with nothing to show is cleared.
void drawView(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, Canvas& canvas);

// The same view as a picture: its top-left pixel at the canvas's origin, one unit per screen
// pixel, over `look`. The canvas's transform is left as it was.
void drawViewPicture(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, const ViewLook& look,
                     Canvas& canvas);
// The same with `frame`, a part of the view's coordinates, at the canvas's origin instead.
void drawViewPicture(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, const ViewLook& look,
                     const ViewGeometry& frame, Canvas& canvas);

// How far a cropped picture reaches beyond its drawing, in screen pixels.
constexpr int kPictureMargin = 8;
// The part of a view that a copied or saved picture shows: the dot structure cropped to its
// drawing and the margin, within the view, rather than mostly blank; the other views and an
// empty dot structure whole. The canvas measures the texts.
ViewGeometry pictureGeometry(View view, const Analysis& analysis, const ViewOptions& options, Canvas& canvas);

}  // namespace tavir

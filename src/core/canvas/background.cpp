#include <algorithm>
#include <array>
#include <cmath>

#include "core/board/topology.hpp"
#include "core/canvas/canvas.hpp"

namespace tavir {

namespace {

// The light squares that show the pupil where the twelve cells are.
void drawCellGrid(Canvas& canvas) {
    constexpr Rgb kGridColour{225, 225, 225};
    for (const auto& pos : kGridPositions)
        canvas.dottedBox(pos.left + 2, pos.top + 2, pos.left + kCellSize - 3, pos.top + kCellSize - 3, kGridColour);
}

// The blue-grey bands behind the 3D model, lightest across the middle row, centred on row 101.
void drawGradientRows(Canvas& canvas, const Background& b) {
    for (int i = 0; i <= 101; ++i) {
        const int blue = std::min(255, 221 + static_cast<int>(std::lround(i / 3.0)));
        const Rgb colour{static_cast<uint8_t>(200 - i), static_cast<uint8_t>(200 - i), static_cast<uint8_t>(blue)};
        canvas.line(b.x, 101 + i, b.x + b.width, 101 + i, colour, 1);
        canvas.line(b.x, 101 - i, b.x + b.width, 101 - i, colour, 1);
    }
}

void fillGradient(Canvas& canvas, const Background& b) {
    static constexpr std::array<GradientStop, 3> kBands{{
        {0, {99, 99, 255}},
        {0.5, {200, 200, 221}},
        {1, {99, 99, 255}},
    }};
    canvas.verticalGradient(b.x, b.y, b.width, b.height, kBands);
}

}  // namespace

void paintBackground(Canvas& canvas, bool rows) {
    const Background b = canvas.background();
    if (b.colour) canvas.box(b.x, b.y, b.x + b.width - 1, b.y + b.height - 1, *b.colour, true);
    else canvas.erase(b.x, b.y, b.width, b.height);
    switch (b.backdrop) {
    case Backdrop::None: return;
    case Backdrop::CellGrid: drawCellGrid(canvas); return;
    case Backdrop::Gradient:
        if (rows) drawGradientRows(canvas, b);
        else fillGradient(canvas, b);
        return;
    }
}

}  // namespace tavir

#pragma once
// The electron-dot structure: symbols where the atoms stand, bond strokes, non-bonding bars
// and, on request, formal-charge marks. Drawn in board coordinates; the caller's canvas maps
// them onto the dot-structure box.
#include <array>
#include <string>

#include "core/board/construction.hpp"
#include "core/board/topology.hpp"
#include "core/canvas/canvas.hpp"

namespace tavir {

using CellPositions = std::array<CellPosition, kCellCount>;

// The ticks of the three option boxes.
struct DotOptions {
    bool redBonds = false;       // Check1: bonding strokes in red
    bool blueBars = false;       // Check2: non-bonding bars in blue
    bool formalCharges = false;  // Check3: formal-charge marks
};

// Clears the canvas and draws the whole dot structure of the construction, each cell at its
// board position (corner cells as the analysis placed them).
void reptavir(const Construction& c, const CellPositions& positions, const DotOptions& options,
              Canvas& canvas);

// The non-bonding bars of all twelve cells, in the plan's order (see pairs.hpp).
void dessdoublets(const Construction& c, const CellPositions& positions, bool blueBars, Canvas& canvas);

// Formal-charge marks of every atom whose charge is not 0: a white disc with the charge text.
void drawFormalCharges(const Construction& c, const CellPositions& positions, Canvas& canvas);

struct Offset {
    int x = 0;
    int y = 0;
    bool operator==(const Offset&) const = default;
};
// Where a cell's charge mark is centred, from the cell's Left and Top.
Offset chargeMarkOffset(const Construction& c, int cell);
// "-" for -1, "+" for 1, "2-" for -2, "2+" for 2 ...; "" for 0. q is bonds minus valence.
std::string chargeMarkText(int q);

}  // namespace tavir

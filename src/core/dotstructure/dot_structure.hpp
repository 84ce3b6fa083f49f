#pragma once
// The electron-dot structure: symbols where the atoms stand, bond strokes, non-bonding bars
// and, on request, formal-charge marks. Drawn in board coordinates; the caller's canvas maps
// them onto the dot-structure box.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/board/construction.hpp"
#include "core/board/topology.hpp"
#include "core/canvas/canvas.hpp"

namespace tavir {

using CellPositions = std::array<CellPosition, kCellCount>;

// The part of the board's plane that the dot-structure box shows.
struct ViewBounds {
    int left, top, width, height;
    bool operator==(const ViewBounds&) const = default;
};
constexpr ViewBounds dotStructureBounds() { return {-60, -36, 265, 201}; }

// The ticks of the three option boxes.
struct DotOptions {
    bool redBonds = false;       // Check1: bonding strokes in red
    bool blueBars = false;       // Check2: non-bonding bars in blue
    bool formalCharges = false;  // Check3: formal-charge marks
    bool polarity = false;       // "Afficher la polarité": δ+ and δ- beside polarised bonds' atoms
};

// Clears the canvas and draws the whole dot structure of the construction, each cell at its
// board position (corner cells as the analysis placed them).
void reptavir(const Construction& c, const CellPositions& positions, const DotOptions& options,
              Canvas& canvas);

// The non-bonding bars of all twelve cells, in the plan's order (see pairs.hpp), then each
// electron vacancy as an empty box where the pair would stand.
void dessdoublets(const Construction& c, const CellPositions& positions, bool blueBars, Canvas& canvas);

// The four corners of a centre's vacancy box, in drawing order; all zero without a vacancy.
std::array<std::array<int, 2>, 4> vacancyCorners(const Construction& c, const CellPositions& positions, int cell);

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

// A partial charge written beside its atom: "δ+" or "δ−" centred on (x, y).
struct PartialChargeMark {
    int cell;
    bool plus;
    int x, y;
    bool operator==(const PartialChargeMark&) const = default;
};
std::string partialChargeText(bool plus);
// One mark per sign an atom bears (see polarity.hpp), each at the first place around the atom
// where it covers no stroke, bar, symbol, charge disc or earlier mark and stays in the view.
std::vector<PartialChargeMark> partialChargeMarks(const Construction& c, const CellPositions& positions,
                                                  bool formalCharges, Canvas& canvas);
void drawPartialCharges(const Construction& c, const CellPositions& positions, bool formalCharges, Canvas& canvas);

// The smallest box, in board units, holding every symbol, stroke, bar, vacancy box and mark
// that reptavir draws with these options (the canvas measures the texts); none for a drawing
// without any.
std::optional<ViewBounds> dotStructureDrawingBox(const Construction& c, const CellPositions& positions,
                                                 const DotOptions& options, Canvas& canvas);

}  // namespace tavir

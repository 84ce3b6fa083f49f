#pragma once
// Which non-bonding pairs the dot structure shows, and on which side of each atom.
// The drawing and the companion's report both read this one plan.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/board/construction.hpp"

namespace tavir {

enum class PairPosition { Top, Bottom, Left, Right, UpperLeft, UpperRight, LowerLeft, LowerRight };

// The bars of one cell, in drawing order.
std::vector<PairPosition> pairPositions(const Construction& c, int cell);
// Where a centre's electron vacancy is drawn: the place its non-bonding pair would take.
std::optional<PairPosition> vacancyPosition(const Construction& c, int cell);
// The bars of every cell, in drawing order per cell.
std::array<std::vector<PairPosition>, kCellCount> pairPlan(const Construction& c);

// "top", "bottom", "left", "right", "upper-left", "upper-right", "lower-left", "lower-right".
std::string_view pairName(PairPosition position);
std::array<std::vector<std::string>, kCellCount> pairNames(const Construction& c);

}  // namespace tavir

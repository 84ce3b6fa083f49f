#pragma once
// The fixed shape of the 12-cell board: which cell belongs to which centre, where cells stand.
#include <array>
#include <cstdint>

namespace tavir {

constexpr int kCellCount = 12;
constexpr int kSlotCount = 12;  // slot 0 never used
constexpr int kCellSize = 32;

// Cells owned by each centre, in the order the crowding test walks them.
constexpr std::array<int, 5> kCentre0Cells{5, 6, 7, 8, 9};
constexpr std::array<int, 5> kCentre1Cells{10, 11, 2, 3, 4};
constexpr std::array<int, 4> kCornerCells{3, 6, 8, 11};
// Centre 1's cells in the order of their slot numbers, the order the slot loops read them.
constexpr std::array<int, 5> kCentre1CellsBySlot{2, 3, 4, 10, 11};
// Each centre's three leading cells: the first of its walk, which take an atom's first place.
constexpr std::array<int, 3> kCentre0LeadingCells{5, 6, 7};
constexpr std::array<int, 3> kCentre1LeadingCells{10, 11, 2};
// Every slot that starts from a centre: slot 1 between the two centres, then its own cells'.
constexpr std::array<int, 6> kCentre0Slots{1, 5, 6, 7, 8, 9};
constexpr std::array<int, 6> kCentre1Slots{1, 2, 3, 4, 10, 11};
// Centre 1's side of the board: the centre itself, then its cells in slot order.
constexpr std::array<int, 6> kCentre1Side{1, 2, 3, 4, 10, 11};

// The centre a slot starts from: 0 for slots 1 and 5..9, 1 for slots 2..4, 10, 11.
constexpr int slotCentre(int slot) { return (slot == 1 || (slot >= 5 && slot <= 9)) ? 0 : 1; }
// The other cell of a slot: cell 1 for slot 1, cell k for slot k.
constexpr int slotOtherCell(int slot) { return slot == 1 ? 1 : slot; }
constexpr bool isCorner(int cell) { return cell == 3 || cell == 6 || cell == 8 || cell == 11; }

struct CellPosition {
    int16_t left = 0;
    int16_t top = 0;
    bool operator==(const CellPosition&) const = default;
};

// Grid positions in board pixels (4 columns x 3 rows of 32-pixel cells).
constexpr std::array<CellPosition, kCellCount> kGridPositions{{
    {32, 32}, {64, 32}, {96, 32}, {96, 64}, {64, 64}, {32, 64},
    {0, 64},  {0, 32},  {0, 0},   {32, 0},  {64, 0},  {96, 0},
}};

// Where the cells stand before the first analysis: cell 3 is designed 8 pixels higher.
constexpr std::array<CellPosition, kCellCount> designPositions() {
    auto p = kGridPositions;
    p[3] = {96, 56};
    return p;
}

}  // namespace tavir

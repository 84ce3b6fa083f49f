#pragma once
// Editing the board without a mouse: a focused cell moved by the arrows, and keys that do
// what the palette drop, the drag off the board and the bond menu do.
#include <optional>

#include "core/board/bond_menu.hpp"
#include "core/board/construction.hpp"

namespace tavir {

class Workspace;

enum class BoardKey {
    Left,
    Right,
    Up,
    Down,
    Carbon,
    Hydrogen,
    Oxygen,
    Nitrogen,
    Chlorine,
    Remove,
    Order1,
    Order2,
    Order3,
    // The carbon's fourth place: its non-bonding pair, or an electron vacancy, in turn.
    Vacancy,
};

// The key a typed character stands for: C, H, O, N, L, V (either case) and 1, 2, 3.
std::optional<BoardKey> boardKeyForCharacter(char c);

// The cell beside `cell` on the 4 x 3 grid in the arrow's direction; the same cell at an edge.
int neighbourCell(int cell, BoardKey arrow);

// The bond a cell's order keys change: the centres share slot 1, any other cell has its own.
constexpr int bondSlotOfCell(int cell) { return cell <= 1 ? 1 : cell; }

// Applies a key to the focused cell through the same entry points as the mouse, so the
// analysis, undo and views behave alike. Arrows move `focusedCell`. False when the key
// changed nothing because the board does not allow it (an order the bond menu would grey
// out, no bond, an empty cell to remove): the window beeps.
bool applyBoardKey(Workspace& workspace, int& focusedCell, BoardKey key);

}  // namespace tavir

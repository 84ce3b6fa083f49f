#pragma once
// The board picture: bond strokes between cell centres, atom pictures over them.
#include "core/board/board.hpp"
#include "core/canvas/canvas.hpp"

namespace tavir {

// Strokes of one bond slot: dep is the centre cell, arr the other cell, nb the order.
void dessliaison(const Board& board, Canvas& canvas, int dep, int arr, int nb);
// Clears the canvas, draws every bond, then every atom picture.
void drawBoard(const Board& board, Canvas& canvas);
// The keyboard's focus: a two-pixel light-blue frame just inside the cell where it stands now.
void drawCellFocus(const Board& board, Canvas& canvas, int cell);

}  // namespace tavir

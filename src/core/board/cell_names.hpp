#pragma once
// What a screen reader says of a board cell: where it is, what it holds and its bond.
#include <string>

#include "core/board/board.hpp"

namespace tavir {

// "Case ligne 2, colonne 1 : carbone".
std::string cellAccessibleName(const Board& board, int cell);
// "liaison double": the bond the cell's order keys change.
std::string cellBondDescription(const Board& board, int cell);

}  // namespace tavir

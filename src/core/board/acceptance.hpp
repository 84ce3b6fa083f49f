#pragma once
#include "core/board/construction.hpp"

namespace tavir {

// Every atom carries exactly its usual valence (an empty board qualifies).
bool isAccepted(const Construction& c);
// Bonds minus usual valence of the atom in a cell.
int formalCharge(const Construction& c, int cell);

}  // namespace tavir

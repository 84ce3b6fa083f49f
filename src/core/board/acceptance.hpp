#pragma once
#include "core/board/construction.hpp"

namespace tavir {

// Every atom carries exactly its usual valence (an empty board qualifies).
bool isAccepted(const Construction& c);
// An ion the pupil may build while the formal charges are shown: every charge -1, 0 or +1,
// at least one not 0, and no charged hydrogen but a lone hydride.
bool isAcceptedIon(const Construction& c);
// What the analysis accepts: a neutral construction, and with the charges shown an ion too.
bool isAccepted(const Construction& c, bool formalCharges);
// Bonds minus usual valence of the atom in a cell.
int formalCharge(const Construction& c, int cell);

}  // namespace tavir

#pragma once
// What a right click on a board cell offers: which bond slot, and up to which order.
#include <optional>

#include "core/board/construction.hpp"

namespace tavir {

struct BondMenuChoice {
    int slot = 0;
    int highestOrder = 0;  // the smaller free valence of the two ends
    bool simpleEnabled = true;
    bool doubleEnabled = true;
    bool tripleEnabled = true;
};

// The slot whose zone holds pixel (x, y) of the cell, 0 when none does.
int bondSlotAt(const Construction& c, int cell, int x, int y);
// ceiling + order - bonds, for the weaker of the slot's two ends; the ceiling is the usual
// valence, one more on nitrogen and oxygen while ions may be built. With ions no order is
// offered that would charge both ends positively: no construction keeps two bonded cations.
int highestBondOrder(const Construction& c, int slot, bool ions = false);
// The bond menu of a slot as a right click on its zone would open it; nothing without a bond.
std::optional<BondMenuChoice> bondMenuForSlot(const Construction& c, int slot, bool ions = false);
// The menu to show, or nothing when no existing bond lies under the pointer.
std::optional<BondMenuChoice> bondMenuAt(const Construction& c, int cell, int x, int y, bool ions = false);

// What a right click anywhere on an atom adds to the menu (below the bond items when a bond
// lies under the pointer): the choice between "Doublet non liant" and "Lacune électronique"
// on a carbon that may hold a vacancy, only while ions may be built.
struct AtomMenuChoice {
    int cell = 0;
    bool vacancy = false;  // the choice now made
};
std::optional<AtomMenuChoice> atomMenuAt(const Construction& c, int cell, int x, int y, bool ions);

}  // namespace tavir

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
// usual valence + order - bonds, for the weaker of the slot's two ends.
int highestBondOrder(const Construction& c, int slot);
// The bond menu of a slot as a right click on its zone would open it; nothing without a bond.
std::optional<BondMenuChoice> bondMenuForSlot(const Construction& c, int slot);
// The menu to show, or nothing when no existing bond lies under the pointer.
std::optional<BondMenuChoice> bondMenuAt(const Construction& c, int cell, int x, int y);

}  // namespace tavir

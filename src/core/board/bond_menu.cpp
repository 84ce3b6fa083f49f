#include "core/board/bond_menu.hpp"

#include <algorithm>

#include "core/board/elements.hpp"

namespace tavir {

int bondSlotAt(const Construction& c, int cell, int x, int y) {
    if (x < 0 || x > 32 || y < 0 || y > 32) return 0;
    const auto& s = c.slot;
    int chosen = 0;
    // Zones face the bond strokes; where several match, the later one wins.
    auto take = [&](bool inZone, int slot, bool always = false) {
        if (inZone && (always || s[slot] != 0)) chosen = slot;
    };
    const bool middle = x >= 11 && x <= 22;
    if (cell == 0) {
        take(x > 22, 1, true);
        take(middle && y < 16, 9);
        take(middle && y > 16, 5);
        take(x < 11, 7);
        take(x < 11 && y < 11, 8);
        take(x < 11 && y > 22, 6);
    } else if (cell == 1) {
        take(x < 11, 1, true);
        take(middle && y < 16, 10);
        take(middle && y > 16, 4);
        take(x > 22, 2);
        take(x > 22 && y < 11, 11);
        take(x > 22 && y > 22, 3);
    } else if (cell >= 2 && cell < kCellCount) {
        take(true, cell);
    }
    return chosen;
}

int highestBondOrder(const Construction& c, int slot) {
    auto freeValence = [&](int cell) {
        return usualValence(c.code[cell]) + c.slot[slot] - bondCount(c, cell);
    };
    return std::min(freeValence(slotCentre(slot)), freeValence(slotOtherCell(slot)));
}

std::optional<BondMenuChoice> bondMenuForSlot(const Construction& c, int slot) {
    if (slot < 1 || slot >= kSlotCount || c.slot[slot] == 0) return std::nullopt;
    BondMenuChoice m;
    m.slot = slot;
    m.highestOrder = highestBondOrder(c, slot);
    m.tripleEnabled = m.highestOrder >= 3;
    m.doubleEnabled = m.highestOrder >= 2;
    return m;
}

std::optional<BondMenuChoice> bondMenuAt(const Construction& c, int cell, int x, int y) {
    return bondMenuForSlot(c, bondSlotAt(c, cell, x, y));
}

}  // namespace tavir

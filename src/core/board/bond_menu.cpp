#include "core/board/bond_menu.hpp"

#include <algorithm>

#include "core/board/acceptance.hpp"
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

int highestBondOrder(const Construction& c, int slot, bool ions) {
    const int a = slotCentre(slot), b = slotOtherCell(slot);
    auto freeValence = [&](int cell) { return bondCeiling(c.code[cell], ions) + c.slot[slot] - bondCount(c, cell); };
    int highest = std::min(freeValence(a), freeValence(b));
    if (!ions) return highest;
    // More bonds only make both ends more positive: stop below the first order that would.
    for (; highest > 1; --highest) {
        Construction t = c;
        t.slot[slot] = static_cast<int16_t>(highest);
        for (int centre = 0; centre < 2; ++centre)
            t.vacancy[static_cast<std::size_t>(centre)] = t.vacancy[static_cast<std::size_t>(centre)] && canHoldVacancy(t, centre);
        if (formalCharge(t, a) <= 0 || formalCharge(t, b) <= 0) break;
    }
    return highest;
}

std::optional<BondMenuChoice> bondMenuForSlot(const Construction& c, int slot, bool ions) {
    if (slot < 1 || slot >= kSlotCount || c.slot[slot] == 0) return std::nullopt;
    BondMenuChoice m;
    m.slot = slot;
    m.highestOrder = highestBondOrder(c, slot, ions);
    m.tripleEnabled = m.highestOrder >= 3;
    m.doubleEnabled = m.highestOrder >= 2;
    return m;
}

std::optional<BondMenuChoice> bondMenuAt(const Construction& c, int cell, int x, int y, bool ions) {
    return bondMenuForSlot(c, bondSlotAt(c, cell, x, y), ions);
}

std::optional<AtomMenuChoice> atomMenuAt(const Construction& c, int cell, int x, int y, bool ions) {
    if (!ions || x < 0 || x > 32 || y < 0 || y > 32 || !canHoldVacancy(c, cell)) return std::nullopt;
    return AtomMenuChoice{cell, c.vacancy[static_cast<std::size_t>(cell)]};
}

}  // namespace tavir

#pragma once
// Builds constructions for tests from (cell, element) and (slot, order) lists.
#include <initializer_list>
#include <utility>

#include "core/board/construction.hpp"
#include "core/board/elements.hpp"

namespace tavir::testing {

using CellList = std::initializer_list<std::pair<int, int>>;
using SlotList = std::initializer_list<std::pair<int, int>>;

inline Construction makeConstruction(CellList cells, SlotList slots = {}) {
    Construction c;
    for (auto [cell, element] : cells) c.code[cell] = static_cast<int16_t>(element);
    for (auto [slot, order] : slots) c.slot[slot] = static_cast<int16_t>(order);
    return c;
}

constexpr int C = kCarbon;
constexpr int H = kHydrogen;
constexpr int O = kOxygen;
constexpr int N = kNitrogen;
constexpr int Cl = kChlorine;

}  // namespace tavir::testing

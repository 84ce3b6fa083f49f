#pragma once
// The construction record: 12 cell element codes and the bond orders of slots 1..11.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/board/topology.hpp"

namespace tavir {

constexpr std::string_view kEmptyConstructionString = "22222222222222222222222";
constexpr std::size_t kConstructionStringLength = 23;

struct Construction {
    std::array<int16_t, kCellCount> code{};
    std::array<int16_t, kSlotCount> slot{};  // slot[0] is never used

    bool operator==(const Construction&) const = default;

    bool isEmpty() const;
    // 23 characters, each value + 50: codes of cells 0..11, then orders of slots 1..11.
    std::string toString() const;
    // Lenient reading, as for a table entry: blank means empty; a damaged position
    // (missing, or outside 0..5 for a cell, 0..3 for a slot) reads as 0.
    static Construction fromString(std::string_view text);
    // Strict reading for command-line input: exactly 23 characters in range, else nothing.
    static std::optional<Construction> parse(std::string_view text);
};

// True when the entry stands for the empty construction (empty or blank after trimming).
bool isBlankEntry(std::string_view text);

// Number of bonds of the atom in a cell: the orders of the slots that touch it.
// An atom number outside 0..11 leaves resul unchanged.
void nbliaison(const Construction& c, int atom, int16_t& resul);
int bondCount(const Construction& c, int cell);

}  // namespace tavir

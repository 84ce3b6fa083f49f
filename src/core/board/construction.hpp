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
    // An electron vacancy chosen instead of the non-bonding pair of the carbon on centre 0
    // or 1 (a carbocation). Only a centre carbon can hold one, so two flags suffice.
    std::array<bool, 2> vacancy{};

    bool operator==(const Construction&) const = default;

    bool isEmpty() const;
    bool hasVacancy() const { return vacancy[0] || vacancy[1]; }
    // 23 characters, each value + 50: codes of cells 0..11, then orders of slots 1..11. A
    // construction with a vacancy adds a 24th, 50 + (1 for centre 0) + (2 for centre 1), so
    // every construction without one keeps the string it always had.
    std::string toString() const;
    // Lenient reading, as for a table entry: blank means empty; a damaged position
    // (missing, or outside 0..5 for a cell, 0..3 for a slot) reads as 0. A 24th character
    // other than "3", "4", "5" means no vacancy, and a vacancy only stays on a carbon.
    static Construction fromString(std::string_view text);
    // Strict reading for command-line input: exactly 23 characters in range, or 24 whose
    // last is a vacancy on a carbon; else nothing.
    static std::optional<Construction> parse(std::string_view text);
};

// True when the entry stands for the empty construction (empty or blank after trimming).
bool isBlankEntry(std::string_view text);

// Number of bonds of the atom in a cell: the orders of the slots that touch it.
// An atom number outside 0..11 leaves resul unchanged.
void nbliaison(const Construction& c, int atom, int16_t& resul);
int bondCount(const Construction& c, int cell);

}  // namespace tavir

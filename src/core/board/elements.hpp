#pragma once
// Element codes of a board cell and their chemistry.
#include <cstdint>
#include <string_view>

namespace tavir {

enum ElementCode : int16_t {
    kEmpty = 0,
    kCarbon = 1,
    kHydrogen = 2,
    kOxygen = 3,
    kNitrogen = 4,
    kChlorine = 5,
};

constexpr int kElementCount = 5;

// Total bond order an atom must carry to be valid; 0 for an empty cell or an unknown code.
constexpr int usualValence(int code) {
    switch (code) {
    case kCarbon: return 4;
    case kHydrogen: return 1;
    case kOxygen: return 2;
    case kNitrogen: return 3;
    case kChlorine: return 1;
    default: return 0;
    }
}

// The most bonds an atom may carry: its usual valence, one more for nitrogen and oxygen
// while ions may be built (N+ of ammonium or nitrate, O+ of oxonium or ozone).
constexpr int bondCeiling(int code, bool ions) {
    if (ions && (code == kNitrogen || code == kOxygen)) return usualValence(code) + 1;
    return usualValence(code);
}

// Pauling electronegativity in hundredths (H 2.20, C 2.55, N 3.04, O 3.44, Cl 3.16); whole
// numbers so that a difference of exactly 0.40 (N-O) meets the threshold.
constexpr int electronegativity(int code) {
    switch (code) {
    case kCarbon: return 255;
    case kHydrogen: return 220;
    case kOxygen: return 344;
    case kNitrogen: return 304;
    case kChlorine: return 316;
    default: return 0;
    }
}

constexpr std::string_view elementSymbol(int code) {
    switch (code) {
    case kCarbon: return "C";
    case kHydrogen: return "H";
    case kOxygen: return "O";
    case kNitrogen: return "N";
    case kChlorine: return "Cl";
    default: return "";
    }
}

constexpr bool isElement(int code) { return code >= kCarbon && code <= kChlorine; }

}  // namespace tavir

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

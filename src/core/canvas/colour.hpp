#pragma once
#include <cstdint>

namespace tavir {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Colour n of the standard 16-colour palette.
Rgb paletteColour(int n);

namespace palette {
constexpr int kBlack = 0;
constexpr int kCyan = 3;
constexpr int kGrey = 8;
constexpr int kLightBlue = 9;
constexpr int kLightRed = 12;
constexpr int kWhite = 15;
}  // namespace palette

}  // namespace tavir

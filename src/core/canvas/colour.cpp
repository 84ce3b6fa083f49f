#include "core/canvas/colour.hpp"

#include <array>

namespace tavir {

Rgb paletteColour(int n) {
    static constexpr std::array<Rgb, 16> table{{
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {0, 128, 128},
        {0, 0, 128},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    return table[static_cast<unsigned>(n) & 15u];
}

}  // namespace tavir

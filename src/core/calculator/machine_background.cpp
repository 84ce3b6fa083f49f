#include "core/calculator/machine_background.hpp"

#include <cmath>
#include <cstdint>

namespace tavir {

Rgb machineGradient(int x) {
    // nearbyint rounds halves to even in the default rounding mode.
    const auto c = static_cast<int>(std::nearbyint(200.0 - x / 2.0));
    return Rgb{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c + 50), static_cast<std::uint8_t>(c + 50)};
}

void drawMachineBackground(Canvas& canvas) {
    for (int x = 0; x < kMachineWidth; ++x) canvas.line(x, 0, x, kMachineHeight - 1, machineGradient(x), 1);
    const Rgb white = paletteColour(palette::kWhite);
    const Rgb black = paletteColour(palette::kBlack);
    canvas.box(1, 1, 299, 428, white, false);
    canvas.line(1, 1, 299, 1, black, 1);
    canvas.line(1, 1, 1, 428, black, 1);
    // The keypad's panel: a white outline with a cyan one over it, one pixel up and left.
    canvas.box(82, 290, 206, 421, white, false);
    canvas.box(81, 289, 205, 420, paletteColour(palette::kCyan), false);
}

}  // namespace tavir

#pragma once
// The calculator window's painted background: a light-cyan to dark-teal gradient of vertical
// lines, a white frame with a black top and left edge, and the etched panel of the keypad.
#include "core/canvas/canvas.hpp"

namespace tavir {

constexpr int kMachineWidth = 302;   // lines x = 0 .. 301
constexpr int kMachineHeight = 431;  // lines y = 0 .. 430

// The gradient's colour of line x: red c, green and blue c + 50, c = 200 - x / 2 with halves
// rounded to the even neighbour.
Rgb machineGradient(int x);

void drawMachineBackground(Canvas& canvas);

}  // namespace tavir

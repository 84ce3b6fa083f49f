#pragma once
// The element balls' pictures (assets/elements), built into the core for the canvases that
// write drawings.
#include <string_view>

namespace tavir {

// The SVG document of an element's 32 x 32 picture (code 1..5); empty for any other code.
std::string_view elementPictureSvg(int elementCode);

}  // namespace tavir

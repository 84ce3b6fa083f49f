#pragma once
// Text metrics of the program's sans-serif face without a font engine: the widths and heights
// the desktop's font gives, for the canvases that only write drawings (SVG for the companion
// and the browser).
#include <cstdint>
#include <span>
#include <string_view>

#include "core/canvas/canvas.hpp"

namespace tavir::font_metrics {

struct Advance {
    char32_t code;
    uint16_t width;  // font units
};

struct Face {
    int unitsPerEm;
    int ascent;   // font units above the baseline
    int descent;  // font units below it
    int fallbackAdvance;  // for a character the table lacks
    std::span<const Advance> advances;  // sorted by code
};

extern const Face kRegular;
extern const Face kBold;

// Point sizes are taken at 96 dots per inch, whole pixels, as the desktop asks its fonts.
int pixelSize(const Font& font);
// Whole pixels, as a desktop font reports them.
int ascent(const Font& font);
int height(const Font& font);
int width(std::string_view utf8, const Font& font);

}  // namespace tavir::font_metrics

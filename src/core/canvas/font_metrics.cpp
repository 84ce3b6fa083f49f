#include "core/canvas/font_metrics.hpp"

#include <algorithm>
#include <cmath>

#include "core/text/encoding.hpp"

namespace tavir::font_metrics {

namespace {

const Face& faceOf(const Font& font) { return font.bold ? kBold : kRegular; }

int advanceOf(const Face& face, char32_t code) {
    const auto it = std::lower_bound(face.advances.begin(), face.advances.end(), code,
                                     [](const Advance& a, char32_t c) { return a.code < c; });
    return it != face.advances.end() && it->code == code ? it->width : face.fallbackAdvance;
}

}  // namespace

int pixelSize(const Font& font) { return std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))); }

int ascent(const Font& font) {
    const Face& face = faceOf(font);
    return static_cast<int>(std::lround(double(face.ascent) * pixelSize(font) / face.unitsPerEm));
}

int height(const Font& font) {
    const Face& face = faceOf(font);
    return ascent(font) + static_cast<int>(std::lround(double(face.descent) * pixelSize(font) / face.unitsPerEm));
}

int width(std::string_view utf8, const Font& font) {
    const Face& face = faceOf(font);
    const double px = pixelSize(font);
    double total = 0;
    for (std::size_t pos = 0; pos < utf8.size();)
        total += advanceOf(face, nextUtf8(utf8, pos)) * px / face.unitsPerEm;
    return static_cast<int>(std::lround(total));
}

}  // namespace tavir::font_metrics

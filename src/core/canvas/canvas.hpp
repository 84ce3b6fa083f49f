#pragma once
// The one drawing surface of the core. The ui puts it over a QPainter; tests record it.
#include <optional>
#include <string>

#include "core/canvas/colour.hpp"

namespace tavir {

struct Font {
    double pointSize = 12;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Wipes the picture back to its back colour (and background picture, where it has one).
    virtual void clear() = 0;
    virtual void line(int x1, int y1, int x2, int y2, Rgb colour, int width) = 0;
    virtual void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) = 0;
    virtual void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) = 0;
    // Text with its top-left corner at (x, y); UTF-8.
    virtual void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) = 0;
    virtual int textWidth(const std::string& utf8, const Font& font) = 0;
    virtual int textHeight(const std::string& utf8, const Font& font) = 0;
    // The 32 x 32 picture of an element (code 1..5) with its top-left corner at (x, y).
    virtual void sprite(int x, int y, int elementCode) = 0;
};

}  // namespace tavir

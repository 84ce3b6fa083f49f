#pragma once
// The one drawing surface of the core. The desktop puts it over a QPainter, the companion and
// the browser over SVG text; tests record it.
#include <optional>
#include <span>
#include <string>

#include "core/canvas/colour.hpp"

namespace tavir {

struct Font {
    double pointSize = 12;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// What a view shows behind its drawing.
enum class Backdrop : uint8_t { None, CellGrid, Gradient };

// The rectangle clear() paints, in the canvas's current coordinates, and what over.
struct Background {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // None: the rectangle is made see-through, for a picture pasted over anything.
    std::optional<Rgb> colour = Rgb{255, 255, 255};
    Backdrop backdrop = Backdrop::None;
    bool operator==(const Background&) const = default;
};

struct GradientStop {
    double at;  // 0 at the top of the filled rectangle, 1 at its bottom
    Rgb colour;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Wipes the background rectangle back to its colour and backdrop (see paintBackground).
    virtual void clear() = 0;
    // Makes a rectangle see-through again: the clear of a background without a colour.
    virtual void erase(int x, int y, int width, int height) = 0;
    virtual void line(int x1, int y1, int x2, int y2, Rgb colour, int width) = 0;
    virtual void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) = 0;
    // An outline from corner to corner inclusive, drawn in dots.
    virtual void dottedBox(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) = 0;
    // A rectangle filled from top to bottom through the stops.
    virtual void verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) = 0;
    // Text with its top-left corner at (x, y); UTF-8.
    virtual void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) = 0;
    virtual int textWidth(const std::string& utf8, const Font& font) = 0;
    virtual int textHeight(const std::string& utf8, const Font& font) = 0;
    // The 32 x 32 picture of an element (code 1..5) with its top-left corner at (x, y).
    virtual void sprite(int x, int y, int elementCode) = 0;

    // Placing a picture on a page: the transform and the clip, saved and restored in pairs.
    virtual void save() = 0;
    virtual void restore() = 0;
    virtual void translate(double dx, double dy) = 0;
    virtual void scale(double sx, double sy) = 0;
    // Narrows the clip to a rectangle of the current coordinates.
    virtual void clipRect(int x, int y, int width, int height) = 0;
    // Smooth edges for the turning model; crisp one-pixel strokes in pure colours elsewhere.
    // Saved and restored with the transform.
    virtual void setAntialiasing(bool on) = 0;

    void setBackground(const Background& background) { background_ = background; }
    const Background& background() const { return background_; }

private:
    Background background_;
};

// What clear() draws: the background colour over its rectangle (or the rectangle erased when
// it has none), then its backdrop. `rows`
// draws the 3D view's bands as one line per row, as the screen always showed them; otherwise
// they are one smooth gradient, for paper, files and enlarged pictures.
void paintBackground(Canvas& canvas, bool rows);

}  // namespace tavir

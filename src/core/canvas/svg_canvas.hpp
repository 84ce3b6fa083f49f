#pragma once
// A Canvas that writes an SVG drawing: the companion's picture files, the browser's views and
// its prints. Text is laid out with the desktop's font metrics and drawn in the same face.
#include <array>
#include <string>
#include <vector>

#include "core/canvas/canvas.hpp"

namespace tavir {

// The element balls as SVG symbols, ids "tavir-element-1" to "tavir-element-5": a page that
// shows many drawings holds them once.
std::string elementSymbolsSvg();

class SvgCanvas : public Canvas {
public:
    enum class Sprites { Embedded, Referenced };

    // width x height: the drawing's own units (its view box), shown `scale` times larger;
    // Referenced sprites leave the element symbols to the page that shows the drawing; idPrefix
    // keeps the ids of clips and gradients apart when a page shows several drawings.
    SvgCanvas(int width, int height, double scale = 1, Sprites sprites = Sprites::Embedded,
              std::string idPrefix = "tavir");

    // The whole document; the canvas can go on drawing afterwards.
    std::string document() const;
    // What lies between <svg> and </svg>, without the symbols: for a page's own element.
    std::string body() const;

    void clear() override;
    // A drawing starts see-through: nothing is written.
    void erase(int x, int y, int width, int height) override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, int width) override;
    void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) override;
    void dottedBox(int x1, int y1, int x2, int y2, Rgb colour) override;
    void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) override;
    void verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) override;
    void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) override;
    int textWidth(const std::string& utf8, const Font& font) override;
    int textHeight(const std::string& utf8, const Font& font) override;
    void sprite(int x, int y, int elementCode) override;
    void save() override;
    void restore() override;
    void translate(double dx, double dy) override;
    void scale(double sx, double sy) override;
    void clipRect(int x, int y, int width, int height) override;
    void setAntialiasing(bool on) override;

private:
    struct Rect {
        double x1, y1, x2, y2;
        bool operator==(const Rect&) const = default;
    };
    struct State {
        double sx = 1, sy = 1, dx = 0, dy = 0;  // user to drawing units
        std::optional<Rect> clip;               // in drawing units
        bool antialiasing = true;
        bool operator==(const State&) const = default;
    };
    // Opens a group for the current state when the last one was for another.
    std::string& out();
    void closeGroup();
    // Where a one-unit stroke is centred: pixel centres for crisp strokes.
    double strokeOffset() const { return state_.antialiasing ? 0 : 0.5; }

    int width_;
    int height_;
    double scale_;
    Sprites sprites_;
    std::string idPrefix_;
    State state_;
    std::vector<State> saved_;
    std::optional<State> groupState_;
    int idCount_ = 0;
    std::array<bool, 6> usedSprites_{};
    std::string body_;
};

}  // namespace tavir

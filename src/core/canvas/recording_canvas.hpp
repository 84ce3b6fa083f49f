#pragma once
// A Canvas that keeps every call, with fixed text metrics: for tests and for the
// command-line companion, which reports what a view would draw.
#include <string>
#include <vector>

#include "core/canvas/canvas.hpp"

namespace tavir {

struct DrawCall {
    enum class Kind {
        Clear, Line, Box, DottedBox, Circle, Gradient, Text, Sprite, Save, Restore, Translate, Scale, Clip, Erase
    };
    Kind kind = Kind::Clear;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line/box ends; circle centre and radius in x2
    Rgb colour{};
    Rgb fill{};  // circles with a fill
    int width = 0;
    bool filled = false;
    std::string text;
    Font font{};
    int element = 0;
    double dx = 0, dy = 0;  // translate and scale
    bool operator==(const DrawCall&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    void clear() override;
    // Recorded as a box from (x, y) to (x + width, y + height).
    void erase(int x, int y, int width, int height) override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, int width) override;
    void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) override;
    void dottedBox(int x1, int y1, int x2, int y2, Rgb colour) override;
    // Recorded as a box from (x, y) to (x + width, y + height), with the first stop's colour.
    void verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) override;
    void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) override;
    void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) override;
    // Fixed metrics: each character is 0.6 em wide, a line is 1.5 em high (em = point size).
    int textWidth(const std::string& utf8, const Font& font) override;
    int textHeight(const std::string& utf8, const Font& font) override;
    void sprite(int x, int y, int elementCode) override;
    void save() override;
    void restore() override;
    void translate(double dx, double dy) override;
    void scale(double sx, double sy) override;
    void clipRect(int x, int y, int width, int height) override;
    // Not recorded: it changes no stroke.
    void setAntialiasing(bool) override {}

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::vector<DrawCall> callsOf(DrawCall::Kind kind) const;
    void reset() { calls_.clear(); }

private:
    DrawCall& add(DrawCall::Kind kind, int x1, int y1, int x2, int y2);
    std::vector<DrawCall> calls_;
};

}  // namespace tavir

#include "core/canvas/recording_canvas.hpp"

#include <cmath>

namespace tavir {

namespace {
int utf8Length(const std::string& s) {
    int n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0u) != 0x80u) ++n;
    return n;
}
}  // namespace

DrawCall& RecordingCanvas::add(DrawCall::Kind kind, int x1, int y1, int x2, int y2) {
    DrawCall& c = calls_.emplace_back();
    c.kind = kind;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}

void RecordingCanvas::clear() { add(DrawCall::Kind::Clear, 0, 0, 0, 0); }

void RecordingCanvas::erase(int x, int y, int width, int height) {
    add(DrawCall::Kind::Erase, x, y, x + width, y + height);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, Rgb colour, int width) {
    DrawCall& c = add(DrawCall::Kind::Line, x1, y1, x2, y2);
    c.colour = colour;
    c.width = width;
}

void RecordingCanvas::box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) {
    DrawCall& c = add(DrawCall::Kind::Box, x1, y1, x2, y2);
    c.colour = colour;
    c.filled = filled;
}

void RecordingCanvas::dottedBox(int x1, int y1, int x2, int y2, Rgb colour) {
    add(DrawCall::Kind::DottedBox, x1, y1, x2, y2).colour = colour;
}

void RecordingCanvas::verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) {
    DrawCall& c = add(DrawCall::Kind::Gradient, x, y, x + width, y + height);
    c.filled = true;
    if (!stops.empty()) c.colour = stops.front().colour;
}

void RecordingCanvas::save() { add(DrawCall::Kind::Save, 0, 0, 0, 0); }
void RecordingCanvas::restore() { add(DrawCall::Kind::Restore, 0, 0, 0, 0); }

void RecordingCanvas::translate(double dx, double dy) {
    DrawCall& c = add(DrawCall::Kind::Translate, 0, 0, 0, 0);
    c.dx = dx;
    c.dy = dy;
}

void RecordingCanvas::scale(double sx, double sy) {
    DrawCall& c = add(DrawCall::Kind::Scale, 0, 0, 0, 0);
    c.dx = sx;
    c.dy = sy;
}

void RecordingCanvas::clipRect(int x, int y, int width, int height) {
    add(DrawCall::Kind::Clip, x, y, x + width, y + height);
}

void RecordingCanvas::circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) {
    DrawCall& c = add(DrawCall::Kind::Circle, x, y, radius, 0);
    c.colour = outline;
    c.filled = fill.has_value();
    if (fill) c.fill = *fill;
}

void RecordingCanvas::text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) {
    DrawCall& c = add(DrawCall::Kind::Text, x, y, 0, 0);
    c.colour = colour;
    c.text = utf8;
    c.font = font;
}

int RecordingCanvas::textWidth(const std::string& utf8, const Font& font) {
    return static_cast<int>(std::lround(utf8Length(utf8) * font.pointSize * 0.6));
}

int RecordingCanvas::textHeight(const std::string&, const Font& font) {
    return static_cast<int>(std::lround(font.pointSize * 1.5));
}

void RecordingCanvas::sprite(int x, int y, int elementCode) {
    add(DrawCall::Kind::Sprite, x, y, 0, 0).element = elementCode;
}

std::vector<DrawCall> RecordingCanvas::callsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    for (const auto& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

}  // namespace tavir

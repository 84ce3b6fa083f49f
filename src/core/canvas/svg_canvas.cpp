#include "core/canvas/svg_canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/board/elements.hpp"
#include "core/canvas/element_pictures.hpp"
#include "core/canvas/font_metrics.hpp"

namespace tavir {

namespace {

// Short, locale-free numbers: at most three decimals, no trailing zeros.
std::string num(double v) {
    const double rounded = std::round(v * 1000) / 1000;
    if (rounded == std::floor(rounded) && std::fabs(rounded) < 1e9) return std::to_string(static_cast<long long>(rounded));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", rounded);
    std::string s(buf);
    while (!s.empty() && s.back() == '0') s.pop_back();
    return s;
}

std::string colour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string escaped(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char ch : utf8) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            // Control characters have no place in XML.
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t') out += ch;
        }
    }
    return out;
}

constexpr const char* kFontFamily = "Arial, 'Liberation Sans', Arimo, Helvetica, sans-serif";

// One element ball as a symbol: its picture's content under ids of its own.
std::string symbolDefinition(int code) {
    std::string svg(elementPictureSvg(code));
    const std::string symbol(elementSymbol(code));
    const std::string shade = "tavir-shade-" + symbol;
    for (const std::string& from : {std::string("id=\"shade\""), std::string("url(#shade)")}) {
        const std::string to = from[0] == 'i' ? "id=\"" + shade + "\"" : "url(#" + shade + ")";
        for (std::size_t p = svg.find(from); p != std::string::npos; p = svg.find(from, p + to.size()))
            svg.replace(p, from.size(), to);
    }
    const std::size_t open = svg.find('>', svg.find("<svg"));
    const std::size_t close = svg.rfind("</svg>");
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    return "<symbol id=\"tavir-element-" + std::to_string(code) +
           "\" viewBox=\"0 0 32 32\" shape-rendering=\"auto\">" + svg.substr(open + 1, close - open - 1) + "</symbol>";
}

}  // namespace

std::string elementSymbolsSvg() {
    std::string out;
    for (int code = kCarbon; code <= kChlorine; ++code) out += symbolDefinition(code);
    return out;
}

SvgCanvas::SvgCanvas(int width, int height, double scale, Sprites sprites, std::string idPrefix)
    : width_(width), height_(height), scale_(scale), sprites_(sprites), idPrefix_(std::move(idPrefix)) {
    setBackground({0, 0, width, height, Rgb{255, 255, 255}, Backdrop::None});
}

std::string SvgCanvas::body() const { return groupState_ ? body_ + "</g></g>" : body_; }

std::string SvgCanvas::document() const {
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    out += " width=\"" + num(width_ * scale_) + "\" height=\"" + num(height_ * scale_) + "\" viewBox=\"0 0 " +
           std::to_string(width_) + " " + std::to_string(height_) + "\">\n<title>Tavir</title>\n";
    if (sprites_ == Sprites::Embedded) {
        std::string symbols;
        for (int code = kCarbon; code <= kChlorine; ++code)
            if (usedSprites_[static_cast<std::size_t>(code)]) symbols += symbolDefinition(code);
        if (!symbols.empty()) out += "<defs>" + symbols + "</defs>\n";
    }
    return out + body() + "</svg>\n";
}

void SvgCanvas::closeGroup() {
    if (!groupState_) return;
    body_ += "</g></g>\n";
    groupState_.reset();
}

std::string& SvgCanvas::out() {
    if (groupState_ && *groupState_ == state_) return body_;
    closeGroup();
    if (state_.clip) {
        // The clip is kept in drawing units, so it sits outside the group's transform.
        const std::string id = idPrefix_ + "-clip-" + std::to_string(++idCount_);
        const Rect& c = *state_.clip;
        body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + num(c.x1) + "\" y=\"" + num(c.y1) + "\" width=\"" +
                 num(std::max(0.0, c.x2 - c.x1)) + "\" height=\"" + num(std::max(0.0, c.y2 - c.y1)) +
                 "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">";
    } else {
        body_ += "<g>";
    }
    body_ += "<g";
    if (state_.sx != 1 || state_.sy != 1 || state_.dx != 0 || state_.dy != 0)
        body_ += " transform=\"matrix(" + num(state_.sx) + " 0 0 " + num(state_.sy) + " " + num(state_.dx) + " " +
                 num(state_.dy) + ")\"";
    if (!state_.antialiasing) body_ += " shape-rendering=\"crispEdges\"";
    body_ += ">\n";
    groupState_ = state_;
    return body_;
}

void SvgCanvas::clear() { paintBackground(*this, false); }

void SvgCanvas::erase(int, int, int, int) {}

void SvgCanvas::line(int x1, int y1, int x2, int y2, Rgb c, int width) {
    const double o = width % 2 == 1 ? strokeOffset() : 0;
    out() += "<line x1=\"" + num(x1 + o) + "\" y1=\"" + num(y1 + o) + "\" x2=\"" + num(x2 + o) + "\" y2=\"" +
             num(y2 + o) + "\" stroke=\"" + colour(c) + "\" stroke-width=\"" + std::to_string(width) +
             "\" stroke-linecap=\"round\"/>\n";
}

void SvgCanvas::box(int x1, int y1, int x2, int y2, Rgb c, bool filled) {
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    const int w = std::abs(x2 - x1), h = std::abs(y2 - y1);
    if (filled) {
        out() += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
                 std::to_string(w + 1) + "\" height=\"" + std::to_string(h + 1) + "\" fill=\"" + colour(c) + "\"/>\n";
        return;
    }
    const double o = strokeOffset();
    out() += "<rect x=\"" + num(left + o) + "\" y=\"" + num(top + o) + "\" width=\"" + std::to_string(w) +
             "\" height=\"" + std::to_string(h) + "\" fill=\"none\" stroke=\"" + colour(c) + "\"/>\n";
}

void SvgCanvas::dottedBox(int x1, int y1, int x2, int y2, Rgb c) {
    const double o = strokeOffset();
    out() += "<rect x=\"" + num(std::min(x1, x2) + o) + "\" y=\"" + num(std::min(y1, y2) + o) + "\" width=\"" +
             std::to_string(std::abs(x2 - x1)) + "\" height=\"" + std::to_string(std::abs(y2 - y1)) +
             "\" fill=\"none\" stroke=\"" + colour(c) + "\" stroke-dasharray=\"1 1\"/>\n";
}

void SvgCanvas::circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) {
    const double o = strokeOffset();
    out() += "<circle cx=\"" + num(x + o) + "\" cy=\"" + num(y + o) + "\" r=\"" + std::to_string(radius) +
             "\" fill=\"" + (fill ? colour(*fill) : std::string("none")) + "\" stroke=\"" + colour(outline) + "\"/>\n";
}

void SvgCanvas::verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) {
    const std::string id = idPrefix_ + "-gradient-" + std::to_string(++idCount_);
    std::string& o = out();
    o += "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" + num(y + 0.5) +
         "\" x2=\"0\" y2=\"" + num(y + height + 0.5) + "\">";
    for (const GradientStop& s : stops)
        o += "<stop offset=\"" + num(s.at) + "\" stop-color=\"" + colour(s.colour) + "\"/>";
    o += "</linearGradient>\n<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"url(#" + id + ")\"/>\n";
}

void SvgCanvas::text(int x, int y, const std::string& utf8, const Font& font, Rgb c) {
    out() += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y + font_metrics::ascent(font)) +
             "\" font-family=\"" + kFontFamily + "\" font-size=\"" + std::to_string(font_metrics::pixelSize(font)) +
             "\"" + (font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + colour(c) +
             "\" xml:space=\"preserve\">" + escaped(utf8) + "</text>\n";
}

int SvgCanvas::textWidth(const std::string& utf8, const Font& font) { return font_metrics::width(utf8, font); }

int SvgCanvas::textHeight(const std::string&, const Font& font) { return font_metrics::height(font); }

void SvgCanvas::sprite(int x, int y, int elementCode) {
    if (!isElement(elementCode)) return;
    usedSprites_[static_cast<std::size_t>(elementCode)] = true;
    out() += "<use xlink:href=\"#tavir-element-" + std::to_string(elementCode) + "\" href=\"#tavir-element-" +
             std::to_string(elementCode) + "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
             "\" width=\"32\" height=\"32\"/>\n";
}

void SvgCanvas::save() { saved_.push_back(state_); }

void SvgCanvas::restore() {
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
}

void SvgCanvas::translate(double dx, double dy) {
    state_.dx += state_.sx * dx;
    state_.dy += state_.sy * dy;
}

void SvgCanvas::scale(double sx, double sy) {
    state_.sx *= sx;
    state_.sy *= sy;
}

void SvgCanvas::clipRect(int x, int y, int width, int height) {
    Rect r{state_.dx + state_.sx * x, state_.dy + state_.sy * y, state_.dx + state_.sx * (x + width),
           state_.dy + state_.sy * (y + height)};
    if (r.x1 > r.x2) std::swap(r.x1, r.x2);
    if (r.y1 > r.y2) std::swap(r.y1, r.y2);
    if (state_.clip)
        r = {std::max(r.x1, state_.clip->x1), std::max(r.y1, state_.clip->y1), std::min(r.x2, state_.clip->x2),
             std::min(r.y2, state_.clip->y2)};
    state_.clip = r;
}

void SvgCanvas::setAntialiasing(bool on) { state_.antialiasing = on; }

}  // namespace tavir

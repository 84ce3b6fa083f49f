#include "core/dotstructure/dot_structure.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/pairs.hpp"
#include "core/dotstructure/texts.hpp"
#include "core/geometry3d/polarity.hpp"

namespace tavir {

namespace {
constexpr int kLineWidth = 1;
constexpr int kChargeRadius = 8;
constexpr double kVacancyHalfWidth = 2;
const Font kSymbolFont{12, false};
const Font kChargeFont{8, false};

int roundUnits(double v) { return static_cast<int>(std::lround(v)); }

const CellPosition& at(const CellPositions& positions, int cell) {
    return positions[static_cast<std::size_t>(cell)];
}

// One stroke as offsets from cell A's (Left, Top) and cell B's (Left, Top).
struct StrokeOffsets {
    int ax, ay, bx, by;
};

enum class Direction { Horizontal, Vertical, DiagonalDown, DiagonalUp };

// A is the left (or upper) cell of the slot, B the other one.
struct SlotGeometry {
    Direction direction;
    int a;
    int b;
    // Slots 1 and 2 take both ends' height from cell A; slot 7 lets each end use its own.
    bool topFromA;
};

constexpr std::array<SlotGeometry, kSlotCount> kSlotGeometry{{
    {Direction::Horizontal, 0, 0, false},  // slot 0: never a bond
    {Direction::Horizontal, 0, 1, true},
    {Direction::Horizontal, 1, 2, true},
    {Direction::DiagonalDown, 1, 3, false},
    {Direction::Vertical, 1, 4, false},
    {Direction::Vertical, 0, 5, false},
    {Direction::DiagonalUp, 6, 0, false},
    {Direction::Horizontal, 7, 0, false},
    {Direction::DiagonalDown, 8, 0, false},
    {Direction::Vertical, 9, 0, false},
    {Direction::Vertical, 10, 1, false},
    {Direction::DiagonalUp, 1, 11, false},
}};

// Strokes of order 1, 2, 3; a triple bond draws its middle stroke first.
std::vector<StrokeOffsets> strokesFor(Direction direction, int order) {
    static const std::array<std::vector<int>, 4> kStraight{{{}, {16}, {14, 18}, {16, 13, 19}}};
    std::vector<StrokeOffsets> out;
    switch (direction) {
    case Direction::Horizontal:
        for (int o : kStraight[static_cast<std::size_t>(order)]) out.push_back({27, o, 5, o});
        break;
    case Direction::Vertical:
        for (int o : kStraight[static_cast<std::size_t>(order)]) out.push_back({o, 27, o, 5});
        break;
    case Direction::DiagonalDown:  // A upper-left of B
        if (order == 1) out = {{25, 25, 8, 8}};
        if (order == 2) out = {{23, 27, 6, 10}, {27, 23, 10, 6}};
        if (order == 3) out = {{25, 25, 8, 8}, {22, 28, 5, 11}, {28, 22, 11, 5}};
        break;
    case Direction::DiagonalUp:  // A lower-left of B
        if (order == 1) out = {{25, 8, 8, 25}};
        if (order == 2) out = {{23, 6, 6, 23}, {27, 10, 10, 27}};
        if (order == 3) out = {{25, 8, 8, 25}, {22, 5, 5, 22}, {28, 11, 11, 28}};
        break;
    }
    return out;
}

struct Segment {
    int x1, y1, x2, y2;
};

std::vector<Segment> bondSegments(const Construction& c, const CellPositions& positions, int slot) {
    const int order = c.slot[static_cast<std::size_t>(slot)];
    if (order < 1 || order > 3) return {};
    const SlotGeometry& g = kSlotGeometry[static_cast<std::size_t>(slot)];
    const CellPosition& a = at(positions, g.a);
    const CellPosition& b = at(positions, g.b);
    const int bTop = g.topFromA ? a.top : b.top;
    std::vector<Segment> out;
    for (const StrokeOffsets& s : strokesFor(g.direction, order))
        out.push_back({a.left + s.ax, a.top + s.ay, b.left + s.bx, bTop + s.by});
    return out;
}

void drawBond(const Construction& c, const CellPositions& positions, int slot, Rgb colour, Canvas& canvas) {
    for (const Segment& s : bondSegments(c, positions, slot)) canvas.line(s.x1, s.y1, s.x2, s.y2, colour, kLineWidth);
}

StrokeOffsets barOffsets(PairPosition position, int cell, int code) {
    // "Cl" is twice as wide as the other symbols and drawn one unit right of the cell's middle:
    // its right bar stands two units further out, clear of the "l".
    if (position == PairPosition::Right && code == kChlorine) return {29, 10, 29, 22};
    switch (position) {
    case PairPosition::Top: return {10, 5, 22, 5};
    case PairPosition::Bottom: return {10, 27, 22, 27};
    case PairPosition::Left: return {5, 10, 5, 22};
    case PairPosition::Right: return {27, 10, 27, 22};
    // Cell 8 has its own upper-left bar, one unit further out.
    case PairPosition::UpperLeft: return cell == 8 ? StrokeOffsets{3, 12, 12, 3} : StrokeOffsets{4, 12, 13, 3};
    case PairPosition::UpperRight: return {20, 3, 29, 12};
    case PairPosition::LowerLeft: return {4, 20, 13, 29};
    case PairPosition::LowerRight: return {20, 29, 29, 20};
    }
    return {0, 0, 0, 0};
}

// A symbol's text box as the canvas measures it.
struct TextBox {
    int x, y, width, height;
};
TextBox symbolBox(const Construction& c, const CellPositions& positions, int cell, Canvas& canvas) {
    const std::string symbol(dot_texts::kSymbols[static_cast<std::size_t>(c.code[static_cast<std::size_t>(cell)])]);
    const CellPosition& p = at(positions, cell);
    const int w = canvas.textWidth(symbol, kSymbolFont);
    const int h = canvas.textHeight(symbol, kSymbolFont);
    return {roundUnits(p.left + (kCellSize - w) / 2.0 + 1), roundUnits(p.top + (kCellSize - h) / 2.0), w, h};
}

void drawSymbols(const Construction& c, const CellPositions& positions, Canvas& canvas) {
    const Rgb black = paletteColour(palette::kBlack);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = c.code[static_cast<std::size_t>(cell)];
        if (!isElement(code)) continue;
        const TextBox b = symbolBox(c, positions, cell, canvas);
        canvas.text(b.x, b.y, std::string(dot_texts::kSymbols[static_cast<std::size_t>(code)]), kSymbolFont, black);
    }
}

bool allFree(const Construction& c, std::initializer_list<int> slots) {
    for (int s : slots)
        if (c.slot[static_cast<std::size_t>(s)] != 0) return false;
    return true;
}
}  // namespace

std::array<std::array<int, 2>, 4> vacancyCorners(const Construction& c, const CellPositions& positions, int cell) {
    const auto place = vacancyPosition(c, cell);
    if (!place) return {};
    const CellPosition& p = at(positions, cell);
    const StrokeOffsets o = barOffsets(*place, cell, c.code[static_cast<std::size_t>(cell)]);
    // The bar widened into a box: its long sides 2 units either side of where the bar runs.
    const double dx = o.bx - o.ax, dy = o.by - o.ay;
    const double length = std::hypot(dx, dy);
    const int nx = roundUnits(-dy / length * kVacancyHalfWidth), ny = roundUnits(dx / length * kVacancyHalfWidth);
    const int x1 = p.left + o.ax, y1 = p.top + o.ay, x2 = p.left + o.bx, y2 = p.top + o.by;
    return {{{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}}};
}

void dessdoublets(const Construction& c, const CellPositions& positions, bool blueBars, Canvas& canvas) {
    const Rgb colour = paletteColour(blueBars ? palette::kLightBlue : palette::kBlack);
    const auto plan = pairPlan(c);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const CellPosition& p = at(positions, cell);
        for (PairPosition position : plan[static_cast<std::size_t>(cell)]) {
            const StrokeOffsets o = barOffsets(position, cell, c.code[static_cast<std::size_t>(cell)]);
            canvas.line(p.left + o.ax, p.top + o.ay, p.left + o.bx, p.top + o.by, colour, kLineWidth);
        }
    }
    // A vacancy: the empty box of the usual notation where the pair would stand.
    for (int cell = 0; cell < 2; ++cell) {
        if (!vacancyPosition(c, cell)) continue;
        const auto k = vacancyCorners(c, positions, cell);
        for (std::size_t i = 0; i < k.size(); ++i) {
            const auto& a = k[i];
            const auto& b = k[(i + 1) % k.size()];
            canvas.line(a[0], a[1], b[0], b[1], colour, kLineWidth);
        }
    }
}

Offset chargeMarkOffset(const Construction& c, int cell) {
    switch (cell) {
    case 0:
        // The first free side among top, bottom, left; else up to the right. On the left
        // the mark stands in the upper corner, as on centre 1: the atom's pair bar takes the
        // middle of that side, and a disc there would hide it.
        if (allFree(c, {9, 8})) return {16, -7};
        if (allFree(c, {5, 6})) return {16, 39};
        if (allFree(c, {7, 6, 8})) return {1, 1};
        return {30, -1};
    case 1:
        if (allFree(c, {11, 10, 2})) return {31, 1};
        if (allFree(c, {4, 3, 2})) return {31, 31};
        if (allFree(c, {10, 11})) return {16, -7};
        if (allFree(c, {4, 3})) return {16, 39};
        if (!allFree(c, {11})) return {16, -5};
        return {31, 1};
    case 2:
    case 3: return {30, -3};
    case 4: return {31, 31};
    case 5:
    case 6: return {1, 31};
    case 7:
    case 8:
    case 9: return {2, -3};
    case 10:
    case 11: return {30, -3};
    default: return {};
    }
}

std::string chargeMarkText(int q) {
    if (q == 0) return {};
    if (q == -1) return std::string(dot_texts::kMinus);
    if (q == 1) return std::string(dot_texts::kPlus);
    if (q < -1) return std::to_string(-q) + std::string(dot_texts::kMinus);
    return std::to_string(q) + std::string(dot_texts::kPlus);
}

void drawFormalCharges(const Construction& c, const CellPositions& positions, Canvas& canvas) {
    const Rgb black = paletteColour(palette::kBlack);
    const Rgb white = paletteColour(palette::kWhite);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!isElement(c.code[static_cast<std::size_t>(cell)])) continue;
        const int q = formalCharge(c, cell);
        if (q == 0) continue;
        const CellPosition& p = at(positions, cell);
        const Offset o = chargeMarkOffset(c, cell);
        const int x = p.left + o.x;
        const int y = p.top + o.y;
        canvas.circle(x, y, kChargeRadius, black, white);
        const std::string text = drawnCharge(chargeMarkText(q));
        canvas.text(roundUnits(x - canvas.textWidth(text, kChargeFont) / 2.0),
                    roundUnits(y - canvas.textHeight(text, kChargeFont) / 2.0), text, kChargeFont, black);
    }
}

std::string partialChargeText(bool plus) {
    return std::string(plus ? dot_texts::kDeltaPlus : dot_texts::kDeltaMinus);
}

namespace {

// Axis-aligned box, inclusive bounds, in board units.
struct Area {
    double left, top, right, bottom;
    bool overlaps(const Area& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
    bool within(const Area& o) const { return left >= o.left && right <= o.right && top >= o.top && bottom <= o.bottom; }
};

// Liang-Barsky: whether a segment enters the box.
bool crosses(const Area& a, double x1, double y1, double x2, double y2) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - a.left, a.right - x1, y1 - a.top, a.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// The part of a text box its glyphs cover: the line's leading above and below left out.
Area inkOf(double x, double y, double width, double height) {
    return {x, y + 0.15 * height, x + width, y + 0.85 * height};
}

// What a mark must not cover: every stroke, symbol and disc of the drawing.
struct Obstacles {
    std::vector<Segment> segments;
    std::vector<Area> areas;
    bool hit(const Area& a) const {
        for (const Segment& s : segments)
            if (crosses(a, s.x1, s.y1, s.x2, s.y2)) return true;
        for (const Area& o : areas)
            if (a.overlaps(o)) return true;
        return false;
    }
};

Obstacles obstaclesOf(const Construction& c, const CellPositions& positions, bool formalCharges, Canvas& canvas) {
    Obstacles o;
    for (int slot = 1; slot < kSlotCount; ++slot)
        for (const Segment& s : bondSegments(c, positions, slot)) o.segments.push_back(s);
    const auto plan = pairPlan(c);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const CellPosition& p = at(positions, cell);
        for (PairPosition position : plan[static_cast<std::size_t>(cell)]) {
            const StrokeOffsets b = barOffsets(position, cell, c.code[static_cast<std::size_t>(cell)]);
            o.segments.push_back({p.left + b.ax, p.top + b.ay, p.left + b.bx, p.top + b.by});
        }
        if (!isElement(c.code[static_cast<std::size_t>(cell)])) continue;
        const TextBox t = symbolBox(c, positions, cell, canvas);
        o.areas.push_back(inkOf(t.x, t.y, t.width, t.height));
        if (formalCharges && formalCharge(c, cell) != 0) {
            const Offset m = chargeMarkOffset(c, cell);
            const double x = p.left + m.x, y = p.top + m.y;
            o.areas.push_back({x - kChargeRadius, y - kChargeRadius, x + kChargeRadius, y + kChargeRadius});
        }
    }
    for (int cell = 0; cell < 2; ++cell) {
        if (!vacancyPosition(c, cell)) continue;
        const auto k = vacancyCorners(c, positions, cell);
        for (std::size_t i = 0; i < k.size(); ++i)
            o.segments.push_back({k[i][0], k[i][1], k[(i + 1) % k.size()][0], k[(i + 1) % k.size()][1]});
    }
    return o;
}

// Mark centres around an atom, from its cell's Left and Top, in the order they are tried: above
// it as an exponent would stand, then below, then beside, then further out.
constexpr std::array<Offset, 14> kMarkPlaces{{
    {30, 2}, {2, 2}, {16, -4}, {30, 30}, {2, 30}, {16, 36}, {36, 16}, {-4, 16},
    {36, -2}, {-4, -2}, {36, 34}, {-4, 34}, {16, -10}, {16, 42},
}};

}  // namespace

std::vector<PartialChargeMark> partialChargeMarks(const Construction& c, const CellPositions& positions,
                                                  bool formalCharges, Canvas& canvas) {
    Obstacles obstacles = obstaclesOf(c, positions, formalCharges, canvas);
    const ViewBounds view = dotStructureBounds();
    const Area inside{static_cast<double>(view.left), static_cast<double>(view.top),
                      static_cast<double>(view.left + view.width), static_cast<double>(view.top + view.height)};
    const auto deltas = partialCharges(c);
    std::vector<PartialChargeMark> marks;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const PartialCharges& d = deltas[static_cast<std::size_t>(cell)];
        const CellPosition& p = at(positions, cell);
        for (bool plus : {true, false}) {
            if (plus ? !d.plus : !d.minus) continue;
            const std::string text = partialChargeText(plus);
            const double w = canvas.textWidth(text, kChargeFont), h = canvas.textHeight(text, kChargeFont);
            const auto areaAt = [&](const Offset& o) {
                return inkOf(p.left + o.x - w / 2, p.top + o.y - h / 2, w, h);
            };
            // The first free place; where none is, the first place inside the view.
            const Offset* chosen = nullptr;
            for (const Offset& o : kMarkPlaces) {
                const Area a = areaAt(o);
                if (!a.within(inside)) continue;
                if (!chosen) chosen = &o;
                if (!obstacles.hit(a)) {
                    chosen = &o;
                    break;
                }
            }
            if (!chosen) chosen = &kMarkPlaces.front();
            marks.push_back({cell, plus, p.left + chosen->x, p.top + chosen->y});
            obstacles.areas.push_back(areaAt(*chosen));
        }
    }
    return marks;
}

std::optional<ViewBounds> dotStructureDrawingBox(const Construction& c, const CellPositions& positions,
                                                 const DotOptions& options, Canvas& canvas) {
    const Obstacles drawn = obstaclesOf(c, positions, options.formalCharges, canvas);
    std::vector<Area> areas;
    // A one-unit stroke inks the pixels from its first end to its last one, both included.
    for (const Segment& s : drawn.segments)
        areas.push_back({double(std::min(s.x1, s.x2)), double(std::min(s.y1, s.y2)), double(std::max(s.x1, s.x2) + 1),
                         double(std::max(s.y1, s.y2) + 1)});
    // Whole text boxes and charge discs with their outline rather than the marks' ink alone.
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!isElement(c.code[static_cast<std::size_t>(cell)])) continue;
        const TextBox t = symbolBox(c, positions, cell, canvas);
        areas.push_back({double(t.x), double(t.y), double(t.x + t.width), double(t.y + t.height)});
        if (options.formalCharges && formalCharge(c, cell) != 0) {
            const CellPosition& p = at(positions, cell);
            const Offset m = chargeMarkOffset(c, cell);
            const double x = p.left + m.x, y = p.top + m.y;
            areas.push_back({x - kChargeRadius, y - kChargeRadius, x + kChargeRadius + 1, y + kChargeRadius + 1});
        }
    }
    if (options.polarity)
        for (const PartialChargeMark& m : partialChargeMarks(c, positions, options.formalCharges, canvas)) {
            const std::string text = partialChargeText(m.plus);
            const double w = canvas.textWidth(text, kChargeFont), h = canvas.textHeight(text, kChargeFont);
            areas.push_back({m.x - w / 2, m.y - h / 2, m.x + w / 2, m.y + h / 2});
        }
    if (areas.empty()) return std::nullopt;
    Area box = areas.front();
    for (const Area& a : areas)
        box = {std::min(box.left, a.left), std::min(box.top, a.top), std::max(box.right, a.right),
               std::max(box.bottom, a.bottom)};
    const int left = int(std::floor(box.left)), top = int(std::floor(box.top));
    return ViewBounds{left, top, int(std::ceil(box.right)) - left, int(std::ceil(box.bottom)) - top};
}

void drawPartialCharges(const Construction& c, const CellPositions& positions, bool formalCharges, Canvas& canvas) {
    const Rgb black = paletteColour(palette::kBlack);
    for (const PartialChargeMark& m : partialChargeMarks(c, positions, formalCharges, canvas)) {
        const std::string text = partialChargeText(m.plus);
        canvas.text(roundUnits(m.x - canvas.textWidth(text, kChargeFont) / 2.0),
                    roundUnits(m.y - canvas.textHeight(text, kChargeFont) / 2.0), text, kChargeFont, black);
    }
}

void reptavir(const Construction& c, const CellPositions& positions, const DotOptions& options,
              Canvas& canvas) {
    canvas.clear();
    drawSymbols(c, positions, canvas);
    const Rgb bondColour = paletteColour(options.redBonds ? palette::kLightRed : palette::kBlack);
    for (int slot = 1; slot < kSlotCount; ++slot) drawBond(c, positions, slot, bondColour, canvas);
    dessdoublets(c, positions, options.blueBars, canvas);
    if (options.formalCharges) drawFormalCharges(c, positions, canvas);
    if (options.polarity) drawPartialCharges(c, positions, options.formalCharges, canvas);
}

}  // namespace tavir

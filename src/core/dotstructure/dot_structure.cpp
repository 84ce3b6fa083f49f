#include "core/dotstructure/dot_structure.hpp"

#include <cmath>
#include <initializer_list>
#include <vector>

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/dotstructure/pairs.hpp"
#include "core/dotstructure/texts.hpp"

namespace tavir {

namespace {
constexpr int kLineWidth = 1;
constexpr int kChargeRadius = 8;
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

void drawBond(const Construction& c, const CellPositions& positions, int slot, Rgb colour, Canvas& canvas) {
    const int order = c.slot[static_cast<std::size_t>(slot)];
    if (order < 1 || order > 3) return;
    const SlotGeometry& g = kSlotGeometry[static_cast<std::size_t>(slot)];
    const CellPosition& a = at(positions, g.a);
    const CellPosition& b = at(positions, g.b);
    const int bTop = g.topFromA ? a.top : b.top;
    for (const StrokeOffsets& s : strokesFor(g.direction, order))
        canvas.line(a.left + s.ax, a.top + s.ay, b.left + s.bx, bTop + s.by, colour, kLineWidth);
}

StrokeOffsets barOffsets(PairPosition position, int cell) {
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

void drawSymbols(const Construction& c, const CellPositions& positions, Canvas& canvas) {
    const Rgb black = paletteColour(palette::kBlack);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = c.code[static_cast<std::size_t>(cell)];
        if (!isElement(code)) continue;
        const std::string symbol(dot_texts::kSymbols[static_cast<std::size_t>(code)]);
        const CellPosition& p = at(positions, cell);
        const int x = roundUnits(p.left + (kCellSize - canvas.textWidth(symbol, kSymbolFont)) / 2.0 + 1);
        const int y = roundUnits(p.top + (kCellSize - canvas.textHeight(symbol, kSymbolFont)) / 2.0);
        canvas.text(x, y, symbol, kSymbolFont, black);
    }
}

bool allFree(const Construction& c, std::initializer_list<int> slots) {
    for (int s : slots)
        if (c.slot[static_cast<std::size_t>(s)] != 0) return false;
    return true;
}
}  // namespace

void dessdoublets(const Construction& c, const CellPositions& positions, bool blueBars, Canvas& canvas) {
    const Rgb colour = paletteColour(blueBars ? palette::kLightBlue : palette::kBlack);
    const auto plan = pairPlan(c);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const CellPosition& p = at(positions, cell);
        for (PairPosition position : plan[static_cast<std::size_t>(cell)]) {
            const StrokeOffsets o = barOffsets(position, cell);
            canvas.line(p.left + o.ax, p.top + o.ay, p.left + o.bx, p.top + o.by, colour, kLineWidth);
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
        const std::string text = chargeMarkText(q);
        canvas.text(roundUnits(x - canvas.textWidth(text, kChargeFont) / 2.0),
                    roundUnits(y - canvas.textHeight(text, kChargeFont) / 2.0), text, kChargeFont, black);
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
}

}  // namespace tavir

#include "core/dotstructure/formula.hpp"

#include <cmath>

#include "core/board/elements.hpp"
#include "core/dotstructure/texts.hpp"

namespace tavir {

namespace {
constexpr std::array<int, 5> kMeasuringOrder{kCarbon, kHydrogen, kOxygen, kNitrogen, kChlorine};
constexpr std::array<int, 5> kDrawingOrder{kCarbon, kNitrogen, kHydrogen, kChlorine, kOxygen};
const Font kSymbolFont{12, false};
const Font kSubscriptFont{10, false};

std::string symbolOf(int code) { return std::string(dot_texts::kSymbols[static_cast<std::size_t>(code)]); }

std::string formulaIn(const Construction& c, const std::array<int, 5>& order) {
    const auto counts = countElements(c);
    std::string text;
    for (int code : order) {
        const int n = counts[static_cast<std::size_t>(code)];
        if (n < 1) continue;
        text += symbolOf(code);
        if (n > 1) text += std::to_string(n);
    }
    return text;
}
}  // namespace

std::array<int, 6> countElements(const Construction& c) {
    std::array<int, 6> counts{};
    for (int16_t code : c.code)
        if (isElement(code)) ++counts[static_cast<std::size_t>(code)];
    return counts;
}

std::string measuringText(const Construction& c) { return formulaIn(c, kMeasuringOrder); }

std::string formulaText(const Construction& c) { return formulaIn(c, kDrawingOrder); }

int netCharge(const Construction& c) {
    const auto n = countElements(c);
    int q = 4 * n[kCarbon] + 3 * n[kNitrogen] + 2 * n[kOxygen] + n[kHydrogen] + n[kChlorine];
    for (int s = 1; s < kSlotCount; ++s) q -= 2 * c.slot[static_cast<std::size_t>(s)];
    for (bool v : c.vacancy) q -= v ? 2 : 0;
    return q;
}

std::string netChargeSuffix(int q) {
    if (q == 0) return {};
    if (q == 1) return std::string(dot_texts::kMinus);
    if (q == -1) return std::string(dot_texts::kPlus);
    if (q > 1) return std::to_string(q) + std::string(dot_texts::kMinus);
    return std::to_string(-q) + std::string(dot_texts::kPlus);
}

std::string drawnCharge(std::string_view text) {
    std::string out;
    for (char ch : text) {
        if (ch == '-') out += dot_texts::kDrawnMinus;
        else out += ch;
    }
    return out;
}

std::string formulaWithCharge(const Construction& c) {
    const int q = netCharge(c);
    return formulaText(c) + (q > 1 || q < -1 ? " " : "") + netChargeSuffix(q);
}

void drawFormula(const Construction& c, Canvas& canvas, int x0, int y0) {
    const Rgb black = paletteColour(palette::kBlack);
    const auto counts = countElements(c);
    // Every piece advances by its size-12 width, so the drawn formula is as wide as the
    // measuring text and stays centred although the counts are drawn smaller.
    int x = x0;
    int lastSymbolEnd = x0;
    for (int code : kDrawingOrder) {
        const int n = counts[static_cast<std::size_t>(code)];
        if (n < 1) continue;
        const std::string symbol = symbolOf(code);
        canvas.text(x, y0, symbol, kSymbolFont, black);
        x += canvas.textWidth(symbol, kSymbolFont);
        lastSymbolEnd = x;
        if (n > 1) {
            const std::string digits = std::to_string(n);
            canvas.text(x, y0 + kSubscriptDrop, digits, kSubscriptFont, black);
            x += canvas.textWidth(digits, kSymbolFont);
        }
    }

    const int q = netCharge(c);
    if (q != 0) canvas.text(lastSymbolEnd, y0 - kChargeRise, drawnCharge(netChargeSuffix(q)), kSubscriptFont, black);
}

void formulebrute(const Construction& c, Canvas& canvas, int scaleWidth, int scaleHeight) {
    canvas.clear();
    const int x0 = static_cast<int>(
        std::lround((scaleWidth - canvas.textWidth(measuringText(c), kSymbolFont)) / 2.0));
    const int y0 = static_cast<int>(std::lround((scaleHeight - canvas.textHeight("N", kSymbolFont)) / 2.0));
    drawFormula(c, canvas, x0, y0);
}

}  // namespace tavir

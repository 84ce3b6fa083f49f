#include "core/board/construction.hpp"

#include <algorithm>

#include "core/board/elements.hpp"

namespace tavir {

namespace {
int16_t readDigit(std::string_view text, std::size_t index, int maxValue) {
    if (index >= text.size()) return 0;
    const int value = static_cast<unsigned char>(text[index]) - 50;
    return (value >= 0 && value <= maxValue) ? static_cast<int16_t>(value) : 0;
}
}  // namespace

bool Construction::isEmpty() const {
    return std::all_of(code.begin(), code.end(), [](int16_t v) { return v == 0; }) &&
           std::all_of(slot.begin() + 1, slot.end(), [](int16_t v) { return v == 0; }) && !hasVacancy();
}

std::string Construction::toString() const {
    std::string s;
    s.reserve(kConstructionStringLength + 1);
    for (int16_t v : code) s.push_back(static_cast<char>(v + 50));
    for (int k = 1; k < kSlotCount; ++k) s.push_back(static_cast<char>(slot[k] + 50));
    if (hasVacancy()) s.push_back(static_cast<char>(50 + (vacancy[0] ? 1 : 0) + (vacancy[1] ? 2 : 0)));
    return s;
}

Construction Construction::fromString(std::string_view text) {
    Construction c;
    if (isBlankEntry(text)) return c;
    for (int i = 0; i < kCellCount; ++i) c.code[i] = readDigit(text, static_cast<std::size_t>(i), 5);
    for (int k = 1; k < kSlotCount; ++k) c.slot[k] = readDigit(text, static_cast<std::size_t>(11 + k), 3);
    const int mask = readDigit(text, kConstructionStringLength, 3);
    for (int centre = 0; centre < 2; ++centre)
        c.vacancy[centre] = (mask & (1 << centre)) != 0 && c.code[centre] == kCarbon;
    return c;
}

std::optional<Construction> Construction::parse(std::string_view text) {
    if (text.size() != kConstructionStringLength && text.size() != kConstructionStringLength + 1) return std::nullopt;
    for (std::size_t i = 0; i < kConstructionStringLength; ++i) {
        const char hi = i < 12 ? '7' : '5';
        if (text[i] < '2' || text[i] > hi) return std::nullopt;
    }
    Construction c = fromString(text);
    // A 24th character must name a vacancy that the construction keeps.
    if (text.size() > kConstructionStringLength && c.toString() != text) return std::nullopt;
    return c;
}

bool isBlankEntry(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) { return ch == ' ' || ch == '\t'; });
}

void nbliaison(const Construction& c, int atom, int16_t& resul) {
    const auto& s = c.slot;
    if (atom == 0) {
        resul = static_cast<int16_t>(s[1] + s[5] + s[6] + s[7] + s[8] + s[9]);
    } else if (atom == 1) {
        resul = static_cast<int16_t>(s[1] + s[2] + s[3] + s[4] + s[10] + s[11]);
    } else if (atom >= 2 && atom < kCellCount) {
        resul = s[atom];
    }
}

int bondCount(const Construction& c, int cell) {
    int16_t n = 0;
    nbliaison(c, cell, n);
    return n;
}

}  // namespace tavir

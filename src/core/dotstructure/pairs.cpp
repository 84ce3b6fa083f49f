#include "core/dotstructure/pairs.hpp"

#include "core/board/elements.hpp"
#include "core/dotstructure/texts.hpp"

namespace tavir {

namespace {
using P = PairPosition;

// A bar a centre may take when the listed slots carry no bond.
struct Candidate {
    P position;
    std::array<int, 3> slots;
    int slotCount;
};

// Centre 0. With a double bond to centre 1 the two bars go on the outer diagonals first.
constexpr std::array<Candidate, 2> kCentre0Diagonals{{
    {P::LowerLeft, {6, 5, 7}, 3},
    {P::UpperLeft, {8, 7, 9}, 3},
}};
// First pass wants the whole side free (diagonal neighbours included); the second pass
// settles for the straight neighbour only.
constexpr std::array<Candidate, 7> kCentre0Passes{{
    {P::Right, {1, 0, 0}, 1},
    {P::Left, {7, 6, 8}, 3},
    {P::Bottom, {5, 6, 0}, 2},
    {P::Top, {8, 9, 0}, 2},
    {P::Left, {7, 0, 0}, 1},
    {P::Bottom, {5, 0, 0}, 1},
    {P::Top, {9, 0, 0}, 1},
}};

// Centre 1, the mirror image.
constexpr std::array<Candidate, 2> kCentre1Diagonals{{
    {P::UpperRight, {2, 10, 11}, 3},
    {P::LowerRight, {2, 3, 4}, 3},
}};
constexpr std::array<Candidate, 7> kCentre1Passes{{
    {P::Left, {1, 0, 0}, 1},
    {P::Right, {2, 3, 11}, 3},
    {P::Bottom, {3, 4, 0}, 2},
    {P::Top, {10, 11, 0}, 2},
    {P::Right, {2, 0, 0}, 1},
    {P::Bottom, {4, 0, 0}, 1},
    {P::Top, {10, 0, 0}, 1},
}};

// An outer atom's bars lie away from its one bond; their number is 4 minus the bond order.
struct OuterRule {
    std::array<P, 3> single;
    std::array<P, 2> twice;
    P triple;
};
constexpr OuterRule kNoOuterRule{{P::Top, P::Top, P::Top}, {P::Top, P::Top}, P::Top};
constexpr std::array<OuterRule, kCellCount> kOuterRules{{
    kNoOuterRule,  // centre 0
    kNoOuterRule,  // centre 1
    {{P::Right, P::Top, P::Bottom}, {P::UpperRight, P::LowerRight}, P::Right},           // 2
    {{P::UpperRight, P::LowerRight, P::LowerLeft}, {P::Right, P::Bottom}, P::LowerRight},  // 3
    {{P::Right, P::Left, P::Bottom}, {P::LowerLeft, P::LowerRight}, P::Bottom},           // 4
    {{P::Right, P::Left, P::Bottom}, {P::LowerLeft, P::LowerRight}, P::Bottom},           // 5
    {{P::UpperLeft, P::LowerRight, P::LowerLeft}, {P::Left, P::Bottom}, P::LowerLeft},    // 6
    {{P::Left, P::Top, P::Bottom}, {P::UpperLeft, P::LowerLeft}, P::Left},                // 7
    {{P::UpperRight, P::UpperLeft, P::LowerLeft}, {P::Left, P::Top}, P::UpperLeft},       // 8
    {{P::Right, P::Left, P::Top}, {P::UpperLeft, P::UpperRight}, P::Top},                 // 9
    {{P::Right, P::Left, P::Top}, {P::UpperLeft, P::UpperRight}, P::Top},                 // 10
    {{P::UpperLeft, P::LowerRight, P::UpperRight}, {P::Right, P::Top}, P::UpperRight},    // 11
}};

bool slotsFree(const Construction& c, const Candidate& k) {
    for (int i = 0; i < k.slotCount; ++i)
        if (c.slot[static_cast<std::size_t>(k.slots[static_cast<std::size_t>(i)])] != 0) return false;
    return true;
}

template <std::size_t N>
void tryCandidates(const Construction& c, const std::array<Candidate, N>& list, int& p,
                   std::vector<P>& out) {
    for (const Candidate& k : list) {
        if (p >= 1 && slotsFree(c, k)) {
            out.push_back(k.position);
            --p;
        }
    }
}

std::vector<P> centrePairs(const Construction& c, int cell) {
    std::vector<P> out;
    const int bonds = bondCount(c, cell);
    if (c.code[static_cast<std::size_t>(cell)] == kHydrogen) {
        // Only a hydrogen left without any bond shows a pair, on the side of the other centre.
        if (bonds == 0) out.push_back(cell == 0 ? P::Right : P::Left);
        return out;
    }
    int p = 4 - bonds;
    const bool doubleToOther = c.slot[1] == 2;
    if (cell == 0) {
        if (doubleToOther) tryCandidates(c, kCentre0Diagonals, p, out);
        tryCandidates(c, kCentre0Passes, p, out);
    } else {
        if (doubleToOther) tryCandidates(c, kCentre1Diagonals, p, out);
        tryCandidates(c, kCentre1Passes, p, out);
    }
    return out;
}

std::vector<P> outerPairs(const Construction& c, int cell) {
    const OuterRule& rule = kOuterRules[static_cast<std::size_t>(cell)];
    switch (c.slot[static_cast<std::size_t>(cell)]) {
    case 1: return {rule.single.begin(), rule.single.end()};
    case 2: return {rule.twice.begin(), rule.twice.end()};
    case 3: return {rule.triple};
    default: return {};
    }
}
}  // namespace

std::vector<PairPosition> pairPositions(const Construction& c, int cell) {
    if (cell < 0 || cell >= kCellCount) return {};
    const int code = c.code[static_cast<std::size_t>(cell)];
    if (!isElement(code)) return {};
    if (cell == 0 || cell == 1) {
        // A carbocation's fourth place is its vacancy, not a pair.
        if (c.vacancy[static_cast<std::size_t>(cell)]) return {};
        return centrePairs(c, cell);
    }
    if (code == kHydrogen) return {};
    return outerPairs(c, cell);
}

std::optional<PairPosition> vacancyPosition(const Construction& c, int cell) {
    if ((cell != 0 && cell != 1) || !c.vacancy[static_cast<std::size_t>(cell)] || !isElement(c.code[static_cast<std::size_t>(cell)]))
        return std::nullopt;
    const auto places = centrePairs(c, cell);
    if (places.empty()) return std::nullopt;
    return places.front();
}

std::array<std::vector<PairPosition>, kCellCount> pairPlan(const Construction& c) {
    std::array<std::vector<PairPosition>, kCellCount> plan;
    for (int cell = 0; cell < kCellCount; ++cell) plan[static_cast<std::size_t>(cell)] = pairPositions(c, cell);
    return plan;
}

std::string_view pairName(PairPosition position) {
    switch (position) {
    case P::Top: return dot_texts::kTop;
    case P::Bottom: return dot_texts::kBottom;
    case P::Left: return dot_texts::kLeft;
    case P::Right: return dot_texts::kRight;
    case P::UpperLeft: return dot_texts::kUpperLeft;
    case P::UpperRight: return dot_texts::kUpperRight;
    case P::LowerLeft: return dot_texts::kLowerLeft;
    case P::LowerRight: return dot_texts::kLowerRight;
    }
    return {};
}

std::array<std::vector<std::string>, kCellCount> pairNames(const Construction& c) {
    std::array<std::vector<std::string>, kCellCount> names;
    const auto plan = pairPlan(c);
    for (std::size_t cell = 0; cell < plan.size(); ++cell)
        for (PairPosition p : plan[cell]) names[cell].emplace_back(pairName(p));
    return names;
}

}  // namespace tavir

// The electron-dot structure: bars per atom, stroke geometry, colours and charge marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/board/elements.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "dotstructure/molecules.hpp"
#include "core/dotstructure/pairs.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

struct Segment {
    int x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Segment& s) {
    return os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

std::vector<Segment> linesOf(const RecordingCanvas& canvas) {
    std::vector<Segment> out;
    for (const auto& l : canvas.callsOf(DrawCall::Kind::Line)) out.push_back({l.x1, l.y1, l.x2, l.y2});
    return out;
}

int totalBondOrder(const Construction& c) {
    int n = 0;
    for (int s = 1; s < kSlotCount; ++s) n += c.slot[s];
    return n;
}

CellPositions shiftedCorners() {
    auto p = kGridPositions;
    p[3] = {88, 56};
    p[6] = {8, 56};
    p[8] = {8, 8};
    p[11] = {88, 8};
    return p;
}

// The shifted-corner fixture is where the analysis puts bonded corner atoms.
TEST(DotFixture, BondedCornersStandWhereTheAnalysisPutsThem) {
    const auto ethene = std::find_if(molecules().begin(), molecules().end(),
                                     [](const Molecule& m) { return std::string(m.name) == "ethene"; });
    ASSERT_NE(ethene, molecules().end());
    EXPECT_EQ(analysedBoard(ethene->built).position, shiftedCorners());
}

// --- Bars per atom on the molecules as the analysis leaves them.

class DotOfMolecule : public ::testing::TestWithParam<Molecule> {};

TEST_P(DotOfMolecule, BarsNamedPerAtom) {
    const Construction c = analysedBoard(GetParam().built).record;
    const auto names = pairNames(c);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto it = GetParam().pairs.find(cell);
        const std::vector<std::string> expected = it == GetParam().pairs.end() ? std::vector<std::string>{} : it->second;
        EXPECT_EQ(names[cell], expected) << "cell " << cell;
    }
}

// Chemistry, not the table: C keeps no pair, N one, O two, Cl three, H none; no side twice.
TEST_P(DotOfMolecule, LonePairsFollowTheOctet) {
    const Construction c = analysedBoard(GetParam().built).record;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = c.code[cell];
        const auto plan = pairPositions(c, cell);
        const int expected = (code == kEmpty || code == kHydrogen) ? 0 : 4 - usualValence(code);
        EXPECT_EQ(static_cast<int>(plan.size()), expected) << "cell " << cell;
        EXPECT_EQ(std::set<PairPosition>(plan.begin(), plan.end()).size(), plan.size()) << "cell " << cell;
    }
}

TEST_P(DotOfMolecule, DrawsSymbolsStrokesThenOneLinePerBar) {
    const Board b = analysedBoard(GetParam().built);
    RecordingCanvas canvas;
    reptavir(b.record, b.position, DotOptions{}, canvas);
    const auto& calls = canvas.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, DrawCall::Kind::Clear);
    int atoms = 0;
    for (int16_t code : b.record.code) atoms += code != 0;
    std::size_t bars = 0;
    for (const auto& cell : GetParam().pairs) bars += cell.second.size();
    EXPECT_EQ(canvas.callsOf(DrawCall::Kind::Text).size(), static_cast<std::size_t>(atoms));
    EXPECT_EQ(canvas.callsOf(DrawCall::Kind::Line).size(), totalBondOrder(b.record) + bars);
    EXPECT_TRUE(canvas.callsOf(DrawCall::Kind::Circle).empty());  // accepted: no charge marks
    for (std::size_t i = 1; i <= static_cast<std::size_t>(atoms); ++i) EXPECT_EQ(calls[i].kind, DrawCall::Kind::Text);
}

// Each option recolours only what it names; symbols stay black.
TEST_P(DotOfMolecule, ColourOptionsChangeOnlyTheirStrokes) {
    const Board b = analysedBoard(GetParam().built);
    RecordingCanvas plain;
    reptavir(b.record, b.position, DotOptions{}, plain);
    const int bonds = totalBondOrder(b.record);
    for (int mask = 0; mask < 4; ++mask) {
        const DotOptions options{(mask & 1) != 0, (mask & 2) != 0, false};
        RecordingCanvas coloured;
        reptavir(b.record, b.position, options, coloured);
        ASSERT_EQ(coloured.calls().size(), plain.calls().size());
        int line = 0;
        for (std::size_t i = 0; i < plain.calls().size(); ++i) {
            DrawCall got = coloured.calls()[i];
            const DrawCall& want = plain.calls()[i];
            if (got.kind == DrawCall::Kind::Line) {
                EXPECT_EQ(got.width, 1);
                const bool isBond = line++ < bonds;
                const bool recoloured = isBond ? options.redBonds : options.blueBars;
                const Rgb expected = recoloured ? (isBond ? Rgb{255, 0, 0} : Rgb{0, 0, 255}) : Rgb{0, 0, 0};
                EXPECT_EQ(got.colour, expected) << "line " << line << " mask " << mask;
                got.colour = want.colour;
            } else if (got.kind == DrawCall::Kind::Text) {
                EXPECT_EQ(got.colour, (Rgb{0, 0, 0}));
            }
            EXPECT_EQ(got, want) << "call " << i << " mask " << mask;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Molecules, DotOfMolecule, ::testing::ValuesIn(molecules()), moleculeName);

// --- Bars: edge cases of the centre rules.

struct PairCase {
    const char* name;
    Construction c;
    int cell;
    std::vector<std::string> names;
};
void PrintTo(const PairCase& c, std::ostream* os) { *os << c.name; }
class DotPairRules : public ::testing::TestWithParam<PairCase> {};

TEST_P(DotPairRules, NamesInDrawingOrder) { EXPECT_EQ(pairNames(GetParam().c)[GetParam().cell], GetParam().names); }

INSTANTIATE_TEST_SUITE_P(
    Table, DotPairRules,
    ::testing::Values(
        // Both diagonal neighbours block left: right in the first pass, left in the second.
        PairCase{"diagonals_push_left_to_second_pass", makeConstruction({{0, O}, {6, H}, {8, H}}, {{6, 1}, {8, 1}}),
                 0, {"right", "left"}},
        PairCase{"mirror_diagonals_on_centre_1", makeConstruction({{1, O}, {3, H}, {11, H}}, {{3, 1}, {11, 1}}), 1,
                 {"left", "right"}},
        PairCase{"lone_oxygen_fills_all_sides", makeConstruction({{0, O}}), 0, {"right", "left", "bottom", "top"}},
        PairCase{"lone_hydrogen_centre_0", makeConstruction({{0, H}}), 0, {"right"}},
        PairCase{"lone_hydrogen_centre_1", makeConstruction({{1, H}}), 1, {"left"}},
        PairCase{"bonded_hydrogen_centre", makeConstruction({{0, H}, {1, O}}, {{1, 1}}), 0, {}},
        PairCase{"overbonded_centre_draws_nothing",
                 makeConstruction({{0, O}, {1, O}, {9, H}}, {{1, 3}, {9, 1}}), 0, {}},
        PairCase{"outer_hydrogen_has_none", makeConstruction({{0, O}, {5, H}}, {{5, 1}}), 5, {}},
        PairCase{"outer_unbonded_atom_has_none", makeConstruction({{0, O}, {5, N}}), 5, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Outer atoms: 4 - order bars, none on the three positions facing the bond, and a lone bar
// on the far side.
struct OuterCase {
    int cell;
    std::vector<PairPosition> facing;
    PairPosition far;
};
void PrintTo(const OuterCase& c, std::ostream* os) { *os << c.cell; }
class DotOuterBars : public ::testing::TestWithParam<OuterCase> {};

TEST_P(DotOuterBars, AwayFromTheBond) {
    const int cell = GetParam().cell;
    for (int order = 1; order <= 3; ++order) {
        Construction c;
        c.code[static_cast<std::size_t>(cell)] = kChlorine;
        c.code[static_cast<std::size_t>(slotCentre(cell))] = kCarbon;
        c.slot[static_cast<std::size_t>(cell)] = static_cast<int16_t>(order);
        const auto plan = pairPositions(c, cell);
        EXPECT_EQ(static_cast<int>(plan.size()), 4 - order);
        EXPECT_EQ(std::set<PairPosition>(plan.begin(), plan.end()).size(), plan.size());
        for (PairPosition p : plan) {
            EXPECT_EQ(std::count(GetParam().facing.begin(), GetParam().facing.end(), p), 0)
                << "order " << order << " " << pairName(p);
        }
        if (order == 3) {
            EXPECT_EQ(plan.front(), GetParam().far);
        }
    }
}

using P = PairPosition;
INSTANTIATE_TEST_SUITE_P(
    Cells, DotOuterBars,
    ::testing::Values(OuterCase{2, {P::Left, P::UpperLeft, P::LowerLeft}, P::Right},
                      OuterCase{3, {P::UpperLeft, P::Top, P::Left}, P::LowerRight},
                      OuterCase{4, {P::Top, P::UpperLeft, P::UpperRight}, P::Bottom},
                      OuterCase{5, {P::Top, P::UpperLeft, P::UpperRight}, P::Bottom},
                      OuterCase{6, {P::UpperRight, P::Top, P::Right}, P::LowerLeft},
                      OuterCase{7, {P::Right, P::UpperRight, P::LowerRight}, P::Left},
                      OuterCase{8, {P::LowerRight, P::Bottom, P::Right}, P::UpperLeft},
                      OuterCase{9, {P::Bottom, P::LowerLeft, P::LowerRight}, P::Top},
                      OuterCase{10, {P::Bottom, P::LowerLeft, P::LowerRight}, P::Top},
                      OuterCase{11, {P::LowerLeft, P::Bottom, P::Left}, P::UpperRight}),
    [](const auto& info) { return "cell" + std::to_string(info.param.cell); });

// --- Exact strokes.

struct StrokeCase {
    const char* name;
    Construction c;
    CellPositions positions;
    std::vector<Segment> lines;
};
void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.name; }
class DotStrokes : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(DotStrokes, ExactCoordinates) {
    RecordingCanvas canvas;
    reptavir(GetParam().c, GetParam().positions, DotOptions{}, canvas);
    EXPECT_EQ(linesOf(canvas), GetParam().lines);
}

// Hydrogens at both ends draw bond strokes only.
Construction hh(int slot, int order) {
    Construction c;
    c.code[static_cast<std::size_t>(slotCentre(slot))] = kHydrogen;
    c.code[static_cast<std::size_t>(slotOtherCell(slot))] = kHydrogen;
    c.slot[static_cast<std::size_t>(slot)] = static_cast<int16_t>(order);
    return c;
}
CellPositions with(CellPositions p, int cell, CellPosition at) {
    p[static_cast<std::size_t>(cell)] = at;
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    Bonds, DotStrokes,
    ::testing::Values(
        StrokeCase{"slot1_single", hh(1, 1), kGridPositions, {{59, 48, 69, 48}}},
        StrokeCase{"slot1_double", hh(1, 2), kGridPositions, {{59, 46, 69, 46}, {59, 50, 69, 50}}},
        StrokeCase{"slot1_triple_middle_first", hh(1, 3), kGridPositions,
                   {{59, 48, 69, 48}, {59, 45, 69, 45}, {59, 51, 69, 51}}},
        StrokeCase{"slot2_triple", hh(2, 3), kGridPositions, {{91, 48, 101, 48}, {91, 45, 101, 45}, {91, 51, 101, 51}}},
        StrokeCase{"slot7_double", hh(7, 2), kGridPositions, {{27, 46, 37, 46}, {27, 50, 37, 50}}},
        StrokeCase{"slot4_single", hh(4, 1), kGridPositions, {{80, 59, 80, 69}}},
        StrokeCase{"slot4_double", hh(4, 2), kGridPositions, {{78, 59, 78, 69}, {82, 59, 82, 69}}},
        StrokeCase{"slot5_triple", hh(5, 3), kGridPositions, {{48, 59, 48, 69}, {45, 59, 45, 69}, {51, 59, 51, 69}}},
        StrokeCase{"slot9_single", hh(9, 1), kGridPositions, {{48, 27, 48, 37}}},
        StrokeCase{"slot10_double", hh(10, 2), kGridPositions, {{78, 27, 78, 37}, {82, 27, 82, 37}}},
        StrokeCase{"slot8_single_on_grid", hh(8, 1), kGridPositions, {{25, 25, 40, 40}}},
        StrokeCase{"slot8_single_shifted", hh(8, 1), shiftedCorners(), {{33, 33, 40, 40}}},
        StrokeCase{"slot8_double_shifted", hh(8, 2), shiftedCorners(), {{31, 35, 38, 42}, {35, 31, 42, 38}}},
        StrokeCase{"slot8_triple_shifted", hh(8, 3), shiftedCorners(),
                   {{33, 33, 40, 40}, {30, 36, 37, 43}, {36, 30, 43, 37}}},
        StrokeCase{"slot3_single_shifted", hh(3, 1), shiftedCorners(), {{89, 57, 96, 64}}},
        StrokeCase{"slot3_double_shifted", hh(3, 2), shiftedCorners(), {{87, 59, 94, 66}, {91, 55, 98, 62}}},
        StrokeCase{"slot6_single_shifted", hh(6, 1), shiftedCorners(), {{33, 64, 40, 57}}},
        StrokeCase{"slot6_triple_shifted", hh(6, 3), shiftedCorners(),
                   {{33, 64, 40, 57}, {30, 61, 37, 54}, {36, 67, 43, 60}}},
        StrokeCase{"slot11_single_shifted", hh(11, 1), shiftedCorners(), {{89, 40, 96, 33}}},
        StrokeCase{"slot11_double_shifted", hh(11, 2), shiftedCorners(), {{87, 38, 94, 31}, {91, 42, 98, 35}}},
        StrokeCase{"order_zero_draws_nothing", makeConstruction({{0, H}, {1, H}, {5, H}}, {{1, 1}}), kGridPositions,
                   {{59, 48, 69, 48}}},
        // Slots 1 and 2 take both heights from cell A; slot 7 lets each end use its own.
        StrokeCase{"slot1_uses_top_of_cell_0", hh(1, 1), with(kGridPositions, 1, {64, 40}), {{59, 48, 69, 48}}},
        StrokeCase{"slot2_uses_top_of_cell_1", hh(2, 1), with(kGridPositions, 2, {96, 20}), {{91, 48, 101, 48}}},
        StrokeCase{"slot7_each_end_own_top", hh(7, 1), with(kGridPositions, 7, {0, 30}), {{27, 46, 37, 48}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Bars drawn at their offsets, after the bond strokes.
INSTANTIATE_TEST_SUITE_P(
    Bars, DotStrokes,
    ::testing::Values(
        StrokeCase{"water", makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}}), kGridPositions,
                   {{59, 48, 69, 48}, {48, 27, 48, 37}, {37, 42, 37, 54}, {42, 59, 54, 59}}},
        StrokeCase{"dioxygen", makeConstruction({{0, O}, {1, O}}, {{1, 2}}), kGridPositions,
                   {{59, 46, 69, 46}, {59, 50, 69, 50},
                    {36, 52, 45, 61}, {36, 44, 45, 35}, {84, 35, 93, 44}, {84, 61, 93, 52}}},
        StrokeCase{"hydrogen_cyanide_far_bar", makeConstruction({{0, H}, {1, C}, {2, N}}, {{1, 1}, {2, 3}}),
                   kGridPositions,
                   {{59, 48, 69, 48}, {91, 48, 101, 48}, {91, 45, 101, 45}, {91, 51, 101, 51}, {123, 42, 123, 54}}},
        StrokeCase{"carbon_dioxide_outer_oxygen", makeConstruction({{7, O}, {0, C}, {1, O}}, {{7, 2}, {1, 2}}),
                   kGridPositions,
                   {{59, 46, 69, 46}, {59, 50, 69, 50}, {27, 46, 37, 46}, {27, 50, 37, 50},
                    {84, 35, 93, 44}, {84, 61, 93, 52}, {4, 44, 13, 35}, {4, 52, 13, 61}}},
        StrokeCase{"cell8_own_upper_left", makeConstruction({{0, H}, {8, N}}, {{8, 3}}), shiftedCorners(),
                   {{33, 33, 40, 40}, {30, 36, 37, 43}, {36, 30, 43, 37}, {11, 20, 20, 11}}},
        StrokeCase{"cell6_upper_left", makeConstruction({{0, H}, {6, O}}, {{6, 1}}), shiftedCorners(),
                   {{33, 64, 40, 57}, {12, 68, 21, 59}, {28, 85, 37, 76}, {12, 76, 21, 85}}},
        StrokeCase{"lone_hydrogen_on_0", makeConstruction({{0, H}}), kGridPositions, {{59, 42, 59, 54}}},
        StrokeCase{"lone_hydrogen_on_1", makeConstruction({{1, H}}), kGridPositions, {{69, 42, 69, 54}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Symbols centred in their cell, one unit to the right (recording metrics: "O" is 7 x 18).
TEST(DotSymbols, CentredOneUnitRight) {
    RecordingCanvas canvas;
    reptavir(makeConstruction({{0, O}, {1, Cl}, {8, H}}, {{1, 1}, {8, 1}}), shiftedCorners(), DotOptions{true, true, false},
             canvas);
    const auto texts = canvas.callsOf(DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(std::make_tuple(texts[0].text, texts[0].x1, texts[0].y1), std::make_tuple(std::string("O"), 46, 39));
    EXPECT_EQ(std::make_tuple(texts[1].text, texts[1].x1, texts[1].y1), std::make_tuple(std::string("Cl"), 74, 39));
    EXPECT_EQ(std::make_tuple(texts[2].text, texts[2].x1, texts[2].y1), std::make_tuple(std::string("H"), 22, 15));
    for (const auto& t : texts) EXPECT_EQ(t.font, (Font{12, false}));
}

// --- Formal-charge marks.

struct Mark {
    int x, y;
    const char* text;
    int textX, textY;
};
struct MarkCase {
    const char* name;
    Construction c;
    CellPositions positions;
    std::vector<Mark> marks;
};
void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.name; }
class DotChargeMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DotChargeMarks, DiscAndCentredText) {
    RecordingCanvas canvas;
    reptavir(GetParam().c, GetParam().positions, DotOptions{false, false, true}, canvas);
    const auto circles = canvas.callsOf(DrawCall::Kind::Circle);
    auto texts = canvas.callsOf(DrawCall::Kind::Text);
    // The symbols come first; the marks' texts follow.
    int atoms = 0;
    for (int16_t code : GetParam().c.code) atoms += code != 0;
    texts.erase(texts.begin(), texts.begin() + atoms);
    ASSERT_EQ(circles.size(), GetParam().marks.size());
    ASSERT_EQ(texts.size(), GetParam().marks.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const Mark& m = GetParam().marks[i];
        SCOPED_TRACE(m.text);
        EXPECT_EQ(std::make_tuple(circles[i].x1, circles[i].y1, circles[i].x2), std::make_tuple(m.x, m.y, 8));
        EXPECT_EQ(circles[i].colour, paletteColour(0));
        EXPECT_TRUE(circles[i].filled);
        EXPECT_EQ(circles[i].fill, paletteColour(15));
        EXPECT_EQ(std::make_tuple(texts[i].text, texts[i].x1, texts[i].y1),
                  std::make_tuple(std::string(m.text), m.textX, m.textY));
        EXPECT_EQ(texts[i].font, (Font{8, false}));
    }
    RecordingCanvas off;
    reptavir(GetParam().c, GetParam().positions, DotOptions{}, off);
    EXPECT_TRUE(off.callsOf(DrawCall::Kind::Circle).empty());
}

// Recording metrics at size 8: one character 5 x 12, two 10 x 12.
INSTANTIATE_TEST_SUITE_P(
    Table, DotChargeMarks,
    ::testing::Values(
        MarkCase{"lone_carbon_above", makeConstruction({{0, C}}), kGridPositions, {{48, 25, "4−", 43, 19}}},
        MarkCase{"hydroxide_left", makeConstruction({{0, O}, {1, H}}, {{1, 1}}), kGridPositions, {{48, 25, "−", 46, 19}}},
        MarkCase{"centre0_below_when_top_taken", makeConstruction({{0, O}, {1, N}, {9, H}}, {{1, 3}, {9, 1}}),
                 kGridPositions, {{48, 71, "2+", 43, 65}}},
        MarkCase{"ammonium_centre0_crowded", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}},
                                                          {{1, 1}, {5, 1}, {7, 1}, {9, 1}}),
                 kGridPositions, {{62, 31, "+", 60, 25}}},
        MarkCase{"centre1_upper_right", makeConstruction({{0, H}, {1, O}}, {{1, 1}}), kGridPositions,
                 {{95, 33, "−", 93, 27}}},
        MarkCase{"centre1_lower_right", makeConstruction({{1, O}, {10, H}}, {{10, 1}}), kGridPositions,
                 {{95, 63, "−", 93, 57}}},
        MarkCase{"centre1_above", makeConstruction({{1, C}, {2, H}}, {{2, 1}}), kGridPositions, {{80, 25, "3−", 75, 19}}},
        MarkCase{"centre1_below", makeConstruction({{1, C}, {2, H}, {10, H}}, {{2, 1}, {10, 1}}), kGridPositions,
                 {{80, 71, "2−", 75, 65}}},
        MarkCase{"centre1_upper_right_corner_taken", makeConstruction({{1, C}, {11, H}, {3, H}}, {{11, 1}, {3, 1}}),
                 shiftedCorners(), {{80, 27, "2−", 75, 21}}},
        MarkCase{"centre1_fallback", makeConstruction({{1, C}, {10, H}, {4, H}}, {{10, 1}, {4, 1}}), kGridPositions,
                 {{95, 33, "2−", 90, 27}}},
        MarkCase{"outer_cells", makeConstruction({{0, H}, {1, H}, {2, O}, {6, O}}, {{2, 1}, {6, 1}}), shiftedCorners(),
                 {{126, 29, "−", 124, 23}, {9, 87, "−", 7, 81}}},
        MarkCase{"outer_cells_4_8_11", makeConstruction({{0, H}, {1, C}, {4, O}, {8, O}, {11, O}},
                                                      {{8, 1}, {4, 1}, {11, 1}}),
                 shiftedCorners(), {{80, 27, "2−", 75, 21}, {95, 95, "−", 93, 89}, {10, 5, "−", 8, -1},
                                    {118, 5, "−", 116, -1}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

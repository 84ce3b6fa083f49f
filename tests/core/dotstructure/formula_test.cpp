// The formula box: texts, net charge and where each piece is drawn.
#include <gtest/gtest.h>

#include "core/board/acceptance.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/views/views.hpp"
#include "dotstructure/molecules.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

constexpr int kBruteWidth = viewGeometry(View::Formula).width;
constexpr int kBruteHeight = viewGeometry(View::Formula).height;

class FormulaOfMolecule : public ::testing::TestWithParam<Molecule> {};

TEST_P(FormulaOfMolecule, TextsAndZeroChargeOnceAnalysed) {
    const Construction c = analysedBoard(GetParam().built).record;
    ASSERT_TRUE(isAccepted(c)) << c.toString();
    EXPECT_EQ(formulaText(c), GetParam().formula);
    EXPECT_EQ(measuringText(c), GetParam().measuring);
    EXPECT_EQ(netCharge(c), 0);
}

INSTANTIATE_TEST_SUITE_P(Molecules, FormulaOfMolecule, ::testing::ValuesIn(molecules()), moleculeName);

struct Piece {
    int x, y;
    const char* text;
    double size;
};
struct LayoutCase {
    const char* name;
    Construction c;
    int width, height;
    std::vector<Piece> pieces;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }
class FormulaLayout : public ::testing::TestWithParam<LayoutCase> {};

// Recording metrics: a character is 0.6 em wide, a line 1.5 em high.
TEST_P(FormulaLayout, PiecesAtTheirPlaces) {
    RecordingCanvas canvas;
    formulebrute(GetParam().c, canvas, GetParam().width, GetParam().height);
    ASSERT_FALSE(canvas.calls().empty());
    EXPECT_EQ(canvas.calls().front().kind, DrawCall::Kind::Clear);
    const auto texts = canvas.callsOf(DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), GetParam().pieces.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Piece& p = GetParam().pieces[i];
        SCOPED_TRACE(p.text);
        EXPECT_EQ(texts[i].x1, p.x);
        EXPECT_EQ(texts[i].y1, p.y);
        EXPECT_EQ(texts[i].text, p.text);
        EXPECT_EQ(texts[i].font, (Font{p.size, false}));
        EXPECT_EQ(texts[i].colour, paletteColour(0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormulaLayout,
    ::testing::Values(
        // "C2H6" measures 29: x0 = 50, y0 = (33 - 18) / 2 = 7.5 -> 8, counts 9 lower.
        LayoutCase{"ethane_subscripts",
                   makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}, {10, H}},
                                    {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 1}, {4, 1}, {10, 1}}),
                   kBruteWidth, kBruteHeight,
                   {{50, 8, "C", 12}, {57, 17, "2", 10}, {64, 8, "H", 12}, {71, 17, "6", 10}}},
        LayoutCase{"methylamine_drawing_order",
                   makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, H}, {10, H}},
                                    {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 1}, {10, 1}}),
                   kBruteWidth, kBruteHeight,
                   {{50, 8, "C", 12}, {57, 8, "N", 12}, {64, 8, "H", 12}, {71, 17, "5", 10}}},
        LayoutCase{"count_one_has_no_digit", makeConstruction({{0, H}, {1, Cl}}, {{1, 1}}), kBruteWidth,
                   kBruteHeight, {{54, 8, "H", 12}, {61, 8, "Cl", 12}}},
        LayoutCase{"other_box_size",
                   makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}, {10, H}},
                                    {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 1}, {4, 1}, {10, 1}}),
                   200, 50, {{86, 16, "C", 12}, {93, 25, "2", 10}, {100, 16, "H", 12}, {107, 25, "6", 10}}},
        LayoutCase{"empty_board_draws_nothing", Construction{}, kBruteWidth, kBruteHeight, {}},
        // Charge suffix: size 10, at the end of the last symbol (not of its count), 6 higher.
        LayoutCase{"lone_carbon_lacks_four", makeConstruction({{0, C}}), kBruteWidth, kBruteHeight,
                   {{61, 8, "C", 12}, {68, 2, "4−", 10}}},
        LayoutCase{"ammonium_one_too_many",
                   makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}),
                   kBruteWidth, kBruteHeight, {{54, 8, "N", 12}, {61, 8, "H", 12}, {68, 17, "4", 10}, {68, 2, "+", 10}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChargeCase {
    const char* name;
    Construction c;
    int q;
    const char* suffix;
};
void PrintTo(const ChargeCase& c, std::ostream* os) { *os << c.name; }
class NetCharge : public ::testing::TestWithParam<ChargeCase> {};

TEST_P(NetCharge, CountsValenceElectronsAgainstBonds) {
    EXPECT_EQ(netCharge(GetParam().c), GetParam().q);
    EXPECT_EQ(netChargeSuffix(GetParam().q), GetParam().suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NetCharge,
    ::testing::Values(
        ChargeCase{"hydroxide", makeConstruction({{0, O}, {1, H}}, {{1, 1}}), 1, "-"},
        ChargeCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}},
                                                {{1, 1}, {5, 1}, {7, 1}, {9, 1}}), -1, "+"},
        ChargeCase{"carbon_with_five_hydrogens",
                   makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}, {6, H}},
                                    {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {6, 1}}), -1, "+"},
        ChargeCase{"lone_oxygen", makeConstruction({{0, O}}), 2, "2-"},
        ChargeCase{"dioxygen_triple", makeConstruction({{0, O}, {1, O}}, {{1, 3}}), -2, "2+"},
        ChargeCase{"slot_zero_is_not_a_bond", [] {
                       auto c = makeConstruction({{0, O}, {1, O}}, {{1, 2}});
                       c.slot[0] = 3;
                       return c;
                   }(), 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

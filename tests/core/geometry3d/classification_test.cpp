// The geometry dispatch on molecules a pupil builds, as the analysis leaves them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "core/geometry3d/classification.hpp"
#include "core/geometry3d/texts.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

constexpr auto kShown = FigureBoxChange::shown;
constexpr auto kHidden = FigureBoxChange::hidden;
constexpr auto kKept = FigureBoxChange::unchanged;

// Element indices as the routines receive them.
constexpr int iC = 0, iH = 1, iO = 2, iN = 3, iCl = 4;

const std::string k109Tail = " sont voisins de 109°.\r\nOn dit que la structure est ";
const std::string kCentral = "Les angles entre les liaisons autour de l'élément central";

struct DispatchCase {
    const char* name;
    Construction board;
    int dragFlag;
    int rule;
    const char* routine;
    std::vector<int> args;
    std::optional<std::string> text;
    FigureBoxChange figureBox;
};

class Dispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, ChoosesRoutineArgumentsTextAndFigureBox) {
    const DispatchCase& tc = GetParam();
    const Analysis a = analyse(tc.board, tc.dragFlag);
    // The case is a real one: the analysis keeps the board and accepts it.
    ASSERT_EQ(a.board.record.toString(), tc.board.toString());
    ASSERT_TRUE(a.accepted);

    const GeometryDecision d = decideGeometry(a.board.record);
    EXPECT_EQ(d.rule, tc.rule);
    EXPECT_EQ(geometryName(d.routine), tc.routine);
    EXPECT_EQ(argumentList(d.args), tc.args);
    EXPECT_EQ(d.text, tc.text);
    EXPECT_EQ(d.figureBox, tc.figureBox);
    EXPECT_FALSE(d.idle);
}

INSTANTIATE_TEST_SUITE_P(
    Molecules, Dispatch,
    ::testing::Values(
        DispatchCase{"empty_board", Construction{}, 0, 3, "empty", {}, "", kHidden},
        DispatchCase{"hydrogen_chloride", makeConstruction({{0, H}, {1, Cl}}, {{1, 1}}), 0, 5, "r3dlin2",
                     {H, Cl, 1}, "", kHidden},
        DispatchCase{"dioxygen", makeConstruction({{0, O}, {1, O}}, {{1, 2}}), 0, 5, "r3dlin2", {O, O, 2}, "",
                     kHidden},
        DispatchCase{"carbon_dioxide_around_centre_0", makeConstruction({{0, C}, {1, O}, {7, O}}, {{1, 2}, {7, 2}}),
                     0, 6, "r3dlin3", {O, C, O, 2, 2},
                     "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes trois éléments sont alignés.", kShown},
        DispatchCase{"hydrogen_cyanide", makeConstruction({{0, C}, {1, N}, {5, H}}, {{1, 3}, {5, 1}}), 0, 6,
                     "r3dlin3", {H, C, N, 1, 3},
                     "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes trois éléments sont alignés.", kShown},
        DispatchCase{"carbon_dioxide_around_centre_1", makeConstruction({{0, O}, {1, C}, {2, O}}, {{1, 2}, {2, 2}}),
                     0, 7, "r3dlin3", {O, C, O, 2, 2},
                     "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes trois éléments sont alignés.", kShown},
        DispatchCase{"chloroethyne", makeConstruction({{0, C}, {1, C}, {7, H}, {2, Cl}}, {{1, 3}, {7, 1}, {2, 1}}),
                     0, 8, "r3dlin4", {H, C, C, Cl, 1, 3, 1},
                     "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes quatre éléments sont alignés.", kShown},
        DispatchCase{"ammonia_nitrogen_in_cell_1",
                     makeConstruction({{1, N}, {0, H}, {2, H}, {4, H}}, {{1, 1}, {2, 1}, {4, 1}}), 0, 9, "r3dax4",
                     {iN, iH, -1, iH, iH}, kCentral + " (azote) " + k109Tail.substr(1) + "pyramidale.", kShown},
        DispatchCase{"water", makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}}), 0, 10, "r3dax4",
                     {iO, iH, -1, -1, iH}, kCentral + " (oxygène) " + k109Tail.substr(1) + "coudée.", kShown},
        DispatchCase{"methane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}),
                     0, 10, "r3dax4", {iC, iH, iH, iH, iH},
                     kCentral + " (carbone) " + k109Tail.substr(1) + "tétraédrique.", kShown},
        DispatchCase{"methanal_oxygen_on_centre_0",
                     makeConstruction({{0, O}, {1, C}, {2, H}, {4, H}}, {{1, 2}, {2, 1}, {4, 1}}), 0, 11, "kax3",
                     {iC, iO, iH, iH},
                     kCentral + " (carbone) sont voisins de 120°.\r\nLa structure est plane.", kShown},
        DispatchCase{"methanal_carbon_on_centre_0",
                     makeConstruction({{0, C}, {1, O}, {5, H}, {9, H}}, {{1, 2}, {5, 1}, {9, 1}}), 0, 12, "kax3",
                     {iC, iO, iH, iH},
                     kCentral + " (carbone) sont voisins de 120°.\r\nLa structure est plane.", kShown},
        // A lone upper single-bonded atom goes to the upper single place.
        DispatchCase{"nitrosyl_hydride_upper_hydrogen", makeConstruction({{0, N}, {1, O}, {9, H}}, {{1, 2}, {9, 1}}), 0,
                     12, "kax3", {iN, iO, -1, iH},
                     kCentral + " (azote) sont voisins de 120°.\r\nOn dit que la structure est coudée.", kShown},
        DispatchCase{"nitrosyl_hydride_lower_hydrogen", makeConstruction({{0, N}, {1, O}, {5, H}}, {{1, 2}, {5, 1}}), 0,
                     12, "kax3", {iN, iO, iH, -1},
                     kCentral + " (azote) sont voisins de 120°.\r\nOn dit que la structure est coudée.", kShown},
        DispatchCase{"ketene_linear_centre_0",
                     makeConstruction({{0, C}, {1, C}, {7, O}, {10, H}, {4, Cl}}, {{1, 2}, {7, 2}, {10, 1}, {4, 1}}), 0,
                     13, "Kx2x3", {iC, iC, iH, iCl, iO},
                     "Les angles autour  du carbone sont voisins de 120°.\r\n"
                     "Le carbone, le carbone et l'oxygène sont alignés. La structure est plane.",
                     kShown},
        DispatchCase{"ketene_linear_centre_1",
                     makeConstruction({{0, C}, {1, C}, {2, O}, {9, Cl}, {5, H}}, {{1, 2}, {2, 2}, {9, 1}, {5, 1}}), 0,
                     13, "Kx2x3", {iC, iC, iH, iCl, iO},
                     "Les angles autour  du carbone sont voisins de 120°.\r\n"
                     "Le carbone, le carbone et l'oxygène sont alignés. La structure est plane.",
                     kShown},
        DispatchCase{"dichloroethene",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {9, Cl}, {10, H}, {4, Cl}},
                                      {{1, 2}, {5, 1}, {9, 1}, {10, 1}, {4, 1}}),
                     0, 13, "Kax3ax3", {iC, iC, iH, iCl, iH, iCl},
                     "Les angles entre les liaisons sont voisins de 120° et la structure est plane. "
                     "Il n'y a pas de libre rotation autour de la liaison double.",
                     kShown},
        DispatchCase{"chloroethane",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {7, Cl}, {9, H}, {10, H}, {2, H}, {4, H}},
                                      {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {10, 1}, {2, 1}, {4, 1}}),
                     0, 14, "r3dax4ax4", {iC, iC, iH, iCl, iH, iH, iH, iH},
                     "Les angles entre les liaisons sont voisins de 109°.\r\n"
                     "Il y a libre rotation autour de la liaison simple.",
                     kHidden},
        DispatchCase{"hydrogen_peroxide", makeConstruction({{0, O}, {1, O}, {5, H}, {2, H}}, {{1, 1}, {5, 1}, {2, 1}}),
                     0, 14, "r3dax4ax4", {iO, iO, iH, -1, -1, iH, -1, -1},
                     "Les angles entre les liaisons sont voisins de 109°.\r\n"
                     "Il y a libre rotation autour de la liaison simple.",
                     kHidden},
        DispatchCase{"nitrosomethane",
                     makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, O}},
                                      {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 2}}),
                     0, 14, "r3dax4ax3", {iC, iN, iH, iH, iH, -1, iO},
                     "Les angles entre les liaisons sont voisins de 109° autour du carbone et de 120° autour "
                     "de l'azote. Il y a libre rotation autour de la liaison simple.",
                     kHidden},
        DispatchCase{"ethanal_carbonyl_on_centre_0",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {9, O}, {10, H}, {2, H}, {4, Cl}},
                                      {{1, 1}, {5, 1}, {9, 2}, {10, 1}, {2, 1}, {4, 1}}),
                     0, 14, "r3dax4ax3", {iC, iC, iH, iH, iCl, iH, iO},
                     "Les angles entre les liaisons sont voisins de 109° autour du carbone et de 120° autour "
                     "du carbone. Il y a libre rotation autour de la liaison simple.",
                     kHidden},
        DispatchCase{"glyoxal",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {9, O}, {2, O}, {4, H}},
                                      {{1, 1}, {5, 1}, {9, 2}, {2, 2}, {4, 1}}),
                     0, 14, "r3dax3ax3s", {iC, iC, iH, iO, iH, iO},
                     "Les angles entre les liaisons sont voisins de 120°.\r\n"
                     "Il y a libre rotation autour de la liaison simple.",
                     kHidden},
        DispatchCase{"acetonitrile",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, N}},
                                      {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 3}}),
                     0, 14, "r3dax4ax2", {iC, iC, iH, iH, iH, iN},
                     "Les angles entre les liaisons sont voisins de 109° autour du carbone.\r\n"
                     "Le carbone, le carbone et l'azote  sont alignés.",
                     kHidden},
        DispatchCase{"acetonitrile_nitrile_on_centre_0",
                     makeConstruction({{0, C}, {1, C}, {7, N}, {10, H}, {2, Cl}, {4, H}},
                                      {{1, 1}, {7, 3}, {10, 1}, {2, 1}, {4, 1}}),
                     0, 14, "r3dax4ax2", {iC, iC, iH, iCl, iH, iN},
                     "Les angles entre les liaisons sont voisins de 109° autour du carbone.\r\n"
                     "Le carbone, le carbone et l'azote  sont alignés.",
                     kHidden},
        DispatchCase{"formyl_cyanide",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {9, O}, {2, N}}, {{1, 1}, {5, 1}, {9, 2}, {2, 3}}), 0,
                     14, "r3dax3ax2", {iC, iC, iO, iH, iN},
                     "Les angles sont voisins de 120° autour du carbone.\r\n"
                     "Le carbone, le carbone et l'azote  sont alignés. La structure est plane.",
                     kShown},
        DispatchCase{"formyl_cyanide_nitrile_on_centre_0",
                     makeConstruction({{0, C}, {1, C}, {7, N}, {2, O}, {4, H}}, {{1, 1}, {7, 3}, {2, 2}, {4, 1}}), 0,
                     14, "r3dax3ax2", {iC, iC, iO, iH, iN},
                     "Les angles sont voisins de 120° autour du carbone.\r\n"
                     "Le carbone, le carbone et l'azote  sont alignés. La structure est plane.",
                     kShown},
        // Left by a pick-up analysis: methanal around centre 0 with centre 1 emptied.
        DispatchCase{"unclassified_after_pick_up",
                     makeConstruction({{0, C}, {5, H}, {7, O}, {9, H}}, {{5, 1}, {7, 2}, {9, 1}}), 1, 15, "none", {},
                     std::nullopt, kKept}),
    [](const auto& info) { return std::string(info.param.name); });

// Cases the analysis never accepts, reached only by a board given as it is.
struct SyntheticCase {
    const char* name;
    Construction board;
    int rule;
    const char* routine;
    std::vector<int> args;
    std::optional<std::string> text;
    FigureBoxChange figureBox;
    bool idle;
};

class SyntheticDispatch : public ::testing::TestWithParam<SyntheticCase> {};

TEST_P(SyntheticDispatch, KeepsToTheRules) {
    const SyntheticCase& tc = GetParam();
    const GeometryDecision d = decideGeometry(tc.board);
    EXPECT_EQ(d.rule, tc.rule);
    EXPECT_EQ(geometryName(d.routine), tc.routine);
    EXPECT_EQ(argumentList(d.args), tc.args);
    EXPECT_EQ(d.text, tc.text);
    EXPECT_EQ(d.figureBox, tc.figureBox);
    EXPECT_EQ(d.idle, tc.idle);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SyntheticDispatch,
    ::testing::Values(
        SyntheticCase{"lone_carbon_on_centre_0", makeConstruction({{0, C}}), 4, "single", {iC}, "", kHidden, false},
        SyntheticCase{"lone_oxygen_on_centre_1", makeConstruction({{1, O}}), 4, "single", {iO}, "", kHidden, false},
        SyntheticCase{"lone_atom_off_centre", makeConstruction({{5, N}}), 4, "single", {-1}, "", kHidden, false},
        // Two centres with no bond between them: ax2ax2 has nothing to draw.
        SyntheticCase{"unbonded_centres", makeConstruction({{0, C}, {1, C}}), 5, "none", {}, std::nullopt, kKept, true},
        SyntheticCase{"triple_beside_double",
                      makeConstruction({{0, C}, {1, C}, {2, N}, {5, H}}, {{1, 2}, {2, 3}, {5, 1}}), 13, "none", {},
                      std::nullopt, kKept, false},
        // With three empty places there is no shape word.
        SyntheticCase{"bare_centre_with_one_neighbour", makeConstruction({{0, C}, {1, H}, {5, O}}, {{1, 1}, {5, 0}}),
                      10, "r3dax4", {iC, iH, -1, -1, -1}, kCentral + " (carbone) " + k109Tail.substr(1), kShown, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GeometryTexts, FragmentsOutsideTheElementsAreLeftOut) {
    EXPECT_EQ(elementFragment(geometry_texts::kP, -1), "");
    EXPECT_EQ(elementFragment(geometry_texts::kP, 5), "");
    EXPECT_EQ(elementFragment(geometry_texts::kL3, 4), "le chlore ");
    EXPECT_EQ(Kx2x3Text(0, -1, 7),
              "Les angles autour  du carbone sont voisins de 120°.\r\nLe carbone, sont alignés. La structure est plane.");
    EXPECT_EQ(r3dax4ax3Text(9, 1),
              "Les angles entre les liaisons sont voisins de 109° autour  et de 120° autour de l'hydrogène. "
              "Il y a libre rotation autour de la liaison simple.");
}

TEST(GeometryTexts, EveryRoutineHasItsCompanionName) {
    const std::vector<std::pair<GeometryRoutine, std::string>> names{
        {GeometryRoutine::r3dax4, "r3dax4"},         {GeometryRoutine::kax3, "kax3"},
        {GeometryRoutine::Kax3ax3, "Kax3ax3"},       {GeometryRoutine::Kx2x3, "Kx2x3"},
        {GeometryRoutine::r3dlin2, "r3dlin2"},       {GeometryRoutine::r3dlin3, "r3dlin3"},
        {GeometryRoutine::r3dlin4, "r3dlin4"},       {GeometryRoutine::r3dax4ax4, "r3dax4ax4"},
        {GeometryRoutine::r3dax4ax3, "r3dax4ax3"},   {GeometryRoutine::r3dax3ax3s, "r3dax3ax3s"},
        {GeometryRoutine::r3dax4ax2, "r3dax4ax2"},   {GeometryRoutine::r3dax3ax2, "r3dax3ax2"},
        {GeometryRoutine::single, "single"},         {GeometryRoutine::empty, "empty"},
        {GeometryRoutine::none, "none"},
    };
    for (const auto& [routine, name] : names) EXPECT_EQ(geometryName(routine), name);
}

TEST(Dispatch, Ax2ax2KeepsItsSevenValues) {
    const GeometryDecision d = decideGeometry(makeConstruction({{0, C}, {1, N}, {5, H}}, {{1, 3}, {5, 1}}));
    ASSERT_TRUE(d.ax2ax2.has_value());
    EXPECT_EQ(*d.ax2ax2, (std::array<int16_t, 7>{H, C, N, -1, 1, 3, 0}));
}

}  // namespace
}  // namespace tavir

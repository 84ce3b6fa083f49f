// The tidying rules of the analysis, checked on the boards a pupil would make.
#include <gtest/gtest.h>

#include "core/analysis/analysis.hpp"
#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

Construction analysed(const Construction& before, int dragFlag = 0) { return analyse(before, dragFlag).board.record; }

struct AnalysisCase {
    const char* name;
    Construction before;
    Construction after;
};
class Analysis : public ::testing::TestWithParam<AnalysisCase> {};

TEST_P(Analysis, TidiesTheBoard) {
    EXPECT_EQ(analysed(GetParam().before).toString(), GetParam().after.toString());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Analysis,
    ::testing::Values(
        // Position test.
        AnalysisCase{"lone_atom_goes_to_its_centre", makeConstruction({{9, C}}), makeConstruction({{0, C}})},
        AnalysisCase{"lone_atom_right_side", makeConstruction({{3, O}}), makeConstruction({{1, O}})},
        AnalysisCase{"two_atoms_end_on_both_centres", makeConstruction({{9, C}, {3, H}}),
                     makeConstruction({{0, H}, {1, C}}, {{1, 1}})},
        AnalysisCase{"second_atom_joins_free_centre", makeConstruction({{0, C}, {3, H}}),
                     makeConstruction({{0, C}, {1, H}}, {{1, 1}})},
        AnalysisCase{"many_atoms_fill_centres_first", makeConstruction({{5, O}, {7, H}, {9, H}}),
                     makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}})},
        AnalysisCase{"hydrogen_centre_drops_its_cells",
                     makeConstruction({{0, H}, {1, C}, {5, H}, {7, H}}),
                     makeConstruction({{0, H}, {1, C}}, {{1, 1}})},
        AnalysisCase{"chlorine_centre_drops_its_cells",
                     makeConstruction({{0, C}, {1, Cl}, {2, H}, {10, H}, {9, H}}),
                     makeConstruction({{0, C}, {1, Cl}, {9, H}}, {{1, 1}, {9, 1}})},
        AnalysisCase{"chain_centres_are_left_alone", makeConstruction({{0, C}, {1, N}, {5, H}, {4, H}}),
                     makeConstruction({{0, C}, {1, N}, {5, H}, {4, H}}, {{1, 1}, {5, 1}, {4, 1}})},
        // Crowding of oxygen and nitrogen.
        AnalysisCase{"oxygen_keeps_two_neighbours", makeConstruction({{0, O}, {1, H}, {5, H}, {7, H}, {9, H}}),
                     makeConstruction({{0, O}, {1, H}, {5, H}}, {{1, 1}, {5, 1}})},
        AnalysisCase{"nitrogen_keeps_three_neighbours",
                     makeConstruction({{0, C}, {1, N}, {10, H}, {11, H}, {2, H}, {4, H}}),
                     makeConstruction({{0, C}, {1, N}, {10, H}, {2, H}}, {{1, 1}, {10, 1}, {2, 1}})},
        // Corner rules.
        AnalysisCase{"crowded_corner_moves_to_far_cell", makeConstruction({{0, C}, {1, C}, {7, H}, {8, H}, {9, H}}),
                     makeConstruction({{0, C}, {1, C}, {7, H}, {9, H}, {5, H}}, {{1, 1}, {7, 1}, {9, 1}, {5, 1}})},
        AnalysisCase{"crowded_corner_removed_when_far_cell_taken",
                     makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {8, H}, {9, H}}),
                     makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}})},
        AnalysisCase{"corner_slides_to_free_neighbour_with_its_order",
                     makeConstruction({{0, C}, {1, C}, {7, H}, {8, O}}, {{1, 1}, {7, 1}, {8, 2}}),
                     makeConstruction({{0, C}, {1, C}, {7, H}, {9, O}}, {{1, 1}, {7, 1}, {9, 2}})},
        AnalysisCase{"lonely_corner_stays", makeConstruction({{0, C}, {1, C}, {3, H}}),
                     makeConstruction({{0, C}, {1, C}, {3, H}}, {{1, 1}, {3, 1}})},
        // Bond test and the monovalent centre rule.
        AnalysisCase{"double_between_oxygens_stays", makeConstruction({{0, O}, {1, O}}, {{1, 2}}),
                     makeConstruction({{0, O}, {1, O}}, {{1, 2}})},
        AnalysisCase{"triple_to_hydrogen_becomes_single", makeConstruction({{0, C}, {1, H}}, {{1, 3}}),
                     makeConstruction({{0, C}, {1, H}}, {{1, 1}})},
        AnalysisCase{"nitrogen_over_valence_lowered", makeConstruction({{0, C}, {1, N}, {2, H}}, {{1, 3}, {2, 1}}),
                     makeConstruction({{0, C}, {1, N}, {2, H}}, {{1, 2}, {2, 1}})},
        AnalysisCase{"outer_oxygen_triple_lowered", makeConstruction({{0, C}, {1, H}, {7, O}}, {{1, 1}, {7, 3}}),
                     makeConstruction({{0, C}, {1, H}, {7, O}}, {{1, 1}, {7, 2}})},
        AnalysisCase{"slots_of_empty_cells_cleared", makeConstruction({{0, C}, {1, O}}, {{1, 2}, {5, 3}, {2, 1}}),
                     makeConstruction({{0, C}, {1, O}}, {{1, 2}})}),
    [](const auto& info) { return std::string(info.param.name); });

// What the views are told, beside the tidied board.
struct ValueCase {
    const char* name;
    Construction before;
    int dragFlag;
    bool accepted;
    bool shown;
    const char* formula;
    const char* routine;  // the 3D view's, "none" when nothing is shown
};
class AnalysisValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(AnalysisValue, AcceptanceFormulaAndGeometry) {
    const ValueCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.before, tc.dragFlag);
    EXPECT_EQ(a.accepted, tc.accepted);
    EXPECT_EQ(a.shown(), tc.shown);
    EXPECT_EQ(a.formula, tc.formula);
    EXPECT_EQ(geometryName(a.geometry.routine), tc.routine);
    EXPECT_EQ(a.geometry.text.has_value(), tc.shown && std::string(tc.routine) != "none");
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnalysisValue,
    ::testing::Values(
        ValueCase{"water", makeConstruction({{0, O}, {3, H}, {9, H}}), 0, true, true, "H2O", "r3dax4"},
        ValueCase{"carbon_dioxide", makeConstruction({{0, C}, {1, O}, {7, O}}, {{1, 2}, {7, 2}}), 0, true, true,
                  "CO2", "r3dlin3"},
        ValueCase{"lone_carbon", makeConstruction({{9, C}}), 0, false, false, "", "none"},
        ValueCase{"empty_board", Construction{}, 0, true, false, "", "none"},
        // The analysis of a pick-up leaves the other atoms where they are, unbonded.
        ValueCase{"lifted_atom_leaves_its_neighbours", makeConstruction({{1, H}, {5, H}}), 1, false, false, "", "none"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Analysis, OverValentSingleBondsDoNotLoopForever) {
    // A pick-up's analysis can leave a hydrogen centre holding its own cells.
    const auto c = analysed(makeConstruction({{0, H}, {1, C}, {5, H}, {7, H}}), 1);
    EXPECT_EQ(c.code[5], H);
    EXPECT_EQ(c.slot[5], 1);
}

struct CornerCase {
    int corner;
    int neighbourCell;
    CellPosition bonded;
    CellPosition grid;
};
class CornerPlacement : public ::testing::TestWithParam<CornerCase> {};

TEST_P(CornerPlacement, BondedCornerStandsEightPixelsNearer) {
    const auto& p = GetParam();
    const int centre = p.corner == 3 || p.corner == 11 ? 1 : 0;
    EXPECT_EQ(analyse(makeConstruction({{0, C}, {1, C}, {p.corner, H}})).board.position[p.corner], p.bonded);
    // A neighbour next to the corner makes it slide there: the corner cell empties and returns.
    const Board slid =
        analyse(makeConstruction({{0, C}, {1, C}, {p.corner, H}, {p.neighbourCell, H}}, {{p.corner, 1}})).board;
    EXPECT_EQ(slid.record.code[p.corner], 0) << "centre " << centre;
    EXPECT_EQ(slid.position[p.corner], p.grid);
}

INSTANTIATE_TEST_SUITE_P(Table, CornerPlacement,
                         ::testing::Values(CornerCase{3, 2, {88, 56}, {96, 64}}, CornerCase{6, 5, {8, 56}, {0, 64}},
                                           CornerCase{8, 7, {8, 8}, {0, 0}}, CornerCase{11, 10, {88, 8}, {96, 0}}));

TEST(DragFlag, PickUpAnalysisSkipsThePositionTestThenTheNextRunsInFull) {
    Workspace ws;
    ws.build(makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}}));
    ASSERT_TRUE(ws.pickUp(0));  // lift the oxygen
    EXPECT_EQ(ws.board().dragFlag, -1);
    EXPECT_EQ(ws.board().record.code[9], H) << "old neighbours stay while dragging";
    EXPECT_EQ(ws.board().record.code[0], 0);
    ws.finishInterruptedMove();  // dropped outside the board: the oxygen is gone
    EXPECT_EQ(ws.board().dragFlag, 0);
    EXPECT_EQ(ws.board().record.toString(), makeConstruction({{0, H}, {1, H}}, {{1, 1}}).toString());
}

TEST(DragFlag, MoveToAnotherCellKeepsTheAtom) {
    Workspace ws;
    ws.dropPaletteElement(9, C);
    EXPECT_EQ(ws.board().record.code[0], C);
    ws.dropPaletteElement(3, O);
    ASSERT_EQ(ws.board().record.code[1], O);
    ASSERT_TRUE(ws.pickUp(1));
    EXPECT_EQ(ws.liftedElement(), O);
    ws.dropLifted(2);
    EXPECT_EQ(ws.board().record.toString(), makeConstruction({{0, C}, {1, O}}, {{1, 1}}).toString());
    EXPECT_FALSE(ws.pickUp(5)) << "nothing to lift on an empty cell";
}

TEST(Drop, PaletteElementReplacesTheAtomThere) {
    Workspace ws;
    ws.dropPaletteElement(0, C);
    ws.dropPaletteElement(0, N);
    EXPECT_EQ(ws.board().record.code[0], N);
}

TEST(Refresh, EmptyCentresHideTheStructureAndStopTheAnimation) {
    Workspace ws;
    ws.dropPaletteElement(0, O);
    ws.dropPaletteElement(1, O);
    ws.openBondMenu(0, 28, 16);
    ws.chooseBondOrder(2);
    ASSERT_TRUE(ws.view().smile);
    ASSERT_TRUE(ws.view().timerEnabled);
    ASSERT_TRUE(ws.pickUp(0));
    ws.finishInterruptedMove();
    ASSERT_TRUE(ws.pickUp(1));
    ws.finishInterruptedMove();
    EXPECT_FALSE(ws.view().smile);
    EXPECT_TRUE(ws.view().phototavir);
    EXPECT_FALSE(ws.view().check1Visible);
    EXPECT_FALSE(ws.view().timerEnabled);
    EXPECT_TRUE(ws.view().c3dText.empty());
}

TEST(Refresh, StoresTheBoardIntoTheCurrentEntry) {
    Workspace ws;
    ws.dropPaletteElement(0, C);
    EXPECT_EQ(ws.entry(1), makeConstruction({{0, C}}).toString());
    EXPECT_TRUE(ws.view().undoEnabled);
}

TEST(ConstructionTable, BlankEntryShowsAsTheEmptyConstruction) {
    ConstructionTable table;
    EXPECT_EQ(table.show(5), Construction{});
    EXPECT_EQ(table.entry(5), kEmptyConstructionString);
    const Construction co = makeConstruction({{0, C}, {1, O}}, {{1, 2}});
    table.setEntry(7, co.toString());
    EXPECT_EQ(table.show(7), co);
}

}  // namespace
}  // namespace tavir

// Ten constructions, the selector, undo, copy and paste, and the erase items.
#include <gtest/gtest.h>

#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

const std::string kMethane =
    makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}).toString();

std::string boardText(const Workspace& ws) { return ws.board().record.toString(); }

TEST(Series, SwitchingKeepsEachConstructionAndUndoBelongsToItsOwn) {
    Workspace ws;
    ws.dropPaletteElement(0, C);
    ws.dropPaletteElement(1, O);
    const std::string first = boardText(ws);
    ws.selectEntry(2);
    EXPECT_EQ(ws.currentConstruction(), 2);
    EXPECT_EQ(boardText(ws), std::string(kEmptyConstructionString));
    EXPECT_FALSE(ws.view().undoEnabled) << "undo belongs to construction 1";
    ws.selectEntry(1);
    EXPECT_EQ(boardText(ws), first);
    EXPECT_TRUE(ws.view().undoEnabled);
    EXPECT_EQ(ws.entry(1), first);
}

TEST(Series, SwitchingIsNotUndoable) {
    Workspace ws;
    ws.dropPaletteElement(0, C);
    ws.selectEntry(2);
    ws.dropPaletteElement(0, N);
    ws.undo();
    EXPECT_EQ(boardText(ws), std::string(kEmptyConstructionString)) << "undo goes back to the empty construction 2";
}

TEST(Undo, AWholeMoveIsOneStepAndUndoTwiceGoesBack) {
    Workspace ws;
    ws.dropPaletteElement(0, O);
    ws.dropPaletteElement(1, H);
    ws.dropPaletteElement(9, H);  // water
    const std::string water = boardText(ws);
    ASSERT_TRUE(ws.pickUp(9));
    ws.dropLifted(5);  // move the hydrogen below the oxygen
    const std::string moved = boardText(ws);
    ASSERT_NE(moved, water);
    ws.undo();
    EXPECT_EQ(boardText(ws), water);
    ws.undo();
    EXPECT_EQ(boardText(ws), moved);
    EXPECT_EQ(ws.entry(1), moved) << "undo changes the current construction of the series";
}

// What changes nothing the pupil can see is no step: Annuler still takes back the last real
// change (here the second hydrogen of water).
enum class NoChange { RefusedDrop, MoveBackToItsCell, ChargesTicked };
class UndoAfter : public ::testing::TestWithParam<NoChange> {};

TEST_P(UndoAfter, ANoChangeStillTakesBackTheLastChange) {
    Workspace ws;
    ws.dropPaletteElement(0, O);
    ws.dropPaletteElement(1, H);
    const std::string hydroxyl = boardText(ws);
    ws.dropPaletteElement(5, H);
    const std::string water = boardText(ws);
    switch (GetParam()) {
    case NoChange::RefusedDrop: ws.dropPaletteElement(9, H); break;  // oxygen keeps cells 1 and 5
    case NoChange::MoveBackToItsCell:
        ASSERT_TRUE(ws.pickUp(5));
        ws.dropLifted(5);
        break;
    case NoChange::ChargesTicked: ws.setFormalCharges(true); break;
    }
    ASSERT_EQ(boardText(ws), water);
    EXPECT_TRUE(ws.view().undoEnabled);
    ws.undo();
    EXPECT_EQ(boardText(ws), hydroxyl);
    ws.undo();
    EXPECT_EQ(boardText(ws), water);
}

INSTANTIATE_TEST_SUITE_P(Table, UndoAfter,
                         ::testing::Values(NoChange::RefusedDrop, NoChange::MoveBackToItsCell, NoChange::ChargesTicked));

TEST(Paste, CopyOnThreePasteOnFive) {
    Workspace ws;
    EXPECT_FALSE(ws.view().pasteEnabled);
    ws.selectEntry(3);
    ws.build(Construction::fromString(kMethane));
    ws.copyConstruction();
    EXPECT_TRUE(ws.view().pasteEnabled);
    ws.selectEntry(5);
    ws.paste();
    EXPECT_EQ(ws.entry(5), kMethane);
    EXPECT_EQ(ws.entry(3), kMethane);
}

TEST(Erase, CurrentOnlyOrAllTenButNeverTheCopyBuffer) {
    Workspace ws;
    ws.build(Construction::fromString(kMethane));
    ws.copyConstruction();
    ws.selectEntry(2);
    ws.build(Construction::fromString(kMethane));
    ws.clearConstruction();
    EXPECT_EQ(ws.entry(2), std::string(kEmptyConstructionString));
    EXPECT_EQ(ws.entry(1), kMethane);
    ws.clearSeries();
    for (int n = 1; n <= 10; ++n) {
        ws.selectEntry(n);
        EXPECT_EQ(boardText(ws), std::string(kEmptyConstructionString)) << "construction " << n;
    }
    EXPECT_EQ(ws.entry(0), kMethane);
}

TEST(LoadSeries, ShowsConstructionOneAndReadsDamagedEntriesSafely) {
    Workspace ws;
    ws.selectEntry(7);
    std::array<std::string, 10> entries{kMethane, "", "39", "  ", "3322222222223222222222X"};
    ws.loadSeries(entries);
    EXPECT_EQ(ws.currentConstruction(), 1);
    EXPECT_EQ(boardText(ws), kMethane);
    EXPECT_EQ(ws.entry(3), "32222222222222222222222") << "damaged positions read as 0";
    ws.selectEntry(5);
    EXPECT_EQ(ws.board().record.code[1], C);
    EXPECT_EQ(ws.board().record.slot[1], 1);
}

}  // namespace
}  // namespace tavir

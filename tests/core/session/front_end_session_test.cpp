// What both front ends take from the session: drags ending anywhere, the information line,
// links to constructions and the snapshot a browser keeps between visits.
#include <gtest/gtest.h>

#include <functional>

#include "core/board/texts.hpp"
#include "core/session/construction_link.hpp"
#include "core/geometry3d/texts.hpp"
#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

const Construction kWater = makeConstruction({{0, O}, {1, H}, {5, H}}, {{1, 1}, {5, 1}});
const Construction kCarbonDioxide = *Construction::parse("35222225222242222242222");

std::string boardText(const Workspace& ws) { return ws.board().record.toString(); }

struct DragCase {
    const char* name;
    bool fromBoard;  // the atom of cell 5 lifted, else an oxygen from the palette
    int endCell;     // -1: outside every cell
    const char* expected;
};

class DragEnd : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragEnd, EndsAsTheDesktopDropDoes) {
    const DragCase& c = GetParam();
    Workspace ws;
    ws.build(kWater);
    if (c.fromBoard) {
        ASSERT_TRUE(ws.pickUp(5));
    }
    ws.endDrag(c.endCell, c.fromBoard ? 0 : O);
    EXPECT_EQ(boardText(ws), c.expected);
    EXPECT_EQ(ws.liftedElement(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DragEnd,
    ::testing::Values(DragCase{"paletteOutside", false, -1, "54222422222232223222222"},
                      // The oxygen centre keeps two neighbours: the third goes again.
                      DragCase{"paletteBesideAFullCentre", false, 9, "54222422222232223222222"},
                      DragCase{"paletteOnOccupiedCell", false, 1, "55222422222232223222222"},
                      DragCase{"liftedOutside", true, -1, "54222222222232222222222"},
                      DragCase{"liftedOnOtherCell", true, 9, "54222222242232222222322"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellAt, FollowsTheCellsWhereTheAnalysisPutThem) {
    Workspace ws;
    EXPECT_EQ(ws.cellAt(40, 40), 0);
    EXPECT_EQ(ws.cellAt(100, 60), 3) << "cell 3 stands 8 pixels higher before the first analysis, over cell 2";
    EXPECT_EQ(ws.cellAt(100, 40), 2);
    EXPECT_EQ(ws.cellAt(129, 40), -1);
    EXPECT_EQ(ws.cellAt(-1, 0), -1);
}

TEST(InfoLine, HoverTextsAndTheCopyConfirmationThatStaysOverItsButton) {
    Workspace ws;
    EXPECT_EQ(ws.view().info, board_texts::kHoverBackground);
    ws.pointerOver(PointerPlace::Cell);
    EXPECT_EQ(ws.view().info, board_texts::kHoverCell);
    ws.pictureCopied();
    ws.pointerOverButton("Command4");
    EXPECT_EQ(ws.view().info, board_texts::kClipboardConfirmation);
    ws.pointerOverButton("Command13");
    EXPECT_EQ(ws.view().info, board_texts::kCommand13.hover);
    ws.pointerOverButton("Command4");
    EXPECT_EQ(ws.view().info, board_texts::kHoverCopy);
    ws.pointerOverButton("Command12");  // no hover text: the line keeps its own
    EXPECT_EQ(ws.view().info, board_texts::kHoverCopy);
}

// Leaving for a place with no text of its own: a hover text gives way to the window's, what
// an action wrote stays.
TEST(InfoLine, AHoverTextGoesWhenThePointerLeaves) {
    Workspace ws;
    const auto leftAfter = [&ws](const std::function<void()>& before) {
        before();
        ws.pointerLeft();
        return ws.view().info;
    };
    EXPECT_EQ(leftAfter([&] { ws.pointerOverButton("Command13"); }), board_texts::kHoverBackground);
    EXPECT_EQ(leftAfter([&] { ws.pointerOver(PointerPlace::SpeedSlider); }), board_texts::kHoverBackground);
    EXPECT_EQ(leftAfter([&] { ws.pointerOver(PointerPlace::Cell); }), board_texts::kHoverBackground);
    EXPECT_EQ(leftAfter([&] { ws.pictureCopied(); }), board_texts::kClipboardConfirmation);
    EXPECT_EQ(leftAfter([&] { ws.pressResultView(); }), geometry_texts::kUseDrawingArea);
}

TEST(InfoLine, OnlyTheWindowFrameGapsAndPaletteFinishAMoveUnderWay) {
    for (const auto& [place, finishes] : {std::pair{PointerPlace::Cell, false}, {PointerPlace::SpeedSlider, false},
                                         {PointerPlace::Board, true}, {PointerPlace::Palette, true},
                                         {PointerPlace::Background, true}}) {
        Workspace ws;
        ws.build(kWater);
        ASSERT_TRUE(ws.pickUp(5));
        ASSERT_EQ(ws.board().dragFlag, -1);
        ws.dragOver(place);
        EXPECT_EQ(ws.board().dragFlag == 0, finishes) << static_cast<int>(place);
    }
}

TEST(Keyboard, TheFrameShowsOnlyOnceTheKeyboardIsUsedAndTheBoardHasTheFocus) {
    Workspace ws;
    EXPECT_EQ(ws.focusFrameCell(true), -1);
    EXPECT_TRUE(ws.pressBoardKey(BoardKey::Right));
    EXPECT_EQ(ws.focusFrameCell(true), 1);
    EXPECT_EQ(ws.focusFrameCell(false), -1);
    ws.focusCell(7);
    EXPECT_EQ(ws.focusFrameCell(true), -1) << "a click waits for a key";
    ws.enterBoardByKeyboard();
    EXPECT_EQ(ws.focusFrameCell(true), 7);
    EXPECT_EQ(ws.view().info, board_texts::kBoardKeyboardInfo);
    EXPECT_FALSE(ws.pressBoardKey(BoardKey::Remove)) << "nothing to remove on an empty cell";
}

struct LinkCase {
    const char* fragment;
    const char* construction;  // nullptr: no construction
};

class Links : public ::testing::TestWithParam<LinkCase> {};

TEST_P(Links, ReadOnlyAWholeValidConstruction) {
    const auto c = constructionFromLink(GetParam().fragment);
    if (!GetParam().construction) {
        EXPECT_FALSE(c.has_value());
    } else {
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->toString(), GetParam().construction);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Links,
                         ::testing::Values(LinkCase{"#c=35222225222242222242222", "35222225222242222242222"},
                                           LinkCase{"c=35222225222242222242222", "35222225222242222242222"},
                                           LinkCase{"x=1&c=54222222242232222222322", "54222222242232222222322"},
                                           LinkCase{"#c=3522222522224222224222", nullptr},
                                           LinkCase{"#c=85222225222242222242222", nullptr},
                                           LinkCase{"#c=352222252222422222422222", nullptr}, LinkCase{"", nullptr},
                                           LinkCase{"#cc=35222225222242222242222", nullptr}));

TEST(Links, AnOpenedConstructionNeverTakesThePlaceOfAPupilsWork) {
    Workspace ws;
    ws.openConstruction(kWater);
    EXPECT_EQ(ws.currentConstruction(), 1) << "the current construction was empty";
    ws.openConstruction(kCarbonDioxide);
    EXPECT_EQ(ws.currentConstruction(), 2);
    EXPECT_EQ(ws.entry(1), kWater.toString());
    EXPECT_EQ(ws.analysis().formula, "CO2");
    for (int n = 3; n <= 10; ++n) {
        ws.selectEntry(n);
        ws.build(kWater);
    }
    ws.selectEntry(4);
    ws.openConstruction(kCarbonDioxide);
    EXPECT_EQ(ws.currentConstruction(), 4) << "a full series: over the current one";
    ws.undo();
    EXPECT_EQ(boardText(ws), kWater.toString()) << "which undo brings back";
    EXPECT_EQ(linkFragment(kWater), "c=" + kWater.toString());
}

TEST(Snapshot, BringsBackTheSeriesTheCopyAndTheTicks) {
    Workspace before;
    before.build(kWater);
    before.copyConstruction();
    before.selectEntry(3);
    before.build(kCarbonDioxide);
    before.setRedBonds(true);
    before.setCompact(true);
    before.setSpeed(120);
    Workspace after;
    ASSERT_TRUE(after.restore(before.snapshot()));
    EXPECT_EQ(after.seriesEntries(), before.seriesEntries());
    EXPECT_EQ(after.currentConstruction(), 3);
    EXPECT_EQ(after.analysis().formula, "CO2");
    EXPECT_TRUE(after.view().options.dot.redBonds);
    EXPECT_TRUE(after.view().options.frame.compact);
    EXPECT_EQ(after.speed(), 120);
    EXPECT_TRUE(after.view().pasteEnabled);
    after.paste();
    EXPECT_EQ(after.analysis().formula, "H2O");
    EXPECT_EQ(after.snapshot(), [&] {
        before.paste();
        return before.snapshot();
    }());
}

TEST(Snapshot, ADamagedOneBringsBackWhatItCanAndNothingImpossible) {
    Workspace ws;
    EXPECT_FALSE(ws.restore(""));
    EXPECT_FALSE(ws.restore("something else\ncurrent=2"));
    EXPECT_FALSE(ws.restore("tavir-session 1\ncurrent=11\nspeed=900\nentry1=9999\nred=2"));
    EXPECT_EQ(ws.currentConstruction(), 1);
    EXPECT_EQ(ws.speed(), 50);
    ASSERT_TRUE(ws.restore("tavir-session 1\nentry2=54222222242232222222322\nentry3=zz\ncurrent=2\nspeed=abc"));
    EXPECT_EQ(ws.analysis().formula, "H2O");
    EXPECT_EQ(ws.entry(3), "");
    EXPECT_EQ(ws.speed(), 50);
    EXPECT_FALSE(ws.view().undoEnabled) << "coming back is not a change to undo";
}

}  // namespace
}  // namespace tavir

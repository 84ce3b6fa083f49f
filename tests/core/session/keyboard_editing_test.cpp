// Keyboard editing of the board: the focus moves on the grid and keys act as the mouse does.
#include <gtest/gtest.h>

#include "core/board/board_drawing.hpp"
#include "core/session/keyboard_editing.hpp"
#include "core/session/workspace.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

struct Move {
    int from;
    BoardKey arrow;
    int to;
};

class ArrowMoves : public ::testing::TestWithParam<Move> {};

TEST_P(ArrowMoves, FollowTheGridAndStopAtItsEdges) {
    const Move m = GetParam();
    EXPECT_EQ(neighbourCell(m.from, m.arrow), m.to);
}

// Grid rows, left to right: 8 9 10 11 / 7 0 1 2 / 6 5 4 3.
INSTANTIATE_TEST_SUITE_P(Grid, ArrowMoves,
                         ::testing::Values(Move{0, BoardKey::Left, 7}, Move{0, BoardKey::Right, 1},
                                           Move{0, BoardKey::Up, 9}, Move{0, BoardKey::Down, 5},
                                           Move{1, BoardKey::Right, 2}, Move{2, BoardKey::Up, 11},
                                           Move{6, BoardKey::Right, 5}, Move{4, BoardKey::Right, 3},
                                           Move{8, BoardKey::Left, 8}, Move{8, BoardKey::Up, 8},
                                           Move{3, BoardKey::Right, 3}, Move{3, BoardKey::Down, 3},
                                           Move{11, BoardKey::Down, 2}, Move{7, BoardKey::Down, 6}),
                         [](const auto& info) {
                             return "From" + std::to_string(info.param.from) + "Step" + std::to_string(info.index);
                         });

TEST(BoardKeyCharacters, LettersInEitherCaseAndTheThreeOrders) {
    const std::pair<char, BoardKey> table[] = {
        {'C', BoardKey::Carbon},   {'h', BoardKey::Hydrogen}, {'O', BoardKey::Oxygen}, {'n', BoardKey::Nitrogen},
        {'L', BoardKey::Chlorine}, {'1', BoardKey::Order1},   {'2', BoardKey::Order2}, {'3', BoardKey::Order3},
    };
    for (const auto& [c, key] : table) EXPECT_EQ(boardKeyForCharacter(c), key) << c;
    for (char c : {'x', '0', '4', ' ', 'K'}) EXPECT_EQ(boardKeyForCharacter(c), std::nullopt) << c;
}

std::string boardText(const Workspace& ws) { return ws.board().record.toString(); }

// Everything a later undo, paste or view depends on.
void expectSameState(const Workspace& a, const Workspace& b) {
    EXPECT_EQ(boardText(a), boardText(b));
    for (int n = 0; n < kTableSize; ++n) EXPECT_EQ(a.entry(n), b.entry(n)) << "entry " << n;
    EXPECT_EQ(a.view().undoEnabled, b.view().undoEnabled);
    EXPECT_EQ(a.undoState(), b.undoState());
    EXPECT_EQ(a.view().smile, b.view().smile);
}

TEST(KeyboardEditing, BuildingAndRemovingMatchesTheMouse) {
    Workspace byMouse;
    byMouse.dropPaletteElement(0, O);
    byMouse.dropPaletteElement(1, H);
    byMouse.dropPaletteElement(9, H);
    ASSERT_TRUE(byMouse.pickUp(9));
    byMouse.finishInterruptedMove();  // dragged off the board

    Workspace byKeys;
    int focus = 0;
    for (BoardKey k : {BoardKey::Oxygen, BoardKey::Right, BoardKey::Hydrogen, BoardKey::Left, BoardKey::Up,
                       BoardKey::Hydrogen})
        ASSERT_TRUE(applyBoardKey(byKeys, focus, k));
    EXPECT_EQ(focus, 9);
    EXPECT_TRUE(byKeys.view().smile) << "water is accepted";
    ASSERT_TRUE(applyBoardKey(byKeys, focus, BoardKey::Remove));
    expectSameState(byKeys, byMouse);

    // One undo brings the removed hydrogen back, as after the mouse.
    byKeys.undo();
    byMouse.undo();
    expectSameState(byKeys, byMouse);
    EXPECT_TRUE(byKeys.view().smile);
}

TEST(KeyboardEditing, RemovingAnEmptyCellChangesNothing) {
    Workspace ws;
    int focus = 0;
    ASSERT_TRUE(applyBoardKey(ws, focus, BoardKey::Carbon));
    const std::string before = boardText(ws);
    const std::string undo = ws.entry(kUndoEntry);
    focus = 4;
    EXPECT_FALSE(applyBoardKey(ws, focus, BoardKey::Remove));
    EXPECT_EQ(boardText(ws), before);
    EXPECT_EQ(ws.entry(kUndoEntry), undo);
}

struct OrderCase {
    const char* name;
    Construction start;
    int cell;
    BoardKey key;
    bool applied;
    int slot;
    int orderAfter;
};

class OrderKeys : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderKeys, SetAnOrderOnlyWhereTheBondMenuWouldOfferIt) {
    const OrderCase& t = GetParam();
    Workspace ws;
    ws.build(t.start);
    int focus = t.cell;
    EXPECT_EQ(applyBoardKey(ws, focus, t.key), t.applied);
    EXPECT_EQ(ws.board().record.slot[t.slot], t.orderAfter);
    EXPECT_EQ(focus, t.cell);
}

const Construction kCarbonOxygen = makeConstruction({{0, C}, {1, O}}, {{1, 1}});
const Construction kHydrogenCyanide = makeConstruction({{0, C}, {1, N}, {7, H}}, {{1, 1}, {7, 1}});

INSTANTIATE_TEST_SUITE_P(
    Bonds, OrderKeys,
    ::testing::Values(OrderCase{"DoubleFromTheOxygen", kCarbonOxygen, 1, BoardKey::Order2, true, 1, 2},
                      OrderCase{"DoubleFromTheCarbon", kCarbonOxygen, 0, BoardKey::Order2, true, 1, 2},
                      OrderCase{"TripleBeyondOxygen", kCarbonOxygen, 0, BoardKey::Order3, false, 1, 1},
                      OrderCase{"TripleForTheNitrile", kHydrogenCyanide, 1, BoardKey::Order3, true, 1, 3},
                      OrderCase{"DoubleToHydrogenRefused", kHydrogenCyanide, 7, BoardKey::Order2, false, 7, 1},
                      OrderCase{"SingleToHydrogenKept", kHydrogenCyanide, 7, BoardKey::Order1, true, 7, 1},
                      OrderCase{"NoBondOnAnEmptyCell", kHydrogenCyanide, 5, BoardKey::Order1, false, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardEditing, AnOrderKeyIsUndoneInOneStep) {
    Workspace ws;
    int focus = 0;
    applyBoardKey(ws, focus, BoardKey::Carbon);
    focus = 1;
    applyBoardKey(ws, focus, BoardKey::Oxygen);
    const std::string single = boardText(ws);
    ASSERT_TRUE(applyBoardKey(ws, focus, BoardKey::Order2));
    ASSERT_NE(boardText(ws), single);
    ws.undo();
    EXPECT_EQ(boardText(ws), single);
}

TEST(FocusFrame, FollowsACornerCellWhereTheAnalysisMovedIt) {
    Workspace ws;
    ws.build(makeConstruction({{0, C}, {1, C}, {3, H}}));
    const CellPosition corner = ws.board().position[3];
    ASSERT_NE(corner, kGridPositions[3]) << "a bonded corner stands nearer its centre";
    RecordingCanvas canvas;
    drawCellFocus(ws.board(), canvas, 3);
    const auto boxes = canvas.callsOf(DrawCall::Kind::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].x1, corner.left);
    EXPECT_EQ(boxes[0].y1, corner.top);
    EXPECT_EQ(boxes[0].x2, corner.left + kCellSize - 1);
    EXPECT_EQ(boxes[1].y2, corner.top + kCellSize - 2);
    for (const auto& b : boxes) EXPECT_FALSE(b.filled);

    canvas.reset();
    drawCellFocus(ws.board(), canvas, kCellCount);
    EXPECT_TRUE(canvas.calls().empty()) << "no frame outside the board";
}

}  // namespace
}  // namespace tavir

// The formal-charges box in the session: it changes what is accepted, leaves the history alone
// when nothing moves, and an ion kept in the series is never cut down by showing it.
#include <gtest/gtest.h>

#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

const std::string kAmmonium =
    makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}).toString();
const std::string kHydroxide = makeConstruction({{0, O}, {1, H}}, {{1, 1}}).toString();

std::string boardText(const Workspace& ws) { return ws.board().record.toString(); }

TEST(ChargesBox, ShownOnAnOccupiedCentreAndTickingAcceptsWithoutTouchingUndo) {
    Workspace ws;
    EXPECT_FALSE(ws.view().check3Visible);
    ws.dropPaletteElement(0, O);
    ws.dropPaletteElement(1, H);
    EXPECT_TRUE(ws.view().check3Visible);
    EXPECT_FALSE(ws.view().smile);
    ws.setFormalCharges(true);
    EXPECT_TRUE(ws.view().smile);
    EXPECT_TRUE(ws.view().check1Visible);
    EXPECT_EQ(ws.analysis().formula, "HO-");
    ws.tick();
    EXPECT_FALSE(ws.view().d3d.cleared());
    // Undo still goes back to the lone oxygen, the step before the tick.
    ws.undo();
    EXPECT_EQ(boardText(ws), makeConstruction({{0, O}}).toString());
    ws.undo();
    ws.setFormalCharges(false);
    EXPECT_FALSE(ws.view().smile);
    EXPECT_TRUE(ws.view().d3d.cleared());
    EXPECT_EQ(boardText(ws), kHydroxide);
}

// Every way a stored construction comes back onto the board.
struct ComeBackCase {
    const char* name;
    std::string stored;
    bool ticksTheBox;
};
void PrintTo(const ComeBackCase& c, std::ostream* os) { *os << c.name; }
class StoredIon : public ::testing::TestWithParam<ComeBackCase> {};

TEST_P(StoredIon, ComesBackWholeWithTheBoxTicked) {
    const ComeBackCase& tc = GetParam();
    auto check = [&](Workspace& ws, const char* way) {
        SCOPED_TRACE(way);
        EXPECT_EQ(boardText(ws), tc.stored);
        EXPECT_EQ(ws.view().options.dot.formalCharges, tc.ticksTheBox);
        EXPECT_EQ(ws.entry(ws.currentConstruction()), tc.stored);
    };
    std::array<std::string, 10> series{};
    series[0] = tc.stored;
    series[2] = tc.stored;
    Workspace loaded;
    loaded.loadSeries(series);
    check(loaded, "loaded");
    Workspace selected;
    selected.loadSeries(series);
    selected.setFormalCharges(false);
    selected.selectEntry(2);
    // Printing analyses entry 3 as its selection would show it.
    EXPECT_EQ(selected.analysisOf(3).board.record.toString(), tc.stored);
    selected.selectEntry(3);
    check(selected, "selected");
    Workspace pasted;
    pasted.loadSeries(series);
    pasted.copyConstruction();
    pasted.setFormalCharges(false);
    pasted.selectEntry(2);
    pasted.paste();
    check(pasted, "pasted");
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredIon,
    ::testing::Values(ComeBackCase{"ammonium", kAmmonium, true},
                      // Nothing to lose: it stays as it is, refused, and the box stays unticked.
                      ComeBackCase{"hydroxide", kHydroxide, false},
                      ComeBackCase{"water", makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}}).toString(),
                                   false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

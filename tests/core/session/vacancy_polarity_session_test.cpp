// The ions a pupil builds with the formal charges shown, by mouse and by keys: nitrate with its
// double bond, the carbocation's vacancy, and the polarity option's sentence.
#include <gtest/gtest.h>

#include "core/series/series_file.hpp"
#include "core/session/keyboard_editing.hpp"
#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

// Keys from the focused cell, each expected to take.
void press(Workspace& ws, int& focus, std::initializer_list<BoardKey> keys) {
    for (BoardKey k : keys) ASSERT_TRUE(applyBoardKey(ws, focus, k)) << static_cast<int>(k);
}

TEST(IonByKeys, NitrateTakesItsDoubleBondOnlyWithTheChargesShown) {
    using K = BoardKey;
    Workspace ws;
    int focus = 0;
    press(ws, focus, {K::Nitrogen, K::Right, K::Oxygen, K::Left, K::Down, K::Oxygen, K::Up, K::Up, K::Oxygen});
    EXPECT_EQ(focus, 9);
    // Unticked, nitrogen keeps three bonds: the key is refused.
    EXPECT_FALSE(applyBoardKey(ws, focus, K::Order2));
    ws.setFormalCharges(true);
    ASSERT_TRUE(applyBoardKey(ws, focus, K::Order2));
    EXPECT_EQ(ws.board().record.slot[9], 2);
    EXPECT_TRUE(ws.view().smile);
    EXPECT_EQ(ws.analysis().formula, "NO3-");
    // A second double bond would make nitrogen carry five.
    focus = 5;
    EXPECT_FALSE(applyBoardKey(ws, focus, K::Order2));
}

TEST(IonByMouse, TheBondMenuOffersTheIonsOrders) {
    Workspace ws;
    ws.build(makeConstruction({{0, N}, {1, O}, {5, O}, {9, O}}, {{1, 1}, {5, 1}, {9, 1}}));
    // Cell 9's bond to nitrogen, right-clicked anywhere on the oxygen.
    EXPECT_FALSE(ws.openBondMenu(9, 16, 16)->doubleEnabled);
    ws.setFormalCharges(true);
    const auto menu = ws.openBondMenu(9, 16, 16);
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->doubleEnabled);
    EXPECT_FALSE(menu->tripleEnabled);
    ws.chooseBondOrder(2);
    EXPECT_EQ(ws.analysis().formula, "NO3-");
    // Nitrite's N=O may not become triple: both ends would be positive.
    Workspace nitrite;
    nitrite.setFormalCharges(true);
    nitrite.build(makeConstruction({{0, N}, {1, O}, {9, O}}, {{1, 2}, {9, 1}}));
    EXPECT_EQ(nitrite.analysis().formula, "NO2-");
    EXPECT_FALSE(nitrite.openBondMenu(0, 30, 16)->tripleEnabled);
}

const Construction kCh3 = makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}});

TEST(Vacancy, ChosenByKeyOrMenuUndoneAndDroppedWithTheBox) {
    Workspace ws;
    ws.build(kCh3);
    int focus = 0;
    EXPECT_FALSE(ws.openAtomMenu(0, 5, 16)) << "no vacancy without the formal charges";
    EXPECT_FALSE(applyBoardKey(ws, focus, BoardKey::Vacancy));
    ws.setFormalCharges(true);
    EXPECT_EQ(ws.analysis().formula, "CH3-");
    const auto menu = ws.openAtomMenu(0, 5, 16);
    ASSERT_TRUE(menu);
    EXPECT_FALSE(menu->vacancy);
    // Offered on a bond's zone too, beside the bond items.
    EXPECT_TRUE(ws.openAtomMenu(0, 16, 5));
    EXPECT_FALSE(ws.openAtomMenu(1, 16, 16)) << "the hydrogen has no choice";

    const std::string withPair = ws.entry(ws.currentConstruction());
    ASSERT_TRUE(applyBoardKey(ws, focus, BoardKey::Vacancy));
    EXPECT_EQ(ws.analysis().formula, "CH3+");
    EXPECT_TRUE(ws.openAtomMenu(0, 5, 16)->vacancy);
    EXPECT_EQ(ws.entry(ws.currentConstruction()), withPair + "3");
    ws.undo();
    EXPECT_EQ(ws.analysis().formula, "CH3-");
    ws.undo();
    ASSERT_TRUE(ws.setVacancy(0, true));
    EXPECT_TRUE(ws.view().smile);

    // Unticking drops the vacancy like any ion's part; undo brings it back with the box.
    ws.setFormalCharges(false);
    EXPECT_FALSE(ws.board().record.hasVacancy());
    EXPECT_FALSE(ws.view().smile);
    ws.undo();
    EXPECT_TRUE(ws.view().options.dot.formalCharges);
    EXPECT_EQ(ws.analysis().formula, "CH3+");

    // A fourth hydrogen fills the carbon: no vacancy is left to keep.
    ws.dropPaletteElement(7, H);
    EXPECT_FALSE(ws.board().record.hasVacancy());
    EXPECT_EQ(ws.analysis().formula, "CH4");
    EXPECT_FALSE(ws.setVacancy(0, true));
}

TEST(Vacancy, SavedAndLoadedWithTheSeries) {
    Workspace ws;
    ws.setFormalCharges(true);
    ws.build(kCh3);
    ASSERT_TRUE(ws.setVacancy(0, true));
    const auto bytes = encodeSeries(ws.seriesEntries());
    ASSERT_TRUE(bytes);
    const auto entries = decodeSeries(*bytes);
    ASSERT_TRUE(entries);
    Workspace loaded;
    loaded.loadSeries(*entries);
    EXPECT_TRUE(loaded.view().options.dot.formalCharges);
    EXPECT_TRUE(loaded.board().record.vacancy[0]);
    EXPECT_EQ(loaded.analysis().formula, "CH3+");
}

TEST(PolarityOption, TheSentenceFollowsTheBoxAtOnce) {
    Workspace ws;
    ws.build(makeConstruction({{0, O}, {1, H}, {9, H}}));
    ws.tick();
    const std::string shape = ws.view().c3dText;
    EXPECT_FALSE(ws.view().options.dot.polarity);
    EXPECT_TRUE(ws.view().check4Visible);
    ws.controlAnimation(AnimationControl::Stop);  // no tick comes
    ws.setPolarity(true);
    EXPECT_EQ(ws.view().c3dText, shape + "\r\nLa molécule est polaire.");
    ws.build(makeConstruction({{7, O}, {0, C}, {1, O}}, {{7, 2}, {1, 2}}));
    ws.tick();
    EXPECT_EQ(ws.view().c3dText, "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes trois éléments sont alignés.\r\n"
                                 "La molécule est apolaire.");
    ws.setPolarity(false);
    EXPECT_EQ(ws.view().c3dText, "Les angles entre les liaisons sont voisins de 180°\u00a0:\r\nLes trois éléments sont alignés.");
}

}  // namespace
}  // namespace tavir

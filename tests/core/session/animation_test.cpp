// The frame counter, its wrap and the six buttons, through the workspace.
#include <gtest/gtest.h>

#include <vector>

#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

Workspace withMethane() {
    Workspace ws;
    ws.build(makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}));
    return ws;
}

struct ButtonCase {
    const char* name;
    int counterBefore;
    int button;
    int counterAfter;
};
class AnimationButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(AnimationButton, MovesTheCounterThenTicks) {
    Workspace ws = withMethane();
    ws.setFrameCounter(GetParam().counterBefore);
    ws.controlAnimation(static_cast<AnimationControl>(GetParam().button));
    EXPECT_EQ(ws.frameCounter(), GetParam().counterAfter);
    EXPECT_FALSE(ws.view().d3d.cleared());
    EXPECT_EQ(ws.view().d3d.pose.counter, GetParam().counterAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, AnimationButton,
                         ::testing::Values(ButtonCase{"fast_back_wraps", 10, 0, 618},
                                           ButtonCase{"fast_back", 100, 0, 80},
                                           ButtonCase{"previous_from_zero", 0, 1, 627},
                                           ButtonCase{"previous", 50, 1, 49},
                                           ButtonCase{"next", 50, 4, 51},
                                           ButtonCase{"next_wraps", 627, 4, 0},
                                           ButtonCase{"fast_forward", 100, 5, 120},
                                           ButtonCase{"fast_forward_past_the_end_gives_zero", 620, 5, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Animation, WrapFlipsTheRotationSign) {
    Workspace ws = withMethane();
    ws.setFrameCounter(627);
    ASSERT_EQ(ws.rotationSign(), 1);
    ws.tick();
    EXPECT_EQ(ws.frameCounter(), 0);
    EXPECT_EQ(ws.rotationSign(), -1);
    ws.setFrameCounter(627);
    ws.tick();
    EXPECT_EQ(ws.rotationSign(), 1);
}

TEST(Animation, StopAndStartButtonsOnlySwitchTheTimer) {
    Workspace ws = withMethane();
    ws.setFrameCounter(40);
    ws.controlAnimation(static_cast<AnimationControl>(2));
    EXPECT_FALSE(ws.view().timerEnabled);
    EXPECT_EQ(ws.frameCounter(), 40);
    ws.controlAnimation(static_cast<AnimationControl>(3));
    EXPECT_TRUE(ws.view().timerEnabled);
    EXPECT_EQ(ws.frameCounter(), 40);
}

TEST(Animation, OptionWhileStoppedRedrawsAtOnceAndAtZeroMovesOneStep) {
    Workspace ws = withMethane();
    ws.controlAnimation(static_cast<AnimationControl>(2));
    ws.setFrameCounter(0);
    ws.setCompact(true);
    EXPECT_EQ(ws.frameCounter(), 1);
    EXPECT_TRUE(ws.view().d3d.options.compact);
    ws.setFrameCounter(200);
    ws.setFigure(true);
    EXPECT_EQ(ws.frameCounter(), 200);
    EXPECT_TRUE(ws.view().d3d.options.figure);
}

TEST(Animation, OptionWhileRunningWaitsForTheNextTick) {
    Workspace ws = withMethane();
    ws.setFrameCounter(200);
    ws.setCompact(true);
    EXPECT_EQ(ws.frameCounter(), 200);
    EXPECT_FALSE(ws.view().d3d.options.compact);
    ws.tick();
    EXPECT_TRUE(ws.view().d3d.options.compact);
}

TEST(Animation, NothingMovesWhileTheConstructionIsRejected) {
    Workspace ws;
    ws.build(makeConstruction({{0, C}}));
    ASSERT_FALSE(ws.view().smile);
    ws.setFrameCounter(300);
    for (int b : {0, 1, 4, 5}) ws.controlAnimation(static_cast<AnimationControl>(b));
    ws.tick();
    EXPECT_EQ(ws.frameCounter(), 300);
    EXPECT_TRUE(ws.view().d3d.cleared());
    EXPECT_FALSE(ws.view().lastTick.has_value());
}

TEST(Animation, AcceptedChangeRestartsAStoppedAnimationAtTheSamePose) {
    Workspace ws = withMethane();
    ws.controlAnimation(static_cast<AnimationControl>(2));
    ws.setFrameCounter(77);
    ws.dropPaletteElement(9, Cl);  // chloromethane
    EXPECT_TRUE(ws.view().timerEnabled);
    EXPECT_EQ(ws.frameCounter(), 77);
}

TEST(Animation, RejectedChangeStopsAndClearsTheView) {
    Workspace ws = withMethane();
    ws.setFrameCounter(77);
    ws.dropPaletteElement(9, N);  // a nitrogen with one bond
    EXPECT_FALSE(ws.view().smile);
    EXPECT_FALSE(ws.view().timerEnabled);
    EXPECT_TRUE(ws.view().d3d.cleared());
    EXPECT_TRUE(ws.view().c3dText.empty());
    // The stopped timer's redraw lowers the counter; the tick that would raise it does nothing.
    EXPECT_EQ(ws.frameCounter(), 76);
}

TEST(Animation, TextAndFigureFollowTheTick) {
    Workspace ws = withMethane();
    ws.tick();
    ASSERT_TRUE(ws.view().lastTick.has_value());
    EXPECT_EQ(geometryName(*ws.view().lastTick), "r3dax4");
    EXPECT_NE(ws.view().c3dText.find("tétraédrique."), std::string::npos);
    EXPECT_TRUE(ws.view().tetra1Visible);
    EXPECT_EQ(ws.view().tetra1Caption, "Géométrie");
}

// A drag across the 3D view: offsets from the press, in pixels, one after another.
struct HandTurnCase {
    const char* name;
    int counterBefore;
    std::vector<int> offsets;
    int counterAfter;
    int signAfter;
    bool running;  // the animation after the drag
};
class HandTurn : public ::testing::TestWithParam<HandTurnCase> {};

TEST_P(HandTurn, FollowsThePointerFromWhereThePoseStood) {
    Workspace ws = withMethane();
    ws.setFrameCounter(GetParam().counterBefore);
    ws.beginHandTurn();
    for (int offset : GetParam().offsets) ws.handTurn(offset);
    EXPECT_EQ(ws.frameCounter(), GetParam().counterAfter);
    EXPECT_EQ(ws.rotationSign(), GetParam().signAfter);
    EXPECT_EQ(ws.view().timerEnabled, GetParam().running);
    if (!GetParam().running) {
        EXPECT_EQ(ws.view().d3d.pose.counter, GetParam().counterAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HandTurn,
                         ::testing::Values(HandTurnCase{"a_press_alone", 100, {0, 1, -1}, 100, 1, true},
                                           HandTurnCase{"right", 100, {2, 7, 40}, 120, 1, false},
                                           HandTurnCase{"left", 100, {-3, -40}, 80, 1, false},
                                           HandTurnCase{"there_and_back", 100, {30, 10, 0}, 100, 1, false},
                                           HandTurnCase{"right_past_the_end_wraps", 620, {30}, 7, -1, false},
                                           HandTurnCase{"left_past_zero_wraps", 5, {-20}, 623, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Animation, StartGoesOnFromWhereTheHandLeftIt) {
    Workspace ws = withMethane();
    ws.setFrameCounter(10);
    ws.beginHandTurn();
    ws.handTurn(100);
    ws.controlAnimation(AnimationControl::Start);
    ws.tick();
    EXPECT_EQ(ws.frameCounter(), 61);
}

TEST(Animation, NoHandTurnWhileTheConstructionIsRejected) {
    Workspace ws;
    ws.build(makeConstruction({{0, C}}));
    ws.setFrameCounter(300);
    ws.beginHandTurn();
    ws.handTurn(60);
    EXPECT_EQ(ws.frameCounter(), 300);
    EXPECT_TRUE(ws.view().d3d.cleared());
}

TEST(Animation, SliderSetsTheInterval) {
    Workspace ws;
    ws.setSpeed(0);
    EXPECT_EQ(ws.view().timerInterval, 5);
    ws.setSpeed(200);
    EXPECT_EQ(ws.view().timerInterval, 205);
}

}  // namespace
}  // namespace tavir

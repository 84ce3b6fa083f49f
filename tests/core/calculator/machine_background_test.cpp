// The calculator window's painted background, stroke by stroke.
#include <gtest/gtest.h>

#include <array>

#include "core/calculator/machine_background.hpp"
#include "core/canvas/recording_canvas.hpp"

namespace tavir {
namespace {

TEST(MachineBackground, GradientRoundsHalvesToEven) {
    EXPECT_EQ(machineGradient(0), (Rgb{200, 250, 250}));
    EXPECT_EQ(machineGradient(1), (Rgb{200, 250, 250}));  // 199.5 -> 200
    EXPECT_EQ(machineGradient(2), (Rgb{199, 249, 249}));
    EXPECT_EQ(machineGradient(3), (Rgb{198, 248, 248}));  // 198.5 -> 198
    EXPECT_EQ(machineGradient(300), (Rgb{50, 100, 100}));
    EXPECT_EQ(machineGradient(301), (Rgb{50, 100, 100}));  // 49.5 -> 50
}

TEST(MachineBackground, DrawsLinesThenFrameThenPanel) {
    RecordingCanvas canvas;
    drawMachineBackground(canvas);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 302u + 5u);
    for (int x = 0; x < 302; ++x) {
        const DrawCall& c = calls[static_cast<size_t>(x)];
        ASSERT_EQ(c.kind, DrawCall::Kind::Line);
        EXPECT_EQ(c.x1, x);
        EXPECT_EQ(c.x2, x);
        EXPECT_EQ(c.y1, 0);
        EXPECT_EQ(c.y2, 430);
        EXPECT_EQ(c.colour, machineGradient(x));
    }
    const Rgb white{255, 255, 255};
    const Rgb black{0, 0, 0};
    const Rgb cyan{0, 128, 128};
    auto expectCall = [&](size_t i, DrawCall::Kind kind, int x1, int y1, int x2, int y2, Rgb colour) {
        const DrawCall& c = calls[i];
        EXPECT_EQ(c.kind, kind) << i;
        EXPECT_EQ((std::array{c.x1, c.y1, c.x2, c.y2}), (std::array{x1, y1, x2, y2})) << i;
        EXPECT_EQ(c.colour, colour) << i;
        EXPECT_FALSE(c.filled) << i;
    };
    expectCall(302, DrawCall::Kind::Box, 1, 1, 299, 428, white);
    expectCall(303, DrawCall::Kind::Line, 1, 1, 299, 1, black);
    expectCall(304, DrawCall::Kind::Line, 1, 1, 1, 428, black);
    expectCall(305, DrawCall::Kind::Box, 82, 290, 206, 421, white);
    expectCall(306, DrawCall::Kind::Box, 81, 289, 205, 420, cyan);
}

}  // namespace
}  // namespace tavir

// The four views drawn from an analysis, and the session's analysis of a series entry.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/canvas/recording_canvas.hpp"
#include "core/canvas/svg_canvas.hpp"
#include "core/output/print_drawing.hpp"
#include "core/session/workspace.hpp"
#include "core/views/views.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

using Kind = DrawCall::Kind;

std::vector<DrawCall> drawn(View view, const Analysis& a, const ViewOptions& options = {}, Pose pose = {}) {
    RecordingCanvas canvas;
    drawView(view, a, options, pose, canvas);
    return canvas.calls();
}

const Construction kWater = makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}});
const Construction kLoneCarbon = makeConstruction({{0, C}});

// Only what the construction allows is drawn: the formula once accepted, the dot structure
// and the model once shown; the board always.
struct ShowCase {
    const char* name;
    View view;
    Construction c;
    bool drawsMoreThanAClear;
};
class ViewContent : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ViewContent, DrawsOnlyWhatTheAnalysisShows) {
    const auto calls = drawn(GetParam().view, analyse(GetParam().c));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, Kind::Clear);
    EXPECT_EQ(calls.size() > 1, GetParam().drawsMoreThanAClear);
}

INSTANTIATE_TEST_SUITE_P(Table, ViewContent,
                         ::testing::Values(ShowCase{"board_water", View::Board, kWater, true},
                                           ShowCase{"board_lone_carbon", View::Board, kLoneCarbon, true},
                                           ShowCase{"formula_water", View::Formula, kWater, true},
                                           ShowCase{"formula_lone_carbon", View::Formula, kLoneCarbon, false},
                                           ShowCase{"dots_water", View::DotStructure, kWater, true},
                                           ShowCase{"dots_lone_carbon", View::DotStructure, kLoneCarbon, false},
                                           ShowCase{"dots_empty_board", View::DotStructure, Construction{}, false},
                                           ShowCase{"model_water", View::Animation, kWater, true},
                                           ShowCase{"model_lone_carbon", View::Animation, kLoneCarbon, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewOptions, ReachTheirPictures) {
    const Analysis water = analyse(kWater);
    ViewOptions red;
    red.dot.redBonds = true;
    EXPECT_NE(drawn(View::DotStructure, water, red), drawn(View::DotStructure, water));
    ViewOptions focus;
    focus.focusedCell = 4;
    EXPECT_NE(drawn(View::Board, water, focus), drawn(View::Board, water));
    ViewOptions compact;
    compact.frame.compact = true;
    EXPECT_NE(drawn(View::Animation, water, compact), drawn(View::Animation, water));
    EXPECT_NE(drawn(View::Animation, water, {}, Pose{40, 1}), drawn(View::Animation, water, {}, Pose{41, 1}));
}

TEST(AnalysisOf, AnEntryIsDrawnAsItsSelectionWouldShowItWithoutChangingTheBoard) {
    Workspace ws;
    ws.build(kWater);
    ws.selectEntry(3);
    ws.dropPaletteElement(5, C);  // construction 3: a lone carbon, rejected
    const std::string third = ws.board().record.toString();
    ws.selectEntry(1);
    const Analysis entry3 = ws.analysisOf(3);
    EXPECT_EQ(entry3.board.record.toString(), third);
    EXPECT_FALSE(entry3.shown());
    EXPECT_TRUE(ws.analysisOf(1).shown());
    EXPECT_FALSE(ws.analysisOf(7).shown()) << "a blank entry is the empty construction";
    EXPECT_EQ(ws.currentConstruction(), 1);
    EXPECT_EQ(ws.board().record, kWater);
    // The selection draws the same pictures.
    ws.selectEntry(3);
    EXPECT_EQ(drawn(View::Board, ws.analysis()), drawn(View::Board, entry3));
}

// What fills the 3D picture's whole rectangle before the model: white for the copy with its
// bands and for the print, nothing for the copy without its background.
struct LookCase {
    const char* name;
    ViewLook look;
    std::optional<std::string> fill;
};
void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }
class AnimationLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(AnimationLook, FillsTheBackgroundOrLeavesItSeeThrough) {
    const ViewGeometry g = viewGeometry(View::Animation);
    SvgCanvas canvas(g.width, g.height);
    drawViewPicture(View::Animation, analyse(kWater), {}, {}, GetParam().look, canvas);
    const std::string svg = canvas.document();
    const std::string wholeRect = "<rect x=\"" + std::to_string(g.originX) + "\" y=\"" + std::to_string(g.originY) +
                                  "\" width=\"" + std::to_string(g.width) + "\" height=\"" + std::to_string(g.height) +
                                  "\" fill=\"";
    const std::size_t at = svg.find(wholeRect);
    ASSERT_EQ(at != std::string::npos, GetParam().fill.has_value()) << svg.substr(0, 600);
    if (GetParam().fill) {
        EXPECT_EQ(svg.substr(at + wholeRect.size(), 7), *GetParam().fill);
    }
    EXPECT_NE(svg.find("#tavir-element-"), std::string::npos) << "the model is drawn either way";
}

INSTANTIATE_TEST_SUITE_P(Table, AnimationLook,
                         ::testing::Values(LookCase{"copy_with_bands", whiteLook(true), "#ffffff"},
                                           LookCase{"copy_without_background", bareLook(), std::nullopt},
                                           LookCase{"print", output::printLook(View::Animation), "#ffffff"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

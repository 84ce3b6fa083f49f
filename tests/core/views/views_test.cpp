// The four views drawn from an analysis, and the session's analysis of a series entry.
#include <gtest/gtest.h>

#include "core/canvas/recording_canvas.hpp"
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

}  // namespace
}  // namespace tavir

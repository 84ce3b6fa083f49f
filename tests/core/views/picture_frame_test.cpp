// What a copied or saved dot structure shows: its drawing and a margin, not the whole view.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/canvas/recording_canvas.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "core/views/views.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;
using Kind = DrawCall::Kind;

struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
    void add(int l, int t, int r, int b) {
        left = std::min(left, l), top = std::min(top, t), right = std::max(right, r), bottom = std::max(bottom, b);
    }
};

// Every pixel the recorded drawing inks: strokes end to end, whole text boxes, discs with their
// outline.
Extent inked(RecordingCanvas& canvas) {
    Extent e;
    for (const DrawCall& c : canvas.calls()) {
        switch (c.kind) {
        case Kind::Line:
            e.add(std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2) + 1, std::max(c.y1, c.y2) + 1);
            break;
        case Kind::Text:
            e.add(c.x1, c.y1, c.x1 + canvas.textWidth(c.text, c.font), c.y1 + canvas.textHeight(c.text, c.font));
            break;
        case Kind::Circle: e.add(c.x1 - c.x2, c.y1 - c.x2, c.x1 + c.x2 + 1, c.y1 + c.x2 + 1); break;
        default: break;
        }
    }
    return e;
}

const Construction kWater = makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}});
const Construction kMethane = makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}});
const Construction kHydroxide = makeConstruction({{0, O}, {1, H}}, {{1, 1}});

struct CropCase {
    const char* name;
    Construction built;
    DotOptions options;
};
void PrintTo(const CropCase& c, std::ostream* os) { *os << c.name; }
class DrawingBox : public ::testing::TestWithParam<CropCase> {};

// The box holds all that reptavir draws and no more: each side touches the drawing (within the
// unit a centred mark's rounding may take).
TEST_P(DrawingBox, HoldsTheWholeDrawingTightly) {
    const CropCase& tc = GetParam();
    const Analysis a = analyse(tc.built, 0, AnalysisOptions{tc.options.formalCharges});
    RecordingCanvas canvas;
    reptavir(a.board.record, a.board.position, tc.options, canvas);
    ASSERT_GT(canvas.calls().size(), 1u);
    if (tc.options.formalCharges) {
        ASSERT_FALSE(canvas.callsOf(Kind::Circle).empty());
    }
    const Extent drawn = inked(canvas);
    const auto box = dotStructureDrawingBox(a.board.record, a.board.position, tc.options, canvas);
    ASSERT_TRUE(box);
    EXPECT_LE(box->left, drawn.left);
    EXPECT_LE(box->top, drawn.top);
    EXPECT_GE(box->left + box->width, drawn.right);
    EXPECT_GE(box->top + box->height, drawn.bottom);
    EXPECT_GE(box->left, drawn.left - 1);
    EXPECT_GE(box->top, drawn.top - 1);
    EXPECT_LE(box->left + box->width, drawn.right + 1);
    EXPECT_LE(box->top + box->height, drawn.bottom + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrawingBox,
    ::testing::Values(CropCase{"water", kWater, {}}, CropCase{"methane", kMethane, {}},
                      CropCase{"hydroxide_with_its_charge_disc", kHydroxide, {false, false, true, false}},
                      CropCase{"water_with_partial_charges", kWater, {false, false, false, true}},
                      CropCase{"lone_oxygen", makeConstruction({{0, O}}), {}},
                      CropCase{"lone_chlorine_on_a_corner", makeConstruction({{8, Cl}}), {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The copied dot structure is its drawing and the margin, far smaller than the view; a view
// with nothing to crop to is copied whole.
struct FrameCase {
    const char* name;
    View view;
    Construction built;
    bool cropped;
};
void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }
class PictureFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(PictureFrame, CropsOnlyTheDotStructureToItsDrawing) {
    const FrameCase& tc = GetParam();
    const Analysis a = analyse(tc.built);
    RecordingCanvas canvas;
    const ViewGeometry whole = viewGeometry(tc.view);
    const ViewGeometry frame = pictureGeometry(tc.view, a, {}, canvas);
    if (!tc.cropped) {
        EXPECT_EQ(std::make_tuple(frame.width, frame.height, frame.originX, frame.originY),
                  std::make_tuple(whole.width, whole.height, whole.originX, whole.originY));
        return;
    }
    const auto box = dotStructureDrawingBox(a.board.record, a.board.position, {}, canvas);
    ASSERT_TRUE(box);
    EXPECT_EQ(std::make_tuple(frame.originX, frame.originY, frame.width, frame.height),
              std::make_tuple(box->left - kPictureMargin, box->top - kPictureMargin, box->width + 2 * kPictureMargin,
                              box->height + 2 * kPictureMargin));
    EXPECT_LT(frame.width * frame.height, whole.width * whole.height / 2);
}

INSTANTIATE_TEST_SUITE_P(Table, PictureFrame,
                         ::testing::Values(FrameCase{"dots_water", View::DotStructure, kWater, true},
                                           FrameCase{"dots_lone_carbon_not_shown", View::DotStructure,
                                                     makeConstruction({{0, C}}), false},
                                           FrameCase{"model_water", View::Animation, kWater, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

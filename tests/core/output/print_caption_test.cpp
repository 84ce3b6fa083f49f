// The caption over each construction's printed pictures: its number, and its formula drawn as
// the formula box draws it, subscripts included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/output/print_drawing.hpp"
#include "support/boards.hpp"

namespace tavir::output {
namespace {

struct Piece {
    std::string text;
    int x;
    int y;
    double pointSize;
    bool bold;
};
struct CaptionCase {
    const char* name;
    Construction construction;
    int number;
    std::vector<Piece> pieces;
};
class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, NamesTheConstructionAndWritesItsFormula) {
    const auto& p = GetParam();
    PrintStep step;
    step.kind = PrintStep::Kind::Caption;
    step.construction = p.number;
    step.x = 40;
    step.y = 300;
    step.scaleX = step.scaleY = 3.125;  // 300 dpi
    PrintPlan plan;
    plan.steps = {step};
    RecordingCanvas canvas;
    drawPrintPlan(plan, [&](int) { return analyse(p.construction); }, {}, {}, canvas, {});

    const auto translations = canvas.callsOf(DrawCall::Kind::Translate);
    const auto scales = canvas.callsOf(DrawCall::Kind::Scale);
    ASSERT_EQ(translations.size(), 1u);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_DOUBLE_EQ(translations[0].dx, 40);
    EXPECT_DOUBLE_EQ(translations[0].dy, 300);
    EXPECT_DOUBLE_EQ(scales[0].dx, 3.125);
    EXPECT_DOUBLE_EQ(scales[0].dy, 3.125);
    const auto texts = canvas.callsOf(DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), p.pieces.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(p.pieces[i].text);
        EXPECT_EQ(texts[i].text, p.pieces[i].text);
        EXPECT_EQ(texts[i].x1, p.pieces[i].x);
        EXPECT_EQ(texts[i].y1, p.pieces[i].y);
        EXPECT_EQ(texts[i].font, (Font{p.pieces[i].pointSize, p.pieces[i].bold}));
    }
}

using namespace tavir::testing;
// Fixed metrics: 0.6 em a character, 1.5 em a line. The line of size-12 symbols sits 7 down
// in the 33-pixel caption; counts are size 10, 9 lower.
INSTANTIATE_TEST_SUITE_P(
    Print, Caption,
    ::testing::Values(
        CaptionCase{"water", *Construction::parse("54222222242232222222322"), 1,
                    {{"Construction 1\u00a0: ", 0, 7, 12, true}, {"H", 122, 7, 12, false}, {"2", 129, 16, 10, false},
                     {"O", 136, 7, 12, false}}},
        CaptionCase{"two_digit_number", *Construction::parse("34222424242232223232322"), 10,
                    {{"Construction 10\u00a0: ", 0, 7, 12, true}, {"C", 130, 7, 12, false}, {"H", 137, 7, 12, false},
                     {"4", 144, 16, 10, false}}},
        // No formula in the box, none in the caption.
        CaptionCase{"empty", Construction{}, 4, {{"Construction 4", 0, 7, 12, true}}},
        CaptionCase{"not_accepted", makeConstruction({{0, C}}), 3, {{"Construction 3", 0, 7, 12, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir::output

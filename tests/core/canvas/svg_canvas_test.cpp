// Drawings written as SVG by the core alone, and the print pages drawn on any canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/canvas/recording_canvas.hpp"
#include "core/canvas/svg_canvas.hpp"
#include "core/output/print_drawing.hpp"
#include "core/views/views.hpp"

namespace tavir {
namespace {

const Construction kCarbonDioxide = *Construction::parse("35222225222242222242222");

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// Every element that opens is closed, in order: enough of XML to be sure a viewer can read it.
bool wellNested(const std::string& svg) {
    std::vector<std::string> open;
    for (std::size_t p = svg.find('<'); p != std::string::npos; p = svg.find('<', p + 1)) {
        const std::size_t end = svg.find('>', p);
        if (end == std::string::npos) return false;
        const std::string tag = svg.substr(p + 1, end - p - 1);
        if (tag.empty() || tag.back() == '/') continue;
        const bool closing = tag[0] == '/';
        const std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" \n", closing ? 1 : 0) - (closing ? 1 : 0));
        if (!closing) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return false;
        } else {
            open.pop_back();
        }
    }
    return open.empty();
}

TEST(SvgCanvas, ABoardCarriesTheBallsItUsesAndNothingElse) {
    SvgCanvas canvas(129, 97, 2);
    drawViewPicture(View::Board, analyse(kCarbonDioxide), {}, {}, screenLook(View::Board), canvas);
    const std::string svg = canvas.document();
    EXPECT_TRUE(wellNested(svg));
    EXPECT_NE(svg.find(R"(width="258" height="194" viewBox="0 0 129 97")"), std::string::npos);
    EXPECT_EQ(count(svg, "<use "), 3);
    EXPECT_EQ(count(svg, "<symbol id=\"tavir-element-1\""), 1);
    EXPECT_EQ(count(svg, "<symbol id=\"tavir-element-3\""), 1);
    EXPECT_EQ(count(svg, "<symbol "), 2);
    EXPECT_EQ(count(svg, "stroke-dasharray"), 12) << "the twelve dotted cells of the board";
    EXPECT_EQ(count(svg, "id=\"tavir-shade-O\""), 1) << "each ball's gradient under an id of its own";
}

TEST(SvgCanvas, TextIsPlacedWithTheDesktopFontsMetricsAndEscaped) {
    SvgCanvas canvas(100, 50);
    const Font font{12, false};
    EXPECT_EQ(canvas.textWidth("Cl", font), 15);
    EXPECT_EQ(canvas.textHeight("Cl", font), 17);
    canvas.text(3, 4, "a<b & \"c\"", font, {0, 0, 255});
    const std::string svg = canvas.document();
    EXPECT_NE(svg.find(R"(<text x="3" y="18" )"), std::string::npos) << "top-left plus the ascent of 14";
    EXPECT_NE(svg.find("a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
    EXPECT_NE(svg.find(R"(fill="#0000ff")"), std::string::npos);
    EXPECT_TRUE(wellNested(svg));
}

TEST(SvgCanvas, TransformsNestAndClipsStayWhereTheyWereSet) {
    SvgCanvas canvas(200, 200);
    canvas.save();
    canvas.translate(10, 20);
    canvas.scale(2, 3);
    canvas.clipRect(0, 0, 5, 5);
    canvas.save();
    canvas.translate(1, 1);
    canvas.clipRect(4, 4, 10, 10);  // touches the first clip at a corner only: nothing is left
    canvas.box(0, 0, 1, 1, {0, 0, 0}, true);
    canvas.restore();
    canvas.restore();
    canvas.box(0, 0, 1, 1, {0, 0, 0}, true);
    const std::string svg = canvas.document();
    EXPECT_NE(svg.find(R"(<rect x="20" y="35" width="0" height="0"/>)"), std::string::npos) << svg;
    EXPECT_NE(svg.find(R"x(transform="matrix(2 0 0 3 12 23)")x"), std::string::npos);
    EXPECT_EQ(count(svg, "<clipPath"), 1) << "after restore, the last box is not clipped";
    EXPECT_TRUE(wellNested(svg));
}

TEST(PrintDrawing, EachPictureIsPlacedScaledAndClippedOnItsPage) {
    output::PrintRequest request;
    request.series = true;
    const output::PageGeometry page{794, 1123, 96, 96};  // A4 at screen resolution
    const output::PrintPlan plan = output::planPrint(request, {1, 2, 3, 4}, page);
    ASSERT_GT(plan.pageCount, 1);
    RecordingCanvas canvas;
    int pages = 1;
    std::vector<int> analysed;
    output::drawPrintPlan(
        plan, [&](int n) { analysed.push_back(n); return analyse(kCarbonDioxide); }, {}, {}, canvas, [&] { ++pages; });
    EXPECT_EQ(pages, plan.pageCount);
    EXPECT_EQ(analysed, (std::vector<int>{1, 2, 3, 4})) << "each construction analysed once";
    const auto clips = canvas.callsOf(DrawCall::Kind::Clip);
    ASSERT_EQ(clips.size(), plan.steps.size() - 4) << "every picture clipped, no caption";
    const auto translations = canvas.callsOf(DrawCall::Kind::Translate);
    // The caption's place, then each picture: its place on the page, then its own origin
    // (the dot structure's -60, -36).
    EXPECT_DOUBLE_EQ(translations[0].dx, plan.steps[0].x);
    EXPECT_DOUBLE_EQ(translations[1].dx, plan.steps[1].x);
    EXPECT_DOUBLE_EQ(translations[4].dx, 60);
    EXPECT_DOUBLE_EQ(translations[4].dy, 36);
    EXPECT_EQ(clips[1].x2, 265);
    EXPECT_EQ(canvas.callsOf(DrawCall::Kind::Save).size(), canvas.callsOf(DrawCall::Kind::Restore).size());
}

}  // namespace
}  // namespace tavir

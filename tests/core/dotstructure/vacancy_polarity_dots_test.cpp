// The dot structure's vacancy box, and the δ marks of the polarity option: beside their atoms,
// clear of every stroke, symbol and charge disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "core/dotstructure/pairs.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

std::vector<std::vector<int>> lines(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<std::vector<int>> out;
    for (const DrawCall& l : canvas.callsOf(DrawCall::Kind::Line))
        if (l.colour == colour) out.push_back({l.x1, l.y1, l.x2, l.y2});
    return out;
}

// CH3 on centre 0 (32, 32) with its hydrogens right, below and above: the free side is the
// left, where the carbanion's pair bar runs from (37, 42) to (37, 54).
TEST(VacancyBox, StandsWhereThePairWouldAndReplacesIt) {
    const auto ch3 = makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}});
    auto cation = ch3;
    cation.vacancy[0] = true;
    const Board anion = analyse(ch3, 0, AnalysisOptions{true}).board;
    const Board shown = analyse(cation, 0, AnalysisOptions{true}).board;
    const Rgb blue = paletteColour(palette::kLightBlue);

    RecordingCanvas pair;
    reptavir(anion.record, anion.position, DotOptions{false, true, false}, pair);
    EXPECT_EQ(lines(pair, blue), (std::vector<std::vector<int>>{{37, 42, 37, 54}}));

    RecordingCanvas box;
    reptavir(shown.record, shown.position, DotOptions{false, true, false}, box);
    EXPECT_TRUE(pairPositions(shown.record, 0).empty());
    EXPECT_EQ(lines(box, blue), (std::vector<std::vector<int>>{
                                    {35, 42, 35, 54}, {35, 54, 39, 54}, {39, 54, 39, 42}, {39, 42, 35, 42}}));
}

struct Mark {
    int cell;
    const char* text;
};
struct MarksCase {
    const char* name;
    Construction built;
    bool charges;
    std::vector<Mark> marks;  // in drawing order
};
void PrintTo(const MarksCase& c, std::ostream* os) { *os << c.name; }
class DeltaMarks : public ::testing::TestWithParam<MarksCase> {};

struct Box {
    double left, top, right, bottom;
};
// Where a text's glyphs lie, with the canvas's metrics.
Box inkOf(RecordingCanvas& canvas, const DrawCall& t) {
    const double w = canvas.textWidth(t.text, t.font), h = canvas.textHeight(t.text, t.font);
    return {double(t.x1), t.y1 + 0.15 * h, t.x1 + w, t.y1 + 0.85 * h};
}
bool segmentMeets(const Box& b, const DrawCall& l) {
    // Sampled along the segment: fine enough for strokes a few units long.
    for (int i = 0; i <= 40; ++i) {
        const double x = l.x1 + (l.x2 - l.x1) * i / 40.0, y = l.y1 + (l.y2 - l.y1) * i / 40.0;
        if (x > b.left && x < b.right && y > b.top && y < b.bottom) return true;
    }
    return false;
}

TEST_P(DeltaMarks, BesideTheirAtomsOverNothing) {
    const MarksCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.built, 0, AnalysisOptions{tc.charges});
    ASSERT_TRUE(a.shown());
    RecordingCanvas canvas;
    reptavir(a.board.record, a.board.position, DotOptions{false, false, tc.charges, true}, canvas);
    std::vector<DrawCall> marks, others;
    for (const DrawCall& t : canvas.callsOf(DrawCall::Kind::Text))
        (t.text.rfind("δ", 0) == 0 ? marks : others).push_back(t);
    ASSERT_EQ(marks.size(), tc.marks.size());
    const auto placed = partialChargeMarks(a.board.record, a.board.position, tc.charges, canvas);
    const ViewBounds view = dotStructureBounds();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        SCOPED_TRACE(marks[i].text + " of cell " + std::to_string(placed[i].cell));
        EXPECT_EQ(placed[i].cell, tc.marks[i].cell);
        EXPECT_EQ(marks[i].text, tc.marks[i].text);
        const Box b = inkOf(canvas, marks[i]);
        // Near its atom: its centre within a cell and a half of the atom's.
        const CellPosition& p = a.board.position[static_cast<std::size_t>(placed[i].cell)];
        EXPECT_LE(std::abs((b.left + b.right) / 2 - (p.left + 16)), 24);
        EXPECT_LE(std::abs((b.top + b.bottom) / 2 - (p.top + 16)), 24);
        EXPECT_TRUE(b.left >= view.left && b.right <= view.left + view.width && b.top >= view.top &&
                    b.bottom <= view.top + view.height);
        for (const DrawCall& l : canvas.callsOf(DrawCall::Kind::Line)) EXPECT_FALSE(segmentMeets(b, l));
        for (const DrawCall& c : canvas.callsOf(DrawCall::Kind::Circle))
            EXPECT_FALSE(b.right > c.x1 - c.x2 && b.left < c.x1 + c.x2 && b.bottom > c.y1 - c.x2 && b.top < c.y1 + c.x2);
        for (const DrawCall& t : others) {
            const Box o = inkOf(canvas, t);
            EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom) << t.text;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const Box o = inkOf(canvas, marks[j]);
            EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeltaMarks,
    ::testing::Values(
        MarksCase{"methane_has_none", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}), false, {}},
        MarksCase{"water", makeConstruction({{0, O}, {1, H}, {9, H}}), false, {{0, "δ−"}, {1, "δ+"}, {9, "δ+"}}},
        MarksCase{"hydrogen_chloride", makeConstruction({{0, H}, {1, Cl}}), false, {{0, "δ+"}, {1, "δ−"}}},
        MarksCase{"carbon_dioxide", makeConstruction({{7, O}, {0, C}, {1, O}}, {{7, 2}, {1, 2}}), false,
                  {{0, "δ+"}, {1, "δ−"}, {7, "δ−"}}},
        MarksCase{"tetrachloromethane", makeConstruction({{0, C}, {1, Cl}, {5, Cl}, {7, Cl}, {9, Cl}}), false,
                  {{0, "δ+"}, {1, "δ−"}, {5, "δ−"}, {7, "δ−"}, {9, "δ−"}}},
        MarksCase{"methanol", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, O}, {2, H}}), false,
                  {{0, "δ+"}, {1, "δ−"}, {2, "δ+"}}},
        MarksCase{"hydroxylamine", makeConstruction({{0, N}, {1, O}, {2, H}, {7, H}, {9, H}}), false,
                  {{0, "δ+"}, {0, "δ−"}, {1, "δ−"}, {2, "δ+"}, {7, "δ+"}, {9, "δ+"}}},
        MarksCase{"dichloroethene", makeConstruction({{0, C}, {1, C}, {6, H}, {8, Cl}, {3, Cl}, {11, H}}, {{1, 2}}),
                  false, {{0, "δ+"}, {1, "δ+"}, {3, "δ−"}, {8, "δ−"}}},
        // Beside the formal-charge discs too.
        MarksCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}), true,
                  {{0, "δ−"}, {1, "δ+"}, {5, "δ+"}, {7, "δ+"}, {9, "δ+"}}},
        MarksCase{"hydroxide", makeConstruction({{0, O}, {1, H}}), true, {{0, "δ−"}, {1, "δ+"}}},
        MarksCase{"nitrate", *Construction::parse("65222522252222222222422"), true,
                  {{0, "δ+"}, {1, "δ−"}, {5, "δ−"}, {9, "δ−"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

// The print job's plan: which constructions, where each picture goes, and the page breaks.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/output/print_plan.hpp"

namespace tavir::output {
namespace {

const std::string kWater = "54222222242232222222322";
const std::string kMethane = "34222424242232223232322";
const std::string kEmpty = "22222222222222222222222";

struct ChoiceCase {
    const char* name;
    std::array<std::string, 10> series;
    bool seriesMode;
    int current;
    std::vector<int> expected;
};
class ChosenConstructions : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChosenConstructions, SkipOnlyEmptyEntriesInSeriesMode) {
    const auto& p = GetParam();
    EXPECT_EQ(chosenConstructions(p.series, p.seriesMode, p.current), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Series, ChosenConstructions,
    ::testing::Values(
        ChoiceCase{"current_only", {kWater, kMethane}, false, 2, {2}},
        // The pupil asked for the construction being edited: printed even when empty.
        ChoiceCase{"current_even_when_empty", {kWater}, false, 5, {5}},
        ChoiceCase{"series_in_order_skipping_blanks", {kWater, "", kMethane, "   ", kEmpty, "", "", "", "", kWater}, true, 1,
                   {1, 3, 10}},
        ChoiceCase{"series_all_empty", {"", kEmpty, " \t"}, true, 4, {}},
        ChoiceCase{"series_full", {kWater, kWater, kWater, kWater, kWater, kWater, kWater, kWater, kWater, kWater}, true, 7,
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

using Kind = PrintStep::Kind;

// Where one step lands: its page, whether it opens the page, and for a caption its height.
struct Spot {
    Kind kind;
    int page;
    bool newPageBefore;
    double y = -1;  // captions only: -1 leaves a picture's place to the layout table below
};
constexpr Kind C = Kind::Caption;
constexpr Kind P = Kind::Picture;

struct PlanCase {
    const char* name;
    PrintRequest request;
    std::vector<int> constructions;
    PageGeometry page;
    int pageCount;
    std::vector<Spot> spots;  // one per caption and per printed picture
};
class PagePlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PagePlan, KeepsEachConstructionOnOnePageAndBreaksPages) {
    const auto& p = GetParam();
    const PrintPlan plan = planPrint(p.request, p.constructions, p.page);
    EXPECT_EQ(plan.pageCount, p.pageCount);
    ASSERT_EQ(plan.steps.size(), p.spots.size());
    for (std::size_t i = 0; i < p.spots.size(); ++i) {
        const PrintStep& s = plan.steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(s.kind, p.spots[i].kind);
        EXPECT_EQ(s.page, p.spots[i].page);
        EXPECT_EQ(s.newPageBefore, p.spots[i].newPageBefore);
        if (p.spots[i].y >= 0) {
            EXPECT_NEAR(s.y, p.spots[i].y, 1e-9);
        }
        // Never wider than the page, and a picture keeps its proportions.
        EXPECT_GE(s.x, -1e-9);
        EXPECT_LE(s.x + s.width, p.page.width + 1e-9);
        if (s.kind == P) {
            const ViewGeometry natural = viewGeometry(s.picture);
            EXPECT_NEAR(s.width * natural.height, s.height * natural.width, 1e-6);
        }
    }
}

const PrintRequest kAll{};
const PrintRequest kTwoCopies{true, true, true, false, 2};
const PrintRequest kBoardAndDots{true, true, false, false, 1};
const PrintRequest kDotsOnly{false, true, false, false, 1};
const PrintRequest kBoardOnly{true, false, false, false, 1};
const PrintRequest kNoPicture{false, false, false, false, 1};
const PrintRequest kNoCopy{true, true, true, false, 0};
// A 1000-pixel page starts at 50 and must end by 900: three groups with their two gaps of 24
// take those 850 pixels exactly, each 267.33 high.
const PageGeometry kPage96{1000, 1000, 96, 96};
// 406 pixels wide: the board and the dot structure fill a row at natural size, the 3D view
// goes below them.
constexpr double kTwoRowsWidth = 129 + 12 + 265;

INSTANTIATE_TEST_SUITE_P(
    Layout, PagePlan,
    ::testing::Values(
        PlanCase{"one_construction_one_page", kAll, {1}, kPage96, 1, {{C, 0, false, 50}, {P, 0, false}, {P, 0, false}, {P, 0, false}}},
        // The third group ends on the 90 % line itself; the fourth opens page 2.
        PlanCase{"three_groups_to_a_page",
                 kAll,
                 {1, 3, 4, 6},
                 kPage96,
                 2,
                 {{C, 0, false, 50}, {P, 0, false}, {P, 0, false}, {P, 0, false},
                  {C, 0, false, 50 + 267 + 1 / 3.0 + 24}, {P, 0, false}, {P, 0, false}, {P, 0, false},
                  {C, 0, false, 50 + 2 * (267 + 1 / 3.0 + 24)}, {P, 0, false}, {P, 0, false}, {P, 0, false},
                  {C, 1, true, 50}, {P, 1, false}, {P, 1, false}, {P, 1, false}}},
        PlanCase{"second_copy_on_a_new_page",
                 kTwoCopies,
                 {2},
                 kPage96,
                 2,
                 {{C, 0, false, 50}, {P, 0, false}, {P, 0, false}, {P, 0, false},
                  {C, 1, true, 50}, {P, 1, false}, {P, 1, false}, {P, 1, false}}},
        // Groups of 33 + 201 at natural size, 24 apart: the second ends at top + 492, inside
        // 85 % of 580 (493), past 85 % of 578 (491.3).
        PlanCase{"group_just_inside", kBoardAndDots, {1, 2}, {kTwoRowsWidth, 580, 96, 96}, 1,
                 {{C, 0, false, 29}, {P, 0, false}, {P, 0, false}, {C, 0, false, 29 + 258}, {P, 0, false}, {P, 0, false}}},
        PlanCase{"group_just_past", kBoardAndDots, {1, 2}, {kTwoRowsWidth, 578, 96, 96}, 2,
                 {{C, 0, false, 28.9}, {P, 0, false}, {P, 0, false}, {C, 1, true, 28.9}, {P, 1, false}, {P, 1, false}}},
        // The second group's caption and first row would fit under the first group (522 to
        // 756), its second row would not: the whole group moves.
        PlanCase{"group_moves_whole", kAll, {1, 2}, {kTwoRowsWidth, 1000, 96, 96}, 2,
                 {{C, 0, false, 50}, {P, 0, false}, {P, 0, false}, {P, 0, false},
                  {C, 1, true, 50}, {P, 1, false}, {P, 1, false}, {P, 1, false}}},
        // A group taller than the page (448 of 340): each starts a fresh page, then its 3D
        // view goes on the next one, and no page is left blank.
        PlanCase{"group_taller_than_a_page", kAll, {1, 2}, {kTwoRowsWidth, 400, 96, 96}, 4,
                 {{C, 0, false, 20}, {P, 0, false}, {P, 0, false}, {P, 1, true},
                  {C, 2, true, 20}, {P, 2, false}, {P, 2, false}, {P, 3, true}}},
        PlanCase{"no_picture_ticked", kNoPicture, {1, 2}, kPage96, 0, {}},
        PlanCase{"no_construction", kAll, {}, kPage96, 0, {}},
        PlanCase{"no_copy", kNoCopy, {1}, kPage96, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The places of one construction's caption and pictures, in device pixels.
struct Box {
    Kind kind;
    View picture;
    double x, y, width, height;
};
struct GroupCase {
    const char* name;
    PrintRequest request;
    PageGeometry page;
    std::vector<Box> boxes;
};
class GroupLayout : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupLayout, PicturesSpreadAcrossThePageInTheirOrder) {
    const auto& p = GetParam();
    const PrintPlan plan = planPrint(p.request, {7}, p.page);
    ASSERT_EQ(plan.steps.size(), p.boxes.size());
    for (std::size_t i = 0; i < p.boxes.size(); ++i) {
        const PrintStep& s = plan.steps[i];
        const Box& b = p.boxes[i];
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(s.kind, b.kind);
        EXPECT_EQ(s.construction, 7);
        if (b.kind == P) {
            EXPECT_EQ(s.picture, b.picture);
        }
        EXPECT_NEAR(s.x, b.x, 1e-9);
        EXPECT_NEAR(s.y, b.y, 1e-9);
        EXPECT_NEAR(s.width, b.width, 1e-9);
        EXPECT_NEAR(s.height, b.height, 1e-9);
    }
}

constexpr View kB = View::Board;
constexpr View kD = View::DotStructure;
constexpr View kA = View::Animation;
// Board only on kPage96: enlarged until three groups fill the page's 850 pixels.
constexpr double kCapped = ((850 - 2 * 24) / 3.0 - 33) / 97;

INSTANTIATE_TEST_SUITE_P(
    Layout, GroupLayout,
    ::testing::Values(
        // 636 pixels of pictures and two gaps of 12: the row fills 660 at natural size; each
        // picture is centred on the row's height.
        GroupCase{"one_row_filling_the_width", kAll, {660, 3000, 96, 96},
                  {{C, kB, 0, 150, 660, 33}, {P, kB, 0, 235.5, 129, 97}, {P, kD, 141, 183.5, 265, 201},
                   {P, kA, 418, 183, 242, 202}}},
        GroupCase{"enlarged_twice_to_fill_the_width", kAll, {1296, 6000, 96, 96},
                  {{C, kB, 0, 300, 1296, 33}, {P, kB, 0, 438, 258, 194}, {P, kD, 270, 334, 530, 402},
                   {P, kA, 812, 333, 484, 404}}},
        GroupCase{"second_row_centred", kAll, {kTwoRowsWidth, 4000, 96, 96},
                  {{C, kB, 0, 200, 406, 33}, {P, kB, 0, 285, 129, 97}, {P, kD, 141, 233, 265, 201},
                   {P, kA, 82, 446, 242, 202}}},
        GroupCase{"shrunk_to_a_narrow_page", kDotsOnly, {200, 4000, 96, 96},
                  {{C, kB, 0, 200, 200, 33}, {P, kD, 0, 233, 200, 201 * 200 / 265.0}}},
        GroupCase{"enlarged_no_further_than_three_to_a_page", kBoardOnly, kPage96,
                  {{C, kB, (1000 - 129 * kCapped) / 2, 50, 129 * kCapped, 33},
                   {P, kB, (1000 - 129 * kCapped) / 2, 83, 129 * kCapped, 97 * kCapped}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PagePlan, EachSeriesGroupKeepsThePictureOrder) {
    const PrintPlan plan = planPrint(kAll, {2, 5}, kPage96);
    std::vector<std::tuple<int, Kind, View>> order;
    for (const auto& s : plan.steps) order.emplace_back(s.construction, s.kind, s.kind == C ? View::Formula : s.picture);
    const std::vector<std::tuple<int, Kind, View>> expected{
        {2, C, View::Formula}, {2, P, View::Board}, {2, P, View::DotStructure}, {2, P, View::Animation},
        {5, C, View::Formula}, {5, P, View::Board}, {5, P, View::DotStructure}, {5, P, View::Animation}};
    EXPECT_EQ(order, expected);
}

struct OutcomeCase {
    const char* name;
    PrintRequest request;
    std::array<std::string, 10> series;
    PrintRefusal refusal;
    std::vector<int> captioned;  // the constructions whose captions the plan holds
};
class WholePrint : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(WholePrint, RefusesBeforePlanningTheChosenConstructions) {
    const auto& p = GetParam();
    const PrintOutcome outcome = planPrintOf(p.request, p.series, 3, kPage96);
    EXPECT_EQ(outcome.refusal, p.refusal);
    std::vector<int> captioned;
    for (const auto& s : outcome.plan.steps)
        if (s.kind == C) captioned.push_back(s.construction);
    EXPECT_EQ(captioned, p.captioned);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, WholePrint,
    ::testing::Values(OutcomeCase{"current", kAll, {kWater}, PrintRefusal::None, {3}},
                      OutcomeCase{"series", PrintRequest{true, true, true, true, 1}, {kWater, kEmpty, kMethane},
                                  PrintRefusal::None, {1, 3}},
                      OutcomeCase{"nothing_ticked", PrintRequest{false, false, false, false, 1}, {kWater},
                                  PrintRefusal::NothingChecked, {}},
                      OutcomeCase{"empty_series", PrintRequest{true, true, true, true, 1}, {kEmpty, ""},
                                  PrintRefusal::EmptySeries, {}},
                      OutcomeCase{"no_copy", PrintRequest{true, true, true, false, 0}, {kWater},
                                  PrintRefusal::NothingChecked, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir::output

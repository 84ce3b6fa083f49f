// The print job's plan: which constructions, where each picture goes, and the page breaks.
#include <gtest/gtest.h>

#include <string>
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

struct Spot {
    int page;
    double y;
    bool newPageBefore;
};
struct PlanCase {
    const char* name;
    PrintRequest request;
    std::vector<int> constructions;
    PageGeometry page;
    int pageCount;
    std::vector<Spot> spots;  // one per printed picture
};
class PagePlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PagePlan, PlacesPicturesAndBreaksPages) {
    const auto& p = GetParam();
    const PrintPlan plan = planPrint(p.request, p.constructions, p.page);
    EXPECT_EQ(plan.pageCount, p.pageCount);
    ASSERT_EQ(plan.steps.size(), p.spots.size());
    for (std::size_t i = 0; i < p.spots.size(); ++i) {
        const PrintStep& s = plan.steps[i];
        SCOPED_TRACE("picture " + std::to_string(i));
        EXPECT_EQ(s.page, p.spots[i].page);
        EXPECT_DOUBLE_EQ(s.y, p.spots[i].y);
        EXPECT_EQ(s.newPageBefore, p.spots[i].newPageBefore);
        // Centred across the page at the device's scale.
        EXPECT_DOUBLE_EQ(s.x + s.width / 2, p.page.width / 2);
        EXPECT_DOUBLE_EQ(s.width, viewGeometry(s.picture).width * p.page.dpiX / 96.0);
        EXPECT_DOUBLE_EQ(s.height, viewGeometry(s.picture).height * p.page.dpiY / 96.0);
    }
}

const PrintRequest kAll{};
const PrintRequest kTwoCopies{true, true, true, false, 2};
const PrintRequest kBoardAndDots{true, true, false, false, 1};
const PrintRequest kNoPicture{false, false, false, false, 1};
const PrintRequest kNoCopy{true, true, true, false, 0};
// At 96 dpi the pictures are 97, 201 and 202 pixels high; a 1000-pixel page starts at 50 and
// must end by 900.
const PageGeometry kPage96{1000, 1000, 96, 96};
const PageGeometry kPage192{2000, 2000, 192, 192};

INSTANTIATE_TEST_SUITE_P(
    Layout, PagePlan,
    ::testing::Values(
        PlanCase{"one_construction_one_page", kAll, {1}, kPage96, 1, {{0, 50, false}, {0, 147, false}, {0, 348, false}}},
        // The second 3D view would end at 1050: it opens page 2, and the third group follows it.
        PlanCase{"three_constructions",
                 kAll,
                 {1, 3, 4},
                 kPage96,
                 2,
                 {{0, 50, false},
                  {0, 147, false},
                  {0, 348, false},
                  {0, 550, false},
                  {0, 647, false},
                  {1, 50, true},
                  {1, 252, false},
                  {1, 349, false},
                  {1, 550, false}}},
        PlanCase{"second_copy_on_a_new_page",
                 kTwoCopies,
                 {2},
                 kPage96,
                 2,
                 {{0, 50, false}, {0, 147, false}, {0, 348, false}, {1, 50, true}, {1, 147, false}, {1, 348, false}}},
        // The same layout twice as fine: every position doubles, nothing moves on paper.
        PlanCase{"finer_printer_same_layout", kAll, {1}, kPage192, 1, {{0, 100, false}, {0, 294, false}, {0, 696, false}}},
        // 351 pixels high: the dot structure ends at 315.55, inside the limit of 315.9; at 350 it
        // would end at 315.5, past 315.
        PlanCase{"bottom_just_inside", kBoardAndDots, {1}, {500, 351, 96, 96}, 1, {{0, 17.55, false}, {0, 114.55, false}}},
        PlanCase{"bottom_just_past", kBoardAndDots, {1}, {500, 350, 96, 96}, 2, {{0, 17.5, false}, {1, 17.5, true}}},
        // A picture taller than the page goes where it is rather than after a blank page.
        PlanCase{"too_tall_no_blank_page", kAll, {1}, {500, 200, 96, 96}, 3, {{0, 10, false}, {1, 10, true}, {2, 10, true}}},
        PlanCase{"no_picture_ticked", kNoPicture, {1, 2}, kPage96, 0, {}},
        PlanCase{"no_construction", kAll, {}, kPage96, 0, {}},
        PlanCase{"no_copy", kNoCopy, {1}, kPage96, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PagePlan, EachSeriesGroupKeepsThePictureOrder) {
    const PrintPlan plan = planPrint(kAll, {2, 5}, kPage96);
    std::vector<std::pair<int, View>> order;
    for (const auto& s : plan.steps) order.emplace_back(s.construction, s.picture);
    const std::vector<std::pair<int, View>> expected{{2, View::Board}, {2, View::DotStructure},
                                                        {2, View::Animation}, {5, View::Board},
                                                        {5, View::DotStructure}, {5, View::Animation}};
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace tavir::output

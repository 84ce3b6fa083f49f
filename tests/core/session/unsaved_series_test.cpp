// A series is never lost without a question: when it counts as modified, what each way of
// losing it asks, and "Effacer les 10 constructions" undone as one step.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

const std::string kWater = makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}}).toString();
const std::string kMethane =
    makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}).toString();

std::array<std::string, 10> lesson() { return {kWater, kMethane, "", "", "", "", "", "", "", ""}; }

struct ModifiedCase {
    const char* name;
    std::function<void(Workspace&)> steps;
    bool modified;
};
void PrintTo(const ModifiedCase& c, std::ostream* os) { *os << c.name; }

class SeriesModified : public ::testing::TestWithParam<ModifiedCase> {};

TEST_P(SeriesModified, FromTheFirstChangeAfterItsLastLoadOrSave) {
    Workspace ws;
    GetParam().steps(ws);
    EXPECT_EQ(ws.seriesModified(), GetParam().modified);
    EXPECT_EQ(ws.seriesQuestion().has_value(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Session, SeriesModified,
    ::testing::Values(
        ModifiedCase{"new_program", [](Workspace&) {}, false},
        ModifiedCase{"one_atom_dropped", [](Workspace& ws) { ws.dropPaletteElement(0, C); }, true},
        ModifiedCase{"empty_constructions_visited",
                     [](Workspace& ws) {
                         for (int n = 1; n <= 10; ++n) ws.selectEntry(n);
                         ws.clearConstruction();
                     },
                     false},
        ModifiedCase{"built_then_saved",
                     [](Workspace& ws) {
                         ws.build(Construction::fromString(kWater));
                         ws.seriesSaved();
                     },
                     false},
        ModifiedCase{"saved_then_a_bond_changed",
                     [](Workspace& ws) {
                         ws.build(Construction::fromString(kMethane));
                         ws.seriesSaved();
                         ws.selectEntry(4);
                         ws.dropPaletteElement(0, N);
                     },
                     true},
        ModifiedCase{"loaded", [](Workspace& ws) {
                         ws.dropPaletteElement(0, C);
                         ws.loadSeries(lesson());
                     },
                     false},
        ModifiedCase{"loaded_then_viewed", [](Workspace& ws) {
                         ws.loadSeries(lesson());
                         for (int n : {2, 3, 1}) ws.selectEntry(n);
                     },
                     false},
        ModifiedCase{"loaded_then_cleared",
                     [](Workspace& ws) {
                         ws.loadSeries(lesson());
                         ws.clearSeries();
                     },
                     true},
        ModifiedCase{"clear_undone",
                     [](Workspace& ws) {
                         ws.loadSeries(lesson());
                         ws.clearSeries();
                         ws.undo();
                     },
                     false},
        ModifiedCase{"atom_put_back_where_it_was",
                     [](Workspace& ws) {
                         ws.loadSeries(lesson());
                         ws.dropPaletteElement(5, Cl);
                         ws.undo();
                     },
                     false},
        ModifiedCase{"pasted_over_another",
                     [](Workspace& ws) {
                         ws.loadSeries(lesson());
                         ws.copyConstruction();
                         ws.selectEntry(2);
                         ws.paste();
                     },
                     true}),
    [](const ::testing::TestParamInfo<ModifiedCase>& info) { return std::string(info.param.name); });

struct ClosingCase {
    const char* name;
    bool seriesChanged;
    bool textChanged;
    std::vector<std::string_view> titles;
};
void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

class ClosingQuestions : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(ClosingQuestions, SaveQuestionFirstThenTheTextsThenQuitWhenNothingWasAsked) {
    Workspace ws;
    if (GetParam().seriesChanged) ws.dropPaletteElement(0, C);
    ws.setTextModified(GetParam().textChanged);
    std::vector<std::string_view> titles;
    for (const Question& q : ws.closingQuestions()) {
        titles.push_back(q.title);
        const bool save = q.title == board_texts::kSeriesModifiedTitle;
        EXPECT_EQ(q.answers, save ? Question::Answers::SaveDiscardCancel : Question::Answers::OkCancel) << q.title;
    }
    EXPECT_EQ(titles, GetParam().titles);
}

using namespace board_texts;
INSTANTIATE_TEST_SUITE_P(
    Session, ClosingQuestions,
    ::testing::Values(ClosingCase{"nothing_changed", false, false, {kQuitTitle}},
                      ClosingCase{"text_changed", false, true, {kDiscardTitle, kQuitTitle}},
                      ClosingCase{"series_changed", true, false, {kSeriesModifiedTitle}},
                      ClosingCase{"both_changed", true, true, {kSeriesModifiedTitle, kDiscardTitle}}),
    [](const ::testing::TestParamInfo<ClosingCase>& info) { return std::string(info.param.name); });

TEST(ClearSeries, OneUndoBringsTheTenBackAndAnotherClearsThemAgain) {
    Workspace ws;
    ws.loadSeries(lesson());
    ws.selectEntry(2);
    ws.clearSeries();
    for (int n = 1; n <= 10; ++n) EXPECT_TRUE(isBlankEntry(ws.entry(n)) || ws.entry(n) == kEmptyConstructionString);
    ASSERT_TRUE(ws.view().undoEnabled);
    ws.undo();
    EXPECT_EQ(ws.seriesEntries()[0], kWater);
    EXPECT_EQ(ws.seriesEntries()[1], kMethane);
    EXPECT_EQ(ws.currentConstruction(), 2);
    EXPECT_EQ(ws.board().record.toString(), kMethane) << "the board shows the construction brought back";
    ws.undo();
    EXPECT_EQ(ws.board().record.toString(), std::string(kEmptyConstructionString));
    EXPECT_TRUE(isBlankEntry(ws.entry(1)) || ws.entry(1) == kEmptyConstructionString);
    ws.undo();
    EXPECT_EQ(ws.entry(1), kWater);
}

TEST(ClearSeries, ALaterChangeIsWhatUndoTakesBack) {
    Workspace ws;
    ws.loadSeries(lesson());
    ws.clearSeries();
    ws.dropPaletteElement(0, N);
    ws.undo();
    EXPECT_EQ(ws.board().record.toString(), std::string(kEmptyConstructionString));
    EXPECT_NE(ws.entry(2), kMethane) << "the cleared series stays cleared";
}

TEST(LoadSeries, NothingOfTheReplacedSeriesCanBeUndoneIntoIt) {
    Workspace ws;
    ws.build(Construction::fromString(kMethane));
    ws.dropPaletteElement(10, Cl);
    ASSERT_TRUE(ws.view().undoEnabled);
    ws.loadSeries(lesson());
    EXPECT_FALSE(ws.view().undoEnabled);
    ws.undo();  // as Ctrl+Z would, were the button not disabled
    EXPECT_EQ(ws.entry(1), kWater);
}

}  // namespace
}  // namespace tavir

#include "core/richtext/shown_limits.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/richtext/rtf_reader.hpp"

namespace tavir {
namespace {

std::string times(std::string_view piece, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += piece;
    return out;
}

const std::string kHead = "{\\rtf1\\ansi ";

std::string cellsInOneRow(std::size_t count) {
    std::string row = kHead + "\\trowd";
    for (std::size_t i = 1; i <= count; ++i) row += "\\cellx" + std::to_string(i * 20);
    return row + "\\intbl " + times("a\\cell ", count) + "\\row}";
}

struct LimitCase {
    const char* name;
    std::string text;
    ShownTextExcess expected;
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) { return out << c.name; }

class ShownLimits : public ::testing::TestWithParam<LimitCase> {};

// Each limit met exactly is shown; one more piece is refused, and by its own name.
TEST_P(ShownLimits, FirstPieceOverTheLimitIsNamed) {
    const RtfReadResult read = readRtf(GetParam().text);
    EXPECT_EQ(read.excess, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Recipes, ShownLimits,
    ::testing::Values(
        LimitCase{"plain_lines_at_limit", times("a\n", kMaxShownParagraphs), ShownTextExcess::None},
        LimitCase{"plain_newlines_over", times("\n", kMaxShownParagraphs + 1), ShownTextExcess::Paragraphs},
        LimitCase{"plain_returns_over", times("\r", kMaxShownParagraphs + 1), ShownTextExcess::Paragraphs},
        LimitCase{"par_at_limit", kHead + times("\\par ", kMaxShownParagraphs) + "}", ShownTextExcess::None},
        LimitCase{"par_over", kHead + times("\\par ", kMaxShownParagraphs + 1) + "}", ShownTextExcess::Paragraphs},
        LimitCase{"line_at_limit", kHead + "a" + times("\\line ", kMaxShownLineBreaks) + "}", ShownTextExcess::None},
        LimitCase{"line_over", kHead + "a" + times("\\line ", kMaxShownLineBreaks + 1) + "}",
                  ShownTextExcess::LineBreaks},
        LimitCase{"tab_over", kHead + times("\\tab ", kMaxShownTabs + 1) + "}", ShownTextExcess::Tabs},
        LimitCase{"cells_at_limit", cellsInOneRow(kMaxShownCells), ShownTextExcess::None},
        LimitCase{"cells_in_one_row_over", cellsInOneRow(kMaxShownCells + 1), ShownTextExcess::Cells},
        LimitCase{"rows_over",
                  kHead + times("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row ", kMaxShownCells / 2 + 1) + "}",
                  ShownTextExcess::Cells},
        LimitCase{"runs_at_limit", kHead + times("\\b x\\b0 y", kMaxShownRuns / 2) + "}", ShownTextExcess::None},
        LimitCase{"runs_over", kHead + times("\\b x\\b0 y", kMaxShownRuns / 2) + "\\b x}", ShownTextExcess::Runs},
        LimitCase{"groups_over", kHead + times("{\\b a}{\\i b}", kMaxShownRuns) + "}", ShownTextExcess::Runs},
        LimitCase{"text_over", kHead + std::string(kMaxShownTextBytes + 1, 'a') + "}", ShownTextExcess::Text}));

// Reading stops at the limit: ten times the limit costs no more memory than the limit.
TEST(ShownLimitsReading, StopsAtTheFirstPieceOver) {
    const RtfReadResult read = readRtf(kHead + times("\\par ", 10 * kMaxShownParagraphs) + "}");
    EXPECT_EQ(read.excess, ShownTextExcess::Paragraphs);
    EXPECT_LE(read.document.blocks.size(), kMaxShownParagraphs + 1);
}

TEST(ShownLimitsRefusal, NamesWhatThereIsTooMuchOf) {
    EXPECT_FALSE(shownTextRefusal(ShownTextExcess::None));
    const auto cells = shownTextRefusal(ShownTextExcess::Cells);
    ASSERT_TRUE(cells);
    EXPECT_EQ(cells->title, "Texte trop long");
    EXPECT_EQ(cells->message,
              "Ce texte a trop de cases de tableau pour la fenêtre exercice\u00a0: elle en affiche au plus 1\u00A0000.");
    EXPECT_EQ(shownTextRefusal(ShownTextExcess::Paragraphs)->message,
              "Ce texte a trop de paragraphes pour la fenêtre exercice\u00a0: elle en affiche au plus 20\u00A0000.");
    EXPECT_EQ(shownTextRefusal(ShownTextExcess::Text)->message,
              "Ce texte est trop long pour la fenêtre exercice\u00a0: elle affiche au plus 2 Mo de texte.");
}

}  // namespace
}  // namespace tavir

#pragma once
// What the exercise area can lay out without holding the window. Characters are not the only
// cost: a text of short pieces (empty paragraphs, line breaks, table cells, letters in turn
// bold and plain) takes the toolkit far longer per byte, so each kind has its own limit,
// measured with the opening benchmark: at every limit at once the window opens the text in
// well under half a second, and a statement of a real lesson stays far below each.
// The reader counts as it goes and stops at the first limit passed, so a refused file costs
// no more than the part read.
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/files/file_result.hpp"

namespace tavir {

// The largest text shown, in UTF-8 bytes.
inline constexpr std::size_t kMaxShownTextBytes = 2u * 1024u * 1024u;
// Paragraphs, those of the tables' cells included (a plain text's lines are paragraphs).
inline constexpr std::size_t kMaxShownParagraphs = 20000;
// Line breaks inside paragraphs.
inline constexpr std::size_t kMaxShownLineBreaks = 20000;
// Tabs: each is a piece of its own for the layout.
inline constexpr std::size_t kMaxShownTabs = 20000;
// Table cells, all tables together: a cell costs the toolkit as much as a short page.
inline constexpr std::size_t kMaxShownCells = 1000;
// Stretches of text in one format, pictures included.
inline constexpr std::size_t kMaxShownRuns = 20000;

enum class ShownTextExcess { None, Text, Paragraphs, LineBreaks, Tabs, Cells, Runs };

// Counts a document while it is read; the first limit passed stays the answer.
class ShownTextMeter {
public:
    // A run's text: its bytes, line breaks and tabs, and the run itself.
    void addRun(std::string_view text);
    void addParagraph();
    void addCell();
    ShownTextExcess excess() const { return excess_; }
    bool over() const { return excess_ != ShownTextExcess::None; }

private:
    void check(std::size_t count, std::size_t limit, ShownTextExcess kind);

    std::size_t bytes_ = 0;
    std::size_t lineBreaks_ = 0;
    std::size_t tabs_ = 0;
    std::size_t runs_ = 0;
    std::size_t paragraphs_ = 0;
    std::size_t cells_ = 0;
    ShownTextExcess excess_ = ShownTextExcess::None;
};

// The refusal, under "Texte trop long", with a message naming what there is too much of and
// the limit; nothing for ShownTextExcess::None.
std::optional<FileFailure> shownTextRefusal(ShownTextExcess excess);

}  // namespace tavir

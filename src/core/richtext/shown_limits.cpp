#include "core/richtext/shown_limits.hpp"

#include <string>

#include "core/richtext/texts.hpp"

namespace tavir {

namespace {

// "20 000": thousands apart by a no-break space, as French writes them.
std::string grouped(std::size_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, "\u00A0");
    return digits;
}

std::string tooMany(std::string_view what, std::size_t limit) {
    return std::string(richtext_texts::kTooManyBefore) + std::string(what) + std::string(richtext_texts::kTooManyMiddle) +
           grouped(limit) + ".";
}

}  // namespace

void ShownTextMeter::check(std::size_t count, std::size_t limit, ShownTextExcess kind) {
    if (count > limit && excess_ == ShownTextExcess::None) excess_ = kind;
}

void ShownTextMeter::addRun(std::string_view text) {
    bytes_ += text.size();
    for (char c : text) {
        lineBreaks_ += c == '\n';
        tabs_ += c == '\t';
    }
    ++runs_;
    check(bytes_, kMaxShownTextBytes, ShownTextExcess::Text);
    check(lineBreaks_, kMaxShownLineBreaks, ShownTextExcess::LineBreaks);
    check(tabs_, kMaxShownTabs, ShownTextExcess::Tabs);
    check(runs_, kMaxShownRuns, ShownTextExcess::Runs);
}

void ShownTextMeter::addParagraph() { check(++paragraphs_, kMaxShownParagraphs, ShownTextExcess::Paragraphs); }

void ShownTextMeter::addCell() { check(++cells_, kMaxShownCells, ShownTextExcess::Cells); }

std::optional<FileFailure> shownTextRefusal(ShownTextExcess excess) {
    namespace rt = richtext_texts;
    std::string message;
    switch (excess) {
        case ShownTextExcess::None: return std::nullopt;
        case ShownTextExcess::Text: message = std::string(rt::kTooLong); break;
        case ShownTextExcess::Paragraphs: message = tooMany(rt::kParagraphs, kMaxShownParagraphs); break;
        case ShownTextExcess::LineBreaks: message = tooMany(rt::kLineBreaks, kMaxShownLineBreaks); break;
        case ShownTextExcess::Tabs: message = tooMany(rt::kTabs, kMaxShownTabs); break;
        case ShownTextExcess::Cells: message = tooMany(rt::kCells, kMaxShownCells); break;
        case ShownTextExcess::Runs: message = tooMany(rt::kRuns, kMaxShownRuns); break;
    }
    return FileFailure{std::string(rt::kTooLongTitle), std::move(message), {}};
}

}  // namespace tavir

// Lists: the list table and its overrides, the old \pn numbering, and the markers written as text.
#include "core/richtext/rtf_parser.hpp"

#include <optional>
#include <string>
#include <utility>

namespace tavir::rtf {

namespace {

// \levelnfc numbers of the list kinds the model keeps; 255 is "no number".
std::optional<ListKind> listKindOf(std::int64_t nfc) {
    switch (nfc) {
        case 0: return ListKind::Decimal;
        case 1: return ListKind::UpperRoman;
        case 2: return ListKind::LowerRoman;
        case 3: return ListKind::UpperAlpha;
        case 4: return ListKind::LowerAlpha;
        case 255: return std::nullopt;
        default: return ListKind::Bullet;  // 23, and the rest shown as bullets
    }
}

// The old numbering's lists all count as one, past any list number a list table can give.
constexpr int kOldNumberingList = 32000;

}  // namespace

// The list a paragraph's properties put it in, through the list table; none for a list
// the file does not define, whose marker then stays as text.
std::optional<ListItem> RtfParser::listItem(const ParaProps& para) const {
    if (para.oldList) return ListItem{*para.oldList, 0, kOldNumberingList};
    if (para.listOverride <= 0) return std::nullopt;
    const auto override = listOverrides_.find(para.listOverride);
    if (override == listOverrides_.end()) return std::nullopt;
    const auto list = lists_.find(override->second);
    if (list == lists_.end()) return std::nullopt;
    const auto& levels = list->second;
    const std::size_t level = static_cast<std::size_t>(para.listLevel);
    const std::optional<ListKind> kind = level < levels.size() ? levels[level] : ListKind::Bullet;
    if (!kind) return std::nullopt;
    return ListItem{*kind, para.listLevel, std::min(para.listOverride, kOldNumberingList)};
}

// {\listtext ...} and {\pntext ...}: the marker as text, for readers without lists.
void RtfParser::startMarker() {
    if (markerDepth_ != 0) return;
    state().listText = true;
    flushSurrogate();
    flushRun();
    savedRuns_ = std::move(paragraph_.runs);
    paragraph_.runs.clear();
    markerDepth_ = stack_.size();
}

void RtfParser::endMarker() {
    flushSurrogate();
    flushRun();
    marker_ = std::move(paragraph_.runs);
    paragraph_.runs = std::move(savedRuns_);
    savedRuns_.clear();
    markerAt_ = paragraph_.runs.size();
    markerDepth_ = 0;
}

// {\*\pn ...}: the words of its group number the paragraph it stands in.
void RtfParser::startOldNumbering() {
    state().destination = Destination::ListTable;
    oldNumberingDepth_ = stack_.size();
}

void RtfParser::listWord(const std::string& word, std::int64_t value, bool starred) {
    if (oldNumberingDepth_ != 0 && stack_.size() == oldNumberingDepth_) {
        // The paragraph's own state is the group's parent.
        if (stack_.size() < 2) return;
        ParaProps& para = stack_[stack_.size() - 2].para;
        if (word == "pnlvlblt") para.oldList = ListKind::Bullet;
        else if (word == "pnlvlbody" || word == "pndec") para.oldList = ListKind::Decimal;
        else if (word == "pnlcltr") para.oldList = ListKind::LowerAlpha;
        else if (word == "pnucltr") para.oldList = ListKind::UpperAlpha;
        else if (word == "pnlcrm") para.oldList = ListKind::LowerRoman;
        else if (word == "pnucrm") para.oldList = ListKind::UpperRoman;
        return;
    }
    if (starred || word == "listname" || word == "leveltext" || word == "levelnumbers") {
        skipDestination(word);
        return;
    }
    if (word == "list") listLevels_.clear();
    else if (word == "listlevel") listLevels_.push_back(ListKind::Bullet);
    else if ((word == "levelnfc" || word == "levelnfcn") && !listLevels_.empty()) listLevels_.back() = listKindOf(value);
    else if (word == "listid") {
        const int id = clampTo(value, INT32_MIN, INT32_MAX);
        // In the list table it ends a list's definition; in the overrides it names the list.
        if (!listLevels_.empty()) lists_[id] = std::exchange(listLevels_, {});
        overrideList_ = id;
    } else if (word == "ls" && listOverrides_.size() < kMaxLists) {
        listOverrides_[clampTo(value, 0, INT32_MAX)] = overrideList_;
    }
}

}  // namespace tavir::rtf

// Which destination a control word opens or belongs to, and what is left out.
#include "core/richtext/rtf_parser.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace tavir::rtf {

namespace {

// Destinations whose content the exercise area cannot show: noted, so that a save can say so.
struct DroppedWord {
    std::string_view word;
    DroppedContent content;
};
constexpr std::array<DroppedWord, 13> kDroppedWords = {{
    {"header", DroppedContent::HeadersAndFooters},
    {"headerl", DroppedContent::HeadersAndFooters},
    {"headerr", DroppedContent::HeadersAndFooters},
    {"headerf", DroppedContent::HeadersAndFooters},
    {"footer", DroppedContent::HeadersAndFooters},
    {"footerl", DroppedContent::HeadersAndFooters},
    {"footerr", DroppedContent::HeadersAndFooters},
    {"footerf", DroppedContent::HeadersAndFooters},
    {"footnote", DroppedContent::Notes},
    {"annotation", DroppedContent::Comments},
    {"atnid", DroppedContent::Comments},
    {"objdata", DroppedContent::Objects},
    {"do", DroppedContent::Shapes},
}};

// Destinations whose text is never shown.
constexpr std::string_view kSkippedDestinations[] = {
    "info",      "stylesheet", "nonshppict", "header",     "headerl",   "headerr",      "headerf",
    "footer",    "footerl",    "footerr",    "footerf",    "fldinst",   "footnote",     "annotation",
    "atnid",     "atnauthor",  "atndate",    "atnref",     "objdata",   "objclass",
    "themedata", "colorschememapping",       "latentstyles",            "datastore",    "xmlnstbl",
    "rsidtbl",    "generator", "pgdsctbl",     "revtbl",
    "filetbl",   "private",    "shprslt",    "template",
    "docvar",    "userprops",  "ftnsep",     "ftnsepc",    "ftncn",     "aftnsep",      "aftnsepc",
    "aftncn",    "pntxta",     "pntxtb",     "upr",       "xe",           "tc",
    "txe",       "bkmkstart",  "bkmkend",    "mmathPr",    "panose",    "falt",         "listpicture",
    "passwordhash",            "wgrffmtfilter",
};

// Control words that stand for one character.
struct SymbolWord {
    std::string_view word;
    char32_t character;
};
constexpr std::array<SymbolWord, 12> kSymbolWords = {{
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
    {"qmspace", 0x2005},
    {"bullet", 0x2022},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

}  // namespace

void RtfParser::skipDestination(std::string_view word) {
    state().destination = Destination::Skip;
    for (const auto& dropped : kDroppedWords)
        if (word == dropped.word) noteDropped(dropped.content);
}

void RtfParser::noteDropped(DroppedContent content) {
    if (std::find(dropped_.begin(), dropped_.end(), content) == dropped_.end()) dropped_.push_back(content);
}

void RtfParser::applyWord(const std::string& word, bool hasParameter, std::int64_t value) {
    GroupState& s = state();
    if (word == "bin") {
        skipBinary(value);
        return;
    }
    if (s.destination == Destination::Skip) return;
    const bool starred = std::exchange(starred_, false);
    if (s.destination == Destination::Picture) {
        pictureWord(word, hasParameter, value, starred);
        return;
    }
    if (destinationWord(word, value, starred)) return;
    if (wordOfAnyDestination(word, hasParameter, value)) return;

    if (s.destination == Destination::FontTable) {
        fontTableWord(word, value);
        return;
    }
    if (s.destination == Destination::ColorTable) {
        colorTableWord(word, value);
        return;
    }

    // Text destination: paragraphs, tables and formatting.
    const bool on = !hasParameter || value != 0;
    if (paragraphWord(word, value, on)) return;
    if (tableWord(word, value, on)) return;
    characterWord(word, hasParameter, value, on);
}

// The words that open a destination (lists, shapes, pictures, the font and colour tables, the
// skipped ones) and those read inside the list table and a shape's properties.
bool RtfParser::destinationWord(const std::string& word, std::int64_t value, bool starred) {
    GroupState& s = state();
    if (word == "listtable" || word == "listoverridetable") {
        s.destination = Destination::ListTable;
        return true;
    }
    if (s.destination == Destination::ListTable) {
        listWord(word, value, starred);
        return true;
    }
    if (word == "shp" && s.destination == Destination::Text && shapeDepth_ == 0) {
        startShape();
        return true;
    }
    if (s.destination == Destination::ShapeInstance || s.destination == Destination::ShapeName) {
        shapeWord(word, value, starred);
        return true;
    }
    if (word == "shpinst" && shapeDepth_ != 0) {
        s.destination = Destination::ShapeInstance;
        return true;
    }
    if (word == "pn" && s.destination == Destination::Text) {
        startOldNumbering();
        return true;
    }
    if (word == "shppict") return true;  // holds the picture to show; \nonshppict is its copy for old readers
    if (word == "pict") {
        startPicture();
        return true;
    }
    if (word == "object") {
        // Shown through its \result picture; the object itself cannot be kept.
        noteDropped(DroppedContent::Objects);
        return true;
    }
    if (starred || std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
                       std::end(kSkippedDestinations) ||
        std::any_of(kDroppedWords.begin(), kDroppedWords.end(), [&](const DroppedWord& d) { return d.word == word; })) {
        skipDestination(word);
        return true;
    }
    if (word == "fonttbl") {
        s.destination = Destination::FontTable;
        fontName_.clear();
        return true;
    }
    if (word == "colortbl") {
        s.destination = Destination::ColorTable;
        colors_.clear();
        resetColor();
        return true;
    }
    return false;
}

// Words obeyed in every destination read: the default font, Unicode characters and their
// fallback count, and the words that stand for one character.
bool RtfParser::wordOfAnyDestination(const std::string& word, bool hasParameter, std::int64_t value) {
    GroupState& s = state();
    if (word == "deff") {
        defaultFont_ = clampTo(value, -1, INT32_MAX);
        return true;
    }
    if (word == "uc") {
        s.unicodeSkip = hasParameter ? clampTo(value, 0, kMaxUnicodeSkip) : 1;
        return true;
    }
    if (word == "u") {
        unicodeCharacter(value);
        pendingSkip_ = s.unicodeSkip;
        return true;
    }
    for (const auto& symbol : kSymbolWords) {
        if (word == symbol.word) {
            textCharacter(symbol.character);
            return true;
        }
    }
    return false;
}

}  // namespace tavir::rtf

#include "core/richtext/rtf_reader.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text/encoding.hpp"

namespace tavir {

namespace {

// Numbers past ten digits are read but not accumulated: the value stays in range.
constexpr int kMaxParameterDigits = 10;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxIndent = 31680;  // 22 inches, wider than any page
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kMaxPictureTwips = 31680;    // 22 inches
constexpr int kMaxPictureScale = 10000;    // percent
constexpr int kDefaultCellWidth = 1440;    // one inch, for cells without their \cellx
constexpr int kTwipsPerPixel = 15;         // at 96 dpi
constexpr int kMaxListLevel = 8;
constexpr std::size_t kMaxLists = 10000;

int clampTo(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// ListTable: the list definitions and overrides, and the old \pn numbering: control words
// only. ShapeInstance: a shape's properties, of which only its picture and text box are shown.
enum class Destination { Text, FontTable, ColorTable, Picture, ListTable, ShapeInstance, ShapeName, Skip };

struct CharProps {
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Script script = Script::Normal;
    int color = 0;
    int highlight = 0;  // a colour table index; 0: none
    friend bool operator==(const CharProps&, const CharProps&) = default;
};

struct ParaProps {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    int listOverride = 0;  // \lsN; 0: none
    int listLevel = 0;     // \ilvlN
    std::optional<ListKind> oldList;  // \pn numbering
    bool inTable = false;  // \intbl: the paragraph belongs to a table cell
};

// What a row's definition says of a cell, up to its \cellx.
struct CellDefinition {
    int rightEdge = 0;
    bool mergedWithPrevious = false;  // \clmrg
    VerticalMerge verticalMerge = VerticalMerge::None;
    int shading = 0;  // a colour table index; 0: none
};

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

// Symbol and Wingdings bullets written as private-use characters (U+F0xx), which no other
// font draws: the visible character of the same look.
char32_t visibleBullet(char32_t c) {
    switch (c) {
        case 0xF0B7: return 0x2022;  // Symbol bullet
        case 0xF0A7: return 0x25AA;  // Wingdings small square
        case 0xF0D8: return 0x27A2;  // Wingdings arrowhead
        case 0xF0FC: return 0x2713;  // Wingdings check mark
        case 0xF076: return 0x2756;  // Wingdings diamond
        case 0xF06E: return 0x25A0;  // Wingdings black square
        case 0xF06F: return 0x25A1;  // Wingdings white square
        case 0xF0A8: return 0x25CB;  // Symbol/Wingdings circle
        case 0xF02D: return 0x2013;  // Symbol dash
        default: return c;
    }
}

struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    bool listText = false;  // inside \listtext or \pntext: a bullet or a number
};

// Picture formats: those the model keeps, and the others, which are left out.
struct PictureWord {
    std::string_view word;
    std::optional<PictureFormat> format;
};
constexpr std::array<PictureWord, 8> kPictureWords = {{
    {"pngblip", PictureFormat::Png},
    {"jpegblip", PictureFormat::Jpeg},
    {"emfblip", PictureFormat::Emf},
    {"wmetafile", PictureFormat::Wmf},
    {"dibitmap", std::nullopt},
    {"wbitmap", std::nullopt},
    {"macpict", std::nullopt},
    {"pmmetafile", std::nullopt},
}};

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

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

class Reader {
public:
    explicit Reader(std::string_view input) : in_(input) { stack_.emplace_back(); }

    RtfReadResult run() {
        // Past a limit the rest is not read: the text is refused whatever it holds.
        while (pos_ < in_.size() && !meter_.over()) {
            const char c = in_[pos_++];
            switch (c) {
            case '{': openGroup(); break;
            case '}': closeGroup(); break;
            case '\\': control(); break;
            case '\r':
            case '\n': break;  // line ends in the source are only layout
            default: byte(static_cast<std::uint8_t>(c)); break;
            }
        }
        // Groups left open by a stop at a limit are not damage: the text is refused anyway.
        if ((stack_.size() > 1 || overflow_ > 0) && !meter_.over()) damaged_ = true;
        flushSurrogate();
        flushRun();
        // What the file left open: its last cell and row, its last paragraph without \par,
        // which keeps the properties its text was given.
        finishing_ = true;
        if (!paragraph_.runs.empty() && state().para.inTable) endParagraphInCell();
        if (!cellParagraphs_.empty() || !row_.cells.empty()) endRow();
        if (!paragraph_.runs.empty()) endParagraphOutsideTables();
        closeTable();
        RtfReadResult result;
        result.document = std::move(document_);
        result.source = RtfSource::Rtf;
        result.damaged = damaged_;
        result.dropped = std::move(dropped_);
        result.excess = meter_.excess();
        return result;
    }

private:
    GroupState& state() { return stack_.back(); }

    void openGroup() {
        pendingSkip_ = 0;
        starred_ = false;
        if (stack_.size() > kMaxGroupDepth) {
            // Too deep: the group is counted but shares its parent's state.
            ++overflow_;
            damaged_ = true;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void closeGroup() {
        pendingSkip_ = 0;
        starred_ = false;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1) {
            damaged_ = true;  // a closing brace without its opening one: ignored
            return;
        }
        if (state().destination == Destination::FontTable) commitFont();
        const bool pictureEnds = state().destination == Destination::Picture && stack_.size() == pictureDepth_;
        const bool markerEnds = stack_.size() == markerDepth_;
        const bool shapeEnds = stack_.size() == shapeDepth_;
        if (markerEnds) endMarker();
        if (stack_.size() == oldNumberingDepth_) oldNumberingDepth_ = 0;
        stack_.pop_back();
        if (pictureEnds) endPicture();
        if (shapeEnds) endShape();
    }

    // One byte of text, read as Windows-1252.
    void byte(std::uint8_t b) {
        if (state().destination == Destination::Picture) {
            pictureHexDigit(b);
            return;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        textByte(b);
    }

    void textByte(std::uint8_t b) {
        // Word writes its bullets as characters of the Symbol and Wingdings fonts.
        if (state().listText && b >= 0x80) {
            const std::string font = fontName(state().chars.font);
            if (font == "Symbol" && b == 0xB7) return textCharacter(0x2022);
            if (font == "Wingdings" && b == 0xA7) return textCharacter(0x25AA);
            if (font == "Wingdings" && b == 0xD8) return textCharacter(0x27A2);
        }
        textCharacter(cp1252ToUnicode(b));
    }

    void control() {
        if (pos_ >= in_.size()) {
            damaged_ = true;
            return;
        }
        const char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        if (c == '\'') {
            int value = -1;
            if (pos_ + 1 < in_.size() && hexValue(in_[pos_]) >= 0 && hexValue(in_[pos_ + 1]) >= 0) {
                value = hexValue(in_[pos_]) * 16 + hexValue(in_[pos_ + 1]);
                pos_ += 2;
            } else {
                // A broken escape: drop it with the one hex digit it may have.
                if (pos_ < in_.size() && hexValue(in_[pos_]) >= 0) ++pos_;
                damaged_ = true;
            }
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                return;
            }
            if (value >= 0) textByte(static_cast<std::uint8_t>(value));
            return;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}': textCharacter(static_cast<char32_t>(c)); break;
        case '~': textCharacter(0x00A0); break;
        case '_': textCharacter(0x2011); break;
        case '*': starred_ = true; break;
        case '\r':
        case '\n': paragraphEnd(); break;  // TextEdit ends its paragraphs this way
        case '\t': emit(U'\t'); break;
        default: break;  // \- (optional hyphen) and the other symbols show nothing
        }
    }

    void controlWord() {
        std::string word;
        while (pos_ < in_.size() && isLetter(in_[pos_])) {
            if (word.size() < kMaxWordLength) word.push_back(in_[pos_]);
            ++pos_;
        }
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        bool hasParameter = false;
        std::int64_t value = 0;
        int digits = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            if (digits < kMaxParameterDigits) value = value * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
            hasParameter = true;
        }
        if (negative) value = -value;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;

        if (pendingSkip_ > 0) {
            // A fallback of \uN: counts as one character and is not obeyed.
            if (word == "bin") skipBinary(value);
            --pendingSkip_;
            return;
        }
        applyWord(word, hasParameter, value);
    }

    // The bytes of \binN: skipped, or the picture's data inside a picture.
    void skipBinary(std::int64_t length) {
        const std::size_t remaining = in_.size() - pos_;
        const std::size_t n =
            length <= 0 ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(length, static_cast<std::int64_t>(remaining)));
        if (static_cast<std::size_t>(std::max<std::int64_t>(length, 0)) > remaining) damaged_ = true;
        if (state().destination == Destination::Picture) picture_.data.append(in_.substr(pos_, n));
        pos_ += n;
    }

    void skipDestination(std::string_view word) {
        state().destination = Destination::Skip;
        for (const auto& dropped : kDroppedWords)
            if (word == dropped.word) noteDropped(dropped.content);
    }

    void noteDropped(DroppedContent content) {
        if (std::find(dropped_.begin(), dropped_.end(), content) == dropped_.end()) dropped_.push_back(content);
    }

    void applyWord(const std::string& word, bool hasParameter, std::int64_t value) {
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
        if (word == "listtable" || word == "listoverridetable") {
            s.destination = Destination::ListTable;
            return;
        }
        if (s.destination == Destination::ListTable) {
            listWord(word, value, starred);
            return;
        }
        if (word == "shp" && s.destination == Destination::Text && shapeDepth_ == 0) {
            startShape();
            return;
        }
        if (s.destination == Destination::ShapeInstance || s.destination == Destination::ShapeName) {
            shapeWord(word, value, starred);
            return;
        }
        if (word == "shpinst" && shapeDepth_ != 0) {
            s.destination = Destination::ShapeInstance;
            return;
        }
        if (word == "pn" && s.destination == Destination::Text) {
            startOldNumbering();
            return;
        }
        if (word == "shppict") return;  // holds the picture to show; \nonshppict is its copy for old readers
        if (word == "pict") {
            startPicture();
            return;
        }
        if (word == "object") {
            // Shown through its \result picture; the object itself cannot be kept.
            noteDropped(DroppedContent::Objects);
            return;
        }
        if (starred || std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
                           std::end(kSkippedDestinations) ||
            std::any_of(kDroppedWords.begin(), kDroppedWords.end(), [&](const DroppedWord& d) { return d.word == word; })) {
            skipDestination(word);
            return;
        }
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
            fontName_.clear();
            return;
        }
        if (word == "colortbl") {
            s.destination = Destination::ColorTable;
            colors_.clear();
            resetColor();
            return;
        }
        if (word == "deff") {
            defaultFont_ = clampTo(value, -1, INT32_MAX);
            return;
        }
        if (word == "uc") {
            s.unicodeSkip = hasParameter ? clampTo(value, 0, kMaxUnicodeSkip) : 1;
            return;
        }
        if (word == "u") {
            unicodeCharacter(value);
            pendingSkip_ = s.unicodeSkip;
            return;
        }
        for (const auto& symbol : kSymbolWords) {
            if (word == symbol.word) {
                textCharacter(symbol.character);
                return;
            }
        }

        if (s.destination == Destination::FontTable) {
            if (word == "f") {
                commitFont();
                fontNumber_ = clampTo(value, INT32_MIN, INT32_MAX);
            }
            return;
        }
        if (s.destination == Destination::ColorTable) {
            if (word == "red") red_ = clampTo(value, 0, 255), colorGiven_ = true;
            else if (word == "green") green_ = clampTo(value, 0, 255), colorGiven_ = true;
            else if (word == "blue") blue_ = clampTo(value, 0, 255), colorGiven_ = true;
            return;
        }

        // Text destination: paragraphs, tables and formatting.
        const bool on = !hasParameter || value != 0;
        if (word == "par") paragraphEnd();
        else if (word == "line") emit(U'\n');
        else if (word == "tab") emit(U'\t');
        else if (word == "pard") s.para = ParaProps{};
        else if (word == "plain") s.chars = CharProps{};
        else if (word == "highlight" || word == "chcbpat") s.chars.highlight = clampTo(value, 0, INT32_MAX);
        else if (word == "sb") s.para.spaceBefore = clampTo(value, 0, kMaxIndent);
        else if (word == "sa") s.para.spaceAfter = clampTo(value, 0, kMaxIndent);
        else if (word == "sl") s.para.lineSpacing = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "slmult") s.para.lineSpacingMultiple = on;
        else if (word == "ls") s.para.listOverride = clampTo(value, 0, INT32_MAX);
        else if (word == "ilvl") s.para.listLevel = clampTo(value, 0, kMaxListLevel);
        else if (word == "clmgf") pendingCell_.mergedWithPrevious = false;
        else if (word == "clmrg") pendingCell_.mergedWithPrevious = true;
        else if (word == "clvmgf") pendingCell_.verticalMerge = VerticalMerge::First;
        else if (word == "clvmrg") pendingCell_.verticalMerge = VerticalMerge::Covered;
        else if (word == "clcbpat") pendingCell_.shading = clampTo(value, 0, INT32_MAX);
        else if (word == "b") s.chars.bold = on;
        else if (word == "i") s.chars.italic = on;
        else if (word == "ulnone") s.chars.underline = false;
        else if (word == "ulc") {
            // underline colour, not an underline
        } else if (word.starts_with("ul")) s.chars.underline = on;  // \ul, \uld, \ulw, \ulwave...
        else if (word == "sub") s.chars.script = on ? Script::Subscript : Script::Normal;
        else if (word == "super") s.chars.script = on ? Script::Superscript : Script::Normal;
        else if (word == "nosupersub") s.chars.script = Script::Normal;
        // \upN and \dnN raise and lower by N half-points (6 when N is left out).
        else if (word == "up") s.chars.script = on ? Script::Superscript : Script::Normal;
        else if (word == "dn") s.chars.script = on ? Script::Subscript : Script::Normal;
        else if (word == "fs")
            s.chars.halfPoints =
                !hasParameter || value <= 0 ? kDefaultHalfPoints : clampTo(value, kMinHalfPoints, kMaxHalfPoints);
        else if (word == "f") s.chars.font = clampTo(value, INT32_MIN, INT32_MAX);
        else if (word == "cf") s.chars.color = clampTo(value, INT32_MIN, INT32_MAX);
        else if (word == "ql") s.para.alignment = Alignment::Left;
        else if (word == "qc") s.para.alignment = Alignment::Center;
        else if (word == "qr") s.para.alignment = Alignment::Right;
        else if (word == "qj" || word == "qd") s.para.alignment = Alignment::Justify;
        else if (word == "li") s.para.leftIndent = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "fi") s.para.firstLineIndent = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "listtext" || word == "pntext") startMarker();
        else if (word == "intbl") s.para.inTable = on;
        else if (word == "cell") cellEnd();
        else if (word == "nestcell" || word == "nestrow") endParagraphInCell();  // a nested table's text, kept in its cell
        else if (word == "row") endRow();
        else if (word == "trowd") {
            rowCells_.clear();
            pendingCell_ = CellDefinition{};
        } else if (word == "cellx") {
            pendingCell_.rightEdge = clampTo(value, -kMaxIndent, kMaxIndent);
            rowCells_.push_back(std::exchange(pendingCell_, CellDefinition{}));
        }
    }

    void unicodeCharacter(std::int64_t value) {
        if (value < 0) value += 65536;  // RTF writes 16-bit values signed
        if (value < 0 || value > 0x10FFFF) {
            textCharacter(kReplacementCharacter);
            return;
        }
        const auto c = static_cast<char32_t>(value);
        if (c >= 0xD800 && c <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = c;
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) {
            if (highSurrogate_ == 0) {
                textCharacter(kReplacementCharacter);
                return;
            }
            const char32_t joined = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate_ = 0;
            textCharacter(joined);
            return;
        }
        textCharacter(c);
    }

    // A character that came as text (a byte, \'hh, \uN): control characters other than
    // the tab are not text, and the object replacement character only ever stands for a
    // picture of the model.
    void textCharacter(char32_t c) {
        if ((c == U'\t' || c >= 0x20) && c != 0xFFFC) emit(visibleBullet(c));
    }

    void flushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        emit(kReplacementCharacter);
    }

    void emit(char32_t c) {
        if (highSurrogate_ != 0) flushSurrogate();
        switch (state().destination) {
        case Destination::Skip:
        case Destination::Picture:
        case Destination::ListTable:
        case Destination::ShapeInstance: return;
        case Destination::ShapeName:
            if (shapeName_.size() < kMaxWordLength) appendUtf8(shapeName_, c);
            return;
        case Destination::FontTable:
            if (c == U';') commitFont();
            else if (c >= 0x20) appendUtf8(fontName_, c);
            return;
        case Destination::ColorTable:
            if (c == U';') commitColor();
            return;
        case Destination::Text: break;
        }
        const GroupState& s = state();
        if (!(s.chars == runProps_)) {
            flushRun();
            runProps_ = s.chars;
        }
        appendUtf8(runText_, c);
        setParagraphProps(s.para);
    }

    void setParagraphProps(const ParaProps& para) {
        paragraph_.alignment = para.alignment;
        paragraph_.leftIndent = para.leftIndent;
        paragraph_.firstLineIndent = para.firstLineIndent;
        paragraph_.spaceBefore = para.spaceBefore;
        paragraph_.spaceAfter = para.spaceAfter;
        paragraph_.lineSpacing = para.lineSpacing;
        paragraph_.lineSpacingMultiple = para.lineSpacing != 0 && para.lineSpacingMultiple;
        paragraph_.list = listItem(para);
    }

    // The list a paragraph's properties put it in, through the list table; none for a list
    // the file does not define, whose marker then stays as text.
    std::optional<ListItem> listItem(const ParaProps& para) const {
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

    TextRun runLook(const CharProps& props) const {
        TextRun run;
        run.font = fontName(props.font);
        run.halfPoints = props.halfPoints;
        run.bold = props.bold;
        run.italic = props.italic;
        run.underline = props.underline;
        run.script = props.script;
        run.color = color(props.color);
        if (props.highlight > 0 && static_cast<std::size_t>(props.highlight) < colors_.size() &&
            colors_[static_cast<std::size_t>(props.highlight)])
            run.highlight = colors_[static_cast<std::size_t>(props.highlight)];
        return run;
    }

    void flushRun() {
        if (runText_.empty()) return;
        TextRun run = runLook(runProps_);
        run.text = std::move(runText_);
        runText_.clear();
        meter_.addRun(run.text);
        paragraph_.append(std::move(run));
    }

    // The paragraph ends here, in or out of a table as its properties say. A paragraph takes
    // the properties in force at its end.
    void paragraphEnd() {
        if (state().destination != Destination::Text) return;
        if (state().para.inTable) endParagraphInCell();
        else endParagraphOutsideTables();
    }

    Paragraph takeParagraph() {
        flushSurrogate();
        if (markerDepth_ != 0) endMarker();  // a file that ends inside its marker
        flushRun();
        if (!finishing_) setParagraphProps(state().para);
        // A list's item gets its marker from the list; the marker written for other readers
        // is kept as text only when the list is unknown.
        if (!paragraph_.list && !marker_.empty()) {
            std::vector<TextRun> runs = std::move(paragraph_.runs);
            paragraph_.runs.clear();
            const std::size_t at = std::min(markerAt_, runs.size());
            for (std::size_t i = 0; i < at; ++i) paragraph_.append(std::move(runs[i]));
            for (auto& run : marker_) paragraph_.append(std::move(run));
            for (std::size_t i = at; i < runs.size(); ++i) paragraph_.append(std::move(runs[i]));
        }
        marker_.clear();
        meter_.addParagraph();
        return std::exchange(paragraph_, Paragraph{});
    }

    // {\listtext ...} and {\pntext ...}: the marker as text, for readers without lists.
    void startMarker() {
        if (markerDepth_ != 0) return;
        state().listText = true;
        flushSurrogate();
        flushRun();
        savedRuns_ = std::move(paragraph_.runs);
        paragraph_.runs.clear();
        markerDepth_ = stack_.size();
    }

    void endMarker() {
        flushSurrogate();
        flushRun();
        marker_ = std::move(paragraph_.runs);
        paragraph_.runs = std::move(savedRuns_);
        savedRuns_.clear();
        markerAt_ = paragraph_.runs.size();
        markerDepth_ = 0;
    }

    // {\*\pn ...}: the words of its group number the paragraph it stands in.
    void startOldNumbering() {
        state().destination = Destination::ListTable;
        oldNumberingDepth_ = stack_.size();
    }

    void listWord(const std::string& word, std::int64_t value, bool starred) {
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

    // A drawing shape: its picture (\sn pib) is shown where it is anchored, its text box
    // (\shptxt) as paragraphs; anything else it draws is left out.
    void startShape() {
        shapeDepth_ = stack_.size();
        shapeLeft_ = shapeRight_ = shapeTop_ = shapeBottom_ = 0;
        shapeShown_ = false;
        shapePicture_ = false;
        shapeName_.clear();
    }

    void shapeWord(const std::string& word, std::int64_t value, bool starred) {
        GroupState& s = state();
        if (word == "shpleft") shapeLeft_ = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "shpright") shapeRight_ = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "shptop") shapeTop_ = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "shpbottom") shapeBottom_ = clampTo(value, -kMaxIndent, kMaxIndent);
        else if (word == "sn") {
            s.destination = Destination::ShapeName;
            shapeName_.clear();
        } else if (word == "sv") {
            // Only the shape's picture is read from its values: "fillBlip" is its copy.
            if (shapeName_ != "pib") skipDestination(word);
        } else if (word == "pict") {
            startPicture();
            pictureInShape_ = true;
        } else if (word == "shptxt") {
            s.destination = Destination::Text;
            shapeShown_ = true;
        } else if (starred) {
            skipDestination(word);
        }
    }

    void endShape() {
        shapeDepth_ = 0;
        // Shown in the text, a picture keeps everything but its place on the page; a text
        // box keeps its text but not its frame.
        noteDropped(shapePicture_ ? DroppedContent::FloatingPictures : DroppedContent::Shapes);
    }

    void endParagraphOutsideTables() {
        // A paragraph outside the tables ends a row left without its \row, and the table.
        if (!cellParagraphs_.empty() || !row_.cells.empty()) endRow();
        closeTable();
        document_.blocks.emplace_back(takeParagraph());
    }

    void endParagraphInCell() {
        cellParagraphs_.push_back(takeParagraph());
    }

    void cellEnd() {
        endParagraphInCell();
        row_.cells.push_back(TableCell{0, std::exchange(cellParagraphs_, {})});
        meter_.addCell();
    }

    // The row's cells get their right edges now: Word writes the row's definition again
    // at its end, LibreOffice only before it.
    void endRow() {
        flushRun();
        if (!paragraph_.runs.empty()) endParagraphInCell();
        if (!cellParagraphs_.empty()) {
            row_.cells.push_back(TableCell{0, std::exchange(cellParagraphs_, {})});
            meter_.addCell();
        }
        if (row_.cells.empty()) return;
        int edge = 0;
        TableRow merged;
        for (std::size_t i = 0; i < row_.cells.size(); ++i) {
            TableCell& cell = row_.cells[i];
            const CellDefinition definition = i < rowCells_.size() ? rowCells_[i] : CellDefinition{};
            edge = i < rowCells_.size() ? definition.rightEdge : std::min(edge + kDefaultCellWidth, kMaxIndent);
            cell.rightEdge = edge;
            cell.verticalMerge = definition.verticalMerge;
            if (definition.shading > 0) cell.shading = colorIfGiven(definition.shading);
            // Cells merged across are one: the first's text and look, the last's edge.
            if (definition.mergedWithPrevious && !merged.cells.empty()) {
                TableCell& first = merged.cells.back();
                first.rightEdge = edge;
                for (auto& paragraph : cell.paragraphs)
                    if (!paragraph.runs.empty()) first.paragraphs.push_back(std::move(paragraph));
                continue;
            }
            merged.cells.push_back(std::move(cell));
        }
        row_ = std::move(merged);
        if (!table_) table_.emplace();
        table_->rows.push_back(std::exchange(row_, TableRow{}));
    }

    void closeTable() {
        if (table_ && !table_->rows.empty()) document_.blocks.emplace_back(std::move(*table_));
        table_.reset();
    }

    // Pictures: {\pict <format and sizes> <hex digits or \binN bytes>}.
    void startPicture() {
        state().destination = Destination::Picture;
        pictureDepth_ = stack_.size();
        picture_ = Picture{};
        pictureFormat_.reset();
        pictureGoalWidth_ = pictureGoalHeight_ = 0;
        pictureScaleX_ = pictureScaleY_ = 100;
        pendingNibble_ = -1;
    }

    void pictureWord(const std::string& word, bool hasParameter, std::int64_t value, bool starred) {
        if (starred) {
            state().destination = Destination::Skip;  // \*\picprop, \*\blipuid
            return;
        }
        for (const auto& format : kPictureWords) {
            if (word == format.word) {
                pictureFormat_ = format.format;
                if (word == "wmetafile") picture_.metafileMapping = hasParameter ? clampTo(value, 1, 8) : 8;
                return;
            }
        }
        if (word == "picw") picture_.sourceWidth = clampTo(value, 0, INT32_MAX);
        else if (word == "pich") picture_.sourceHeight = clampTo(value, 0, INT32_MAX);
        else if (word == "picwgoal") pictureGoalWidth_ = clampTo(value, 0, kMaxPictureTwips);
        else if (word == "pichgoal") pictureGoalHeight_ = clampTo(value, 0, kMaxPictureTwips);
        else if (word == "picscalex") pictureScaleX_ = clampTo(value, 1, kMaxPictureScale);
        else if (word == "picscaley") pictureScaleY_ = clampTo(value, 1, kMaxPictureScale);
    }

    void pictureHexDigit(std::uint8_t b) {
        const int digit = hexValue(static_cast<char>(b));
        if (digit < 0) return;  // line ends and blanks between the digits
        if (pendingNibble_ < 0) {
            pendingNibble_ = digit;
            return;
        }
        picture_.data.push_back(static_cast<char>(pendingNibble_ * 16 + digit));
        pendingNibble_ = -1;
    }

    // The shown size: the goal scaled, or the picture's own size (pixels at 96 dpi for a
    // bitmap, hundredths of a millimetre for a metafile), or for a PNG its header's.
    int shownSize(int goal, int scale, int source, std::size_t pngField) const {
        std::int64_t twips = 0;
        if (goal > 0) twips = std::int64_t{goal} * scale / 100;
        else if (source > 0 && (*pictureFormat_ == PictureFormat::Png || *pictureFormat_ == PictureFormat::Jpeg))
            twips = std::int64_t{source} * kTwipsPerPixel * scale / 100;
        else if (source > 0) twips = std::int64_t{source} * 1440 / 2540 * scale / 100;
        else if (*pictureFormat_ == PictureFormat::Png && picture_.data.size() >= 24 && picture_.data.substr(12, 4) == "IHDR") {
            std::int64_t pixels = 0;
            for (std::size_t i = pngField; i < pngField + 4; ++i)
                pixels = pixels * 256 + static_cast<std::uint8_t>(picture_.data[i]);
            twips = std::min<std::int64_t>(pixels, kMaxPictureTwips) * kTwipsPerPixel * scale / 100;
        }
        if (twips <= 0) twips = 1440;  // nothing says: one inch
        return clampTo(twips, 1, kMaxPictureTwips);
    }

    void endPicture() {
        if (picture_.data.empty()) return;
        if (!pictureFormat_) {
            noteDropped(DroppedContent::Pictures);  // a format the model does not keep, or none given
            return;
        }
        picture_.format = *pictureFormat_;
        const bool inShape = std::exchange(pictureInShape_, false);
        // A shape's picture is drawn at the shape's size, which its own words rarely give.
        if (inShape && pictureGoalWidth_ == 0 && shapeRight_ > shapeLeft_) pictureGoalWidth_ = shapeRight_ - shapeLeft_;
        if (inShape && pictureGoalHeight_ == 0 && shapeBottom_ > shapeTop_) pictureGoalHeight_ = shapeBottom_ - shapeTop_;
        picture_.width = shownSize(pictureGoalWidth_, pictureScaleX_, picture_.sourceWidth, 16);
        picture_.height = shownSize(pictureGoalHeight_, pictureScaleY_, picture_.sourceHeight, 20);
        if (picture_.format != PictureFormat::Wmf) picture_.metafileMapping = 8;
        if (inShape) {
            if (shapePicture_) return;  // one picture per shape
            shapePicture_ = shapeShown_ = true;
        } else if (state().destination != Destination::Text) {
            return;
        }
        flushSurrogate();
        flushRun();
        meter_.addRun({});
        paragraph_.append(pictureRun(std::exchange(picture_, Picture{}), runLook(state().chars)));
        setParagraphProps(state().para);
    }

    std::string fontName(int number) const {
        const auto found = fonts_.find(number < 0 ? defaultFont_ : number);
        if (found == fonts_.end()) return std::string(kDefaultFontName);
        return found->second;
    }

    std::optional<TextColour> colorIfGiven(int index) const {
        if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size()) return std::nullopt;
        return colors_[static_cast<std::size_t>(index)];
    }

    TextColour color(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= colors_.size() || !colors_[static_cast<std::size_t>(index)])
            return TextColour{};  // "auto" and unknown colours are black
        return *colors_[static_cast<std::size_t>(index)];
    }

    void commitFont() {
        std::string name = trimmed(fontName_);
        fontName_.clear();
        if (!name.empty()) fonts_[fontNumber_] = std::move(name);
    }

    void commitColor() {
        if (colorGiven_)
            colors_.push_back(TextColour{static_cast<std::uint8_t>(red_), static_cast<std::uint8_t>(green_),
                                  static_cast<std::uint8_t>(blue_)});
        else
            colors_.push_back(std::nullopt);
        resetColor();
    }

    void resetColor() {
        red_ = green_ = blue_ = 0;
        colorGiven_ = false;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;  // stack_[0] is outside every group; never empty
    std::size_t overflow_ = 0;       // groups opened past the depth limit
    bool damaged_ = false;
    bool finishing_ = false;  // past the end of the input
    bool starred_ = false;  // "\*" seen: the group is skipped unless its word is understood
    int pendingSkip_ = 0;   // fallback characters still to skip after \uN
    char32_t highSurrogate_ = 0;
    std::vector<DroppedContent> dropped_;

    int defaultFont_ = 0;
    std::map<int, std::string> fonts_;
    int fontNumber_ = 0;
    std::string fontName_;

    std::vector<std::optional<TextColour>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    // The picture being read: its group's depth, its format once a format word came
    // (nullopt for a format the model does not keep).
    std::size_t pictureDepth_ = 0;
    Picture picture_;
    std::optional<PictureFormat> pictureFormat_;
    int pictureGoalWidth_ = 0, pictureGoalHeight_ = 0;
    int pictureScaleX_ = 100, pictureScaleY_ = 100;
    int pendingNibble_ = -1;

    // The table being read: its finished rows, the cells of the current row, the paragraphs
    // of the current cell and the right edges of the current row's definition.
    std::optional<Table> table_;
    TableRow row_;
    std::vector<Paragraph> cellParagraphs_;
    std::vector<CellDefinition> rowCells_;
    CellDefinition pendingCell_;

    // Lists: the levels' kinds of each list (by \listid; nullopt for a level without
    // numbers) and the list each override (\ls) stands for.
    std::map<int, std::vector<std::optional<ListKind>>> lists_;
    std::vector<std::optional<ListKind>> listLevels_;
    std::map<int, int> listOverrides_;
    int overrideList_ = 0;
    std::size_t oldNumberingDepth_ = 0;
    // A list item's marker, read aside until the paragraph tells whether its list is known.
    std::size_t markerDepth_ = 0;
    std::vector<TextRun> savedRuns_;
    std::vector<TextRun> marker_;
    std::size_t markerAt_ = 0;

    // The shape being read: its group's depth (0: none), its frame and whether it gave
    // something to show.
    std::size_t shapeDepth_ = 0;
    int shapeLeft_ = 0, shapeRight_ = 0, shapeTop_ = 0, shapeBottom_ = 0;
    bool shapeShown_ = false;
    bool shapePicture_ = false;
    std::string shapeName_;
    bool pictureInShape_ = false;

    RichDocument document_;
    Paragraph paragraph_;
    std::string runText_;
    CharProps runProps_;
    ShownTextMeter meter_;
};

// Where "{\rtf" starts after an optional byte-order mark and blank lines, or npos.
std::size_t rtfHeaderStart(std::string_view bytes) {
    std::size_t pos = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n'))
        ++pos;
    return bytes.substr(pos, 5) == "{\\rtf" ? pos : std::string_view::npos;
}

// One paragraph per line; UTF-8 when the bytes are valid UTF-8, else Windows-1252.
RichDocument readPlainText(std::string_view bytes, ShownTextMeter& meter) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const bool utf8 = isValidUtf8(bytes);
    RichDocument document;
    Paragraph paragraph;
    std::string line;
    auto endLine = [&] {
        TextRun run;
        run.text = std::move(line);
        line.clear();
        if (!run.text.empty()) meter.addRun(run.text);
        meter.addParagraph();
        paragraph.append(std::move(run));
        document.blocks.emplace_back(std::move(paragraph));
        paragraph = Paragraph{};
    };
    std::size_t pos = 0;
    while (pos < bytes.size() && !meter.over()) {
        const char32_t c = utf8 ? nextUtf8(bytes, pos) : cp1252ToUnicode(static_cast<std::uint8_t>(bytes[pos++]));
        if (c == U'\r') {
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
            endLine();
        } else if (c == U'\n') {
            endLine();
        } else if ((c == U'\t' || c >= 0x20) && c != 0xFFFC) {
            appendUtf8(line, c);
        }
    }
    if (!line.empty()) endLine();
    return document;
}

}  // namespace

RtfSource rtfSourceOf(std::string_view bytes) {
    // A text saved as UTF-16 holds NUL bytes: decoded first, it is an ordinary text.
    if (const auto decoded = utf16WithMarkToUtf8(bytes)) return rtfSourceOf(*decoded);
    if (rtfHeaderStart(bytes) != std::string_view::npos) return RtfSource::Rtf;
    return bytes.find('\0') != std::string_view::npos ? RtfSource::NotText : RtfSource::PlainText;
}

RtfReadResult readRtf(std::string_view bytes) {
    if (const auto decoded = utf16WithMarkToUtf8(bytes)) return readRtf(*decoded);
    RtfReadResult result;
    result.source = rtfSourceOf(bytes);
    if (result.source == RtfSource::Rtf) return Reader(bytes.substr(rtfHeaderStart(bytes))).run();
    if (result.source == RtfSource::NotText) return result;
    ShownTextMeter meter;
    result.document = readPlainText(bytes, meter);
    result.excess = meter.excess();
    return result;
}

}  // namespace tavir

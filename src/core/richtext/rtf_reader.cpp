#include "core/richtext/rtf_reader.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
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

int clampTo(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharProps {
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
    friend bool operator==(const CharProps&, const CharProps&) = default;
};

struct ParaProps {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;
};

struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

// Destinations whose text is never shown.
constexpr std::string_view kSkippedDestinations[] = {
    "info",      "stylesheet", "pict",       "header",     "headerl",   "headerr",      "headerf",
    "footer",    "footerl",    "footerr",    "footerf",    "fldinst",   "footnote",     "annotation",
    "atnid",     "atnauthor",  "atndate",    "atnref",     "object",    "objdata",      "objclass",
    "themedata", "colorschememapping",       "latentstyles",            "datastore",    "xmlnstbl",
    "listtable", "listoverridetable",        "rsidtbl",    "generator", "pgdsctbl",     "revtbl",
    "filetbl",   "private",    "nonshppict", "shp",        "shpinst",   "sp",           "template",
    "docvar",    "userprops",  "ftnsep",     "ftnsepc",    "ftncn",     "aftnsep",      "aftnsepc",
    "aftncn",    "pn",         "pntxta",     "pntxtb",     "upr",       "xe",           "tc",
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
        while (pos_ < in_.size()) {
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
        if (stack_.size() > 1 || overflow_ > 0) damaged_ = true;
        flushSurrogate();
        flushRun();
        if (!paragraph_.runs.empty()) document_.paragraphs.push_back(std::move(paragraph_));
        RtfReadResult result;
        result.document = std::move(document_);
        result.source = RtfSource::Rtf;
        result.damaged = damaged_;
        return result;
    }

private:
    GroupState& state() { return stack_.back(); }

    void openGroup() {
        pendingSkip_ = 0;
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
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.size() <= 1) {
            damaged_ = true;  // a closing brace without its opening one: ignored
            return;
        }
        if (state().destination == Destination::FontTable) commitFont();
        stack_.pop_back();
    }

    // One byte of text, read as Windows-1252.
    void byte(std::uint8_t b) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
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
            if (value >= 0) textCharacter(cp1252ToUnicode(static_cast<std::uint8_t>(value)));
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
        case '*': state().destination = Destination::Skip; break;
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

    void skipBinary(std::int64_t length) {
        const std::size_t remaining = in_.size() - pos_;
        const std::size_t n =
            length <= 0 ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(length, static_cast<std::int64_t>(remaining)));
        if (static_cast<std::size_t>(std::max<std::int64_t>(length, 0)) > remaining) damaged_ = true;
        pos_ += n;
    }

    void applyWord(const std::string& word, bool hasParameter, std::int64_t value) {
        GroupState& s = state();
        if (word == "bin") {
            skipBinary(value);
            return;
        }
        if (s.destination == Destination::Skip) return;

        if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) != std::end(kSkippedDestinations)) {
            s.destination = Destination::Skip;
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

        // Text destination: paragraphs and formatting.
        const bool on = !hasParameter || value != 0;
        if (word == "par") paragraphEnd();
        else if (word == "line") emit(U'\n');
        else if (word == "tab") emit(U'\t');
        else if (word == "pard") s.para = ParaProps{};
        else if (word == "plain") s.chars = CharProps{};
        else if (word == "b") s.chars.bold = on;
        else if (word == "i") s.chars.italic = on;
        else if (word == "ulnone") s.chars.underline = false;
        else if (word == "ulc") {
            // underline colour, not an underline
        } else if (word.starts_with("ul")) s.chars.underline = on;  // \ul, \uld, \ulw, \ulwave...
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
    // the tab are not text.
    void textCharacter(char32_t c) {
        if (c == U'\t' || c >= 0x20) emit(c);
    }

    void flushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        emit(kReplacementCharacter);
    }

    void emit(char32_t c) {
        if (highSurrogate_ != 0) flushSurrogate();
        switch (state().destination) {
        case Destination::Skip: return;
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
    }

    void flushRun() {
        if (runText_.empty()) return;
        TextRun run;
        run.text = std::move(runText_);
        runText_.clear();
        run.font = fontName(runProps_.font);
        run.halfPoints = runProps_.halfPoints;
        run.bold = runProps_.bold;
        run.italic = runProps_.italic;
        run.underline = runProps_.underline;
        run.color = color(runProps_.color);
        paragraph_.append(std::move(run));
    }

    void paragraphEnd() {
        if (state().destination != Destination::Text) return;
        flushSurrogate();
        flushRun();
        // A paragraph takes the properties in force at its end.
        setParagraphProps(state().para);
        document_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    std::string fontName(int number) const {
        const auto found = fonts_.find(number < 0 ? defaultFont_ : number);
        if (found == fonts_.end()) return std::string(kDefaultFontName);
        return found->second;
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
    int pendingSkip_ = 0;  // fallback characters still to skip after \uN
    char32_t highSurrogate_ = 0;

    int defaultFont_ = 0;
    std::map<int, std::string> fonts_;
    int fontNumber_ = 0;
    std::string fontName_;

    std::vector<std::optional<TextColour>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    RichDocument document_;
    Paragraph paragraph_;
    std::string runText_;
    CharProps runProps_;
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
RichDocument readPlainText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const bool utf8 = isValidUtf8(bytes);
    RichDocument document;
    Paragraph paragraph;
    std::string line;
    auto endLine = [&] {
        TextRun run;
        run.text = std::move(line);
        line.clear();
        paragraph.append(std::move(run));
        document.paragraphs.push_back(std::move(paragraph));
        paragraph = Paragraph{};
    };
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const char32_t c = utf8 ? nextUtf8(bytes, pos) : cp1252ToUnicode(static_cast<std::uint8_t>(bytes[pos++]));
        if (c == U'\r') {
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
            endLine();
        } else if (c == U'\n') {
            endLine();
        } else if (c == U'\t' || c >= 0x20) {
            appendUtf8(line, c);
        }
    }
    if (!line.empty()) endLine();
    return document;
}

}  // namespace

RtfReadResult readRtf(std::string_view bytes) {
    if (const std::size_t start = rtfHeaderStart(bytes); start != std::string_view::npos)
        return Reader(bytes.substr(start)).run();
    RtfReadResult result;
    if (bytes.find('\0') != std::string_view::npos) {
        result.source = RtfSource::NotText;
        return result;
    }
    result.source = RtfSource::PlainText;
    result.document = readPlainText(bytes);
    return result;
}

}  // namespace tavir

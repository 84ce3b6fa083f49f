// Characters of the text and the looks of its runs.
#include "core/richtext/rtf_parser.hpp"

#include <string>
#include <utility>

#include "core/text/encoding.hpp"

namespace tavir::rtf {

namespace {

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

}  // namespace

// A run's looks: font, size, weight, slant, underline, raised or lowered, colours.
void RtfParser::characterWord(const std::string& word, bool hasParameter, std::int64_t value, bool on) {
    CharProps& chars = state().chars;
    if (word == "plain") chars = CharProps{};
    else if (word == "highlight" || word == "chcbpat") chars.highlight = clampTo(value, 0, INT32_MAX);
    else if (word == "b") chars.bold = on;
    else if (word == "i") chars.italic = on;
    else if (word == "ulnone") chars.underline = false;
    else if (word == "ulc") {
        // underline colour, not an underline
    } else if (word.starts_with("ul")) chars.underline = on;  // \ul, \uld, \ulw, \ulwave...
    else if (word == "sub") chars.script = on ? Script::Subscript : Script::Normal;
    else if (word == "super") chars.script = on ? Script::Superscript : Script::Normal;
    else if (word == "nosupersub") chars.script = Script::Normal;
    // \upN and \dnN raise and lower by N half-points (6 when N is left out).
    else if (word == "up") chars.script = on ? Script::Superscript : Script::Normal;
    else if (word == "dn") chars.script = on ? Script::Subscript : Script::Normal;
    else if (word == "fs")
        chars.halfPoints =
            !hasParameter || value <= 0 ? kDefaultHalfPoints : clampTo(value, kMinHalfPoints, kMaxHalfPoints);
    else if (word == "f") chars.font = clampTo(value, INT32_MIN, INT32_MAX);
    else if (word == "cf") chars.color = clampTo(value, INT32_MIN, INT32_MAX);
}

void RtfParser::unicodeCharacter(std::int64_t value) {
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
void RtfParser::textCharacter(char32_t c) {
    if ((c == U'\t' || c >= 0x20) && c != 0xFFFC) emit(visibleBullet(c));
}

void RtfParser::flushSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    emit(kReplacementCharacter);
}

void RtfParser::emit(char32_t c) {
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

TextRun RtfParser::runLook(const CharProps& props) const {
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

void RtfParser::flushRun() {
    if (runText_.empty()) return;
    TextRun run = runLook(runProps_);
    run.text = std::move(runText_);
    runText_.clear();
    meter_.addRun(run.text);
    paragraph_.append(std::move(run));
}

}  // namespace tavir::rtf

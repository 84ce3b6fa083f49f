// Groups, control symbols and control words: the RTF syntax, before any meaning.
#include "core/richtext/rtf_parser.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/text/encoding.hpp"

namespace tavir::rtf {

void RtfParser::openGroup() {
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

void RtfParser::closeGroup() {
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
void RtfParser::byte(std::uint8_t b) {
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

void RtfParser::textByte(std::uint8_t b) {
    // Word writes its bullets as characters of the Symbol and Wingdings fonts.
    if (state().listText && b >= 0x80) {
        const std::string font = fontName(state().chars.font);
        if (font == "Symbol" && b == 0xB7) return textCharacter(0x2022);
        if (font == "Wingdings" && b == 0xA7) return textCharacter(0x25AA);
        if (font == "Wingdings" && b == 0xD8) return textCharacter(0x27A2);
    }
    textCharacter(cp1252ToUnicode(b));
}

void RtfParser::control() {
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

void RtfParser::controlWord() {
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
void RtfParser::skipBinary(std::int64_t length) {
    const std::size_t remaining = in_.size() - pos_;
    const std::size_t n =
        length <= 0 ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(length, static_cast<std::int64_t>(remaining)));
    if (static_cast<std::size_t>(std::max<std::int64_t>(length, 0)) > remaining) damaged_ = true;
    if (state().destination == Destination::Picture) picture_.data.append(in_.substr(pos_, n));
    pos_ += n;
}

}  // namespace tavir::rtf

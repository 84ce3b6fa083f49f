// The font table and the colour table, and what a run's numbers in them give.
#include "core/richtext/rtf_parser.hpp"

#include <string>

namespace tavir::rtf {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

void RtfParser::fontTableWord(const std::string& word, std::int64_t value) {
    if (word == "f") {
        commitFont();
        fontNumber_ = clampTo(value, INT32_MIN, INT32_MAX);
    }
}

void RtfParser::colorTableWord(const std::string& word, std::int64_t value) {
    if (word == "red") red_ = clampTo(value, 0, 255), colorGiven_ = true;
    else if (word == "green") green_ = clampTo(value, 0, 255), colorGiven_ = true;
    else if (word == "blue") blue_ = clampTo(value, 0, 255), colorGiven_ = true;
}

std::string RtfParser::fontName(int number) const {
    const auto found = fonts_.find(number < 0 ? defaultFont_ : number);
    if (found == fonts_.end()) return std::string(kDefaultFontName);
    return found->second;
}

std::optional<TextColour> RtfParser::colorIfGiven(int index) const {
    if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size()) return std::nullopt;
    return colors_[static_cast<std::size_t>(index)];
}

TextColour RtfParser::color(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size() || !colors_[static_cast<std::size_t>(index)])
        return TextColour{};  // "auto" and unknown colours are black
    return *colors_[static_cast<std::size_t>(index)];
}

void RtfParser::commitFont() {
    std::string name = trimmed(fontName_);
    fontName_.clear();
    if (!name.empty()) fonts_[fontNumber_] = std::move(name);
}

void RtfParser::commitColor() {
    if (colorGiven_)
        colors_.push_back(TextColour{static_cast<std::uint8_t>(red_), static_cast<std::uint8_t>(green_),
                              static_cast<std::uint8_t>(blue_)});
    else
        colors_.push_back(std::nullopt);
    resetColor();
}

void RtfParser::resetColor() {
    red_ = green_ = blue_ = 0;
    colorGiven_ = false;
}

}  // namespace tavir::rtf

#include "core/richtext/rtf_writer.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "core/text/encoding.hpp"

namespace tavir {

namespace {

constexpr int kMaxIndent = 31680;

void appendHexEscape(std::string& out, int byte) {
    constexpr std::string_view digits = "0123456789abcdef";
    out += "\\'";
    out.push_back(digits[static_cast<std::size_t>(byte >> 4)]);
    out.push_back(digits[static_cast<std::size_t>(byte & 15)]);
}

// \uN takes a signed 16-bit number; '?' is the one fallback character of \uc1.
void appendUnicodeEscape(std::string& out, char32_t unit) {
    const int value = unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

void appendCharacter(std::string& out, char32_t c) {
    switch (c) {
    case U'\\': out += "\\\\"; return;
    case U'{': out += "\\{"; return;
    case U'}': out += "\\}"; return;
    case U'\n': out += "\\line "; return;
    case U'\t': out += "\\tab "; return;
    default: break;
    }
    if (c < 0x20) return;  // no other control character is text
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        return;
    }
    if (const int byte = unicodeToCp1252(c); byte >= 0) {
        appendHexEscape(out, byte);
        return;
    }
    if (c >= 0x10000) {
        const char32_t v = c - 0x10000;
        appendUnicodeEscape(out, 0xD800 + (v >> 10));
        appendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
        return;
    }
    appendUnicodeEscape(out, c);
}

void appendText(std::string& out, std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) appendCharacter(out, nextUtf8(utf8, pos));
}

std::string cleanFontName(std::string_view name) {
    std::string out;
    std::size_t pos = 0;
    while (pos < name.size()) {
        const char32_t c = nextUtf8(name, pos);
        if (c >= 0x20 && c != U';') appendUtf8(out, c);
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return std::string(kDefaultFontName);
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// Font and colour tables in order of first use, with a map for the lookups so that a file
// with many runs and many colours is written in n log n.
template <typename T, typename Key>
class Table {
public:
    std::size_t indexOf(const T& value, const Key& key) {
        const auto [found, added] = index_.try_emplace(key, values_.size());
        if (added) values_.push_back(value);
        return found->second;
    }
    const std::vector<T>& values() const { return values_; }

private:
    std::vector<T> values_;
    std::map<Key, std::size_t> index_;
};

std::uint32_t colorKey(TextColour c) { return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue; }

}  // namespace

std::string writeRtf(const RichDocument& document) {
    Table<std::string, std::string> fonts;
    Table<TextColour, std::uint32_t> colors;
    for (const auto& paragraph : document.paragraphs)
        for (const auto& run : paragraph.runs) {
            const std::string font = cleanFontName(run.font);
            fonts.indexOf(font, font);
            colors.indexOf(run.color, colorKey(run.color));
        }
    if (fonts.values().empty()) fonts.indexOf(std::string(kDefaultFontName), std::string(kDefaultFontName));

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.values().size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        appendText(out, fonts.values()[i]);
        out += ";}";
    }
    // Entry 0 stays "auto", as the editors write it; runs name their colour from 1 on.
    out += "}\r\n{\\colortbl ;";
    for (const TextColour& c : colors.values())
        out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
               std::to_string(c.blue) + ";";
    out += "}\r\n\\uc1\r\n";

    for (const auto& paragraph : document.paragraphs) {
        out += "\\pard";
        switch (paragraph.alignment) {
        case Alignment::Left: break;
        case Alignment::Center: out += "\\qc"; break;
        case Alignment::Right: out += "\\qr"; break;
        case Alignment::Justify: out += "\\qj"; break;
        }
        if (paragraph.leftIndent != 0)
            out += "\\li" + std::to_string(std::clamp(paragraph.leftIndent, -kMaxIndent, kMaxIndent));
        if (paragraph.firstLineIndent != 0)
            out += "\\fi" + std::to_string(std::clamp(paragraph.firstLineIndent, -kMaxIndent, kMaxIndent));
        for (const auto& run : paragraph.runs) {
            if (run.text.empty()) continue;
            const std::string font = cleanFontName(run.font);
            out += "\\plain\\f" + std::to_string(fonts.indexOf(font, font)) + "\\fs" +
                   std::to_string(std::clamp(run.halfPoints, 2, 3276));
            if (run.bold) out += "\\b";
            if (run.italic) out += "\\i";
            if (run.underline) out += "\\ul";
            out += "\\cf" + std::to_string(colors.indexOf(run.color, colorKey(run.color)) + 1) + " ";
            appendText(out, run.text);
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace tavir

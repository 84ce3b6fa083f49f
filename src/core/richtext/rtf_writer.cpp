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
class IndexedTable {
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

constexpr int kMaxPictureTwips = 31680;
constexpr std::size_t kHexDigitsPerLine = 128;

const char* pictureFormatWord(const Picture& picture) {
    switch (picture.format) {
    case PictureFormat::Png: return "\\pngblip";
    case PictureFormat::Jpeg: return "\\jpegblip";
    case PictureFormat::Emf: return "\\emfblip";
    case PictureFormat::Wmf: return "\\wmetafile";
    }
    return "\\pngblip";
}

void appendPicture(std::string& out, const Picture& picture) {
    out += "{\\pict";
    out += pictureFormatWord(picture);
    if (picture.format == PictureFormat::Wmf) out += std::to_string(std::clamp(picture.metafileMapping, 1, 8));
    if (picture.sourceWidth > 0) out += "\\picw" + std::to_string(picture.sourceWidth);
    if (picture.sourceHeight > 0) out += "\\pich" + std::to_string(picture.sourceHeight);
    out += "\\picwgoal" + std::to_string(std::clamp(picture.width, 1, kMaxPictureTwips)) + "\\pichgoal" +
           std::to_string(std::clamp(picture.height, 1, kMaxPictureTwips)) + "\r\n";
    constexpr std::string_view digits = "0123456789abcdef";
    out.reserve(out.size() + picture.data.size() * 2 + picture.data.size() / (kHexDigitsPerLine / 2) * 2 + 4);
    for (std::size_t i = 0; i < picture.data.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(picture.data[i]);
        out.push_back(digits[byte >> 4]);
        out.push_back(digits[byte & 15]);
        if ((i + 1) % (kHexDigitsPerLine / 2) == 0) out += "\r\n";
    }
    out += "}";
}

using FontTable = IndexedTable<std::string, std::string>;
using ColourTable = IndexedTable<TextColour, std::uint32_t>;

void appendRuns(std::string& out, const Paragraph& paragraph, FontTable& fonts, ColourTable& colors) {
    for (const auto& run : paragraph.runs) {
        if (run.text.empty()) continue;
        const std::string font = cleanFontName(run.font);
        out += "\\plain\\f" + std::to_string(fonts.indexOf(font, font)) + "\\fs" +
               std::to_string(std::clamp(run.halfPoints, 2, 3276));
        if (run.bold) out += "\\b";
        if (run.italic) out += "\\i";
        if (run.underline) out += "\\ul";
        if (run.script == Script::Subscript) out += "\\sub";
        if (run.script == Script::Superscript) out += "\\super";
        out += "\\cf" + std::to_string(colors.indexOf(run.color, colorKey(run.color)) + 1) + " ";
        if (run.picture) appendPicture(out, *run.picture);
        else appendText(out, run.text);
        // Some readers let \super outlive \plain and lose the text after it: close it.
        if (run.script != Script::Normal) out += "\\nosupersub";
    }
}

// One paragraph from \pard to its end mark: \par, or \cell for a cell's last paragraph.
void appendParagraph(std::string& out, const Paragraph& paragraph, bool inTable, std::string_view end, FontTable& fonts,
                     ColourTable& colors) {
    out += inTable ? "\\pard\\intbl" : "\\pard";
    switch (paragraph.alignment) {
    case Alignment::Left: break;
    case Alignment::Center: out += "\\qc"; break;
    case Alignment::Right: out += "\\qr"; break;
    case Alignment::Justify: out += "\\qj"; break;
    }
    if (paragraph.leftIndent != 0) out += "\\li" + std::to_string(std::clamp(paragraph.leftIndent, -kMaxIndent, kMaxIndent));
    if (paragraph.firstLineIndent != 0)
        out += "\\fi" + std::to_string(std::clamp(paragraph.firstLineIndent, -kMaxIndent, kMaxIndent));
    appendRuns(out, paragraph, fonts, colors);
    out += end;
    out += "\r\n";
}

// Every cell gets a single border: the model keeps no borders, and a worksheet's table
// without its lines would be hard to read.
void appendTable(std::string& out, const Table& table, FontTable& fonts, ColourTable& colors) {
    for (const auto& row : table.rows) {
        out += "\\trowd\\trgaph70";
        for (const auto& cell : row.cells)
            out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10"
                   "\\cellx" +
                   std::to_string(std::clamp(cell.rightEdge, -kMaxIndent, kMaxIndent));
        out += "\r\n";
        for (const auto& cell : row.cells) {
            if (cell.paragraphs.empty()) out += "\\pard\\intbl\\cell\r\n";
            for (std::size_t p = 0; p < cell.paragraphs.size(); ++p)
                appendParagraph(out, cell.paragraphs[p], true, p + 1 < cell.paragraphs.size() ? "\\par" : "\\cell", fonts,
                                colors);
        }
        out += "\\row\r\n";
    }
}

}  // namespace

std::string writeRtf(const RichDocument& document) {
    FontTable fonts;
    ColourTable colors;
    forEachParagraph(document, [&](const Paragraph& paragraph) {
        for (const auto& run : paragraph.runs) {
            const std::string font = cleanFontName(run.font);
            fonts.indexOf(font, font);
            colors.indexOf(run.color, colorKey(run.color));
        }
    });
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

    for (const auto& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) appendParagraph(out, *paragraph, false, "\\par", fonts, colors);
        else appendTable(out, std::get<Table>(block), fonts, colors);
    }
    out += "}\r\n";
    return out;
}

}  // namespace tavir

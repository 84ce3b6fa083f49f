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

// A colour's number in the table as the runs and cells name it (0 is "auto").
std::string colourNumber(ColourTable& colors, TextColour c) { return std::to_string(colors.indexOf(c, colorKey(c)) + 1); }

int levelNumberFormat(ListKind kind) {
    switch (kind) {
    case ListKind::Bullet: return 23;
    case ListKind::Decimal: return 0;
    case ListKind::UpperRoman: return 1;
    case ListKind::LowerRoman: return 2;
    case ListKind::UpperAlpha: return 3;
    case ListKind::LowerAlpha: return 4;
    }
    return 23;
}

constexpr int kListLevels = 9;
constexpr int kListIndentStep = 360;

// The lists of a document: each level's kind, as its first item there has it (a bullet for
// a level no item uses), and the numbers each item shows, counted in reading order.
class ListNumbering {
public:
    void note(const ListItem& item) {
        auto& levels = kinds_.try_emplace(item.list, std::vector<std::optional<ListKind>>(kListLevels)).first->second;
        auto& kind = levels[static_cast<std::size_t>(std::clamp(item.level, 0, kListLevels - 1))];
        if (!kind) kind = item.kind;
    }

    // The table of the lists and their overrides, one for each list under its own number.
    std::string tables() const {
        if (kinds_.empty()) return {};
        std::string out = "{\\*\\listtable";
        for (const auto& [list, levels] : kinds_) {
            out += "{\\list\\listtemplateid" + std::to_string(list);
            for (int level = 0; level < kListLevels; ++level) {
                const ListKind kind = levels[static_cast<std::size_t>(level)].value_or(ListKind::Bullet);
                out += "{\\listlevel\\levelnfc" + std::to_string(levelNumberFormat(kind)) +
                       "\\leveljc0\\levelstartat1\\levelfollow0";
                if (kind == ListKind::Bullet) out += "{\\leveltext \\'01\\u8226 ?;}{\\levelnumbers;}";
                else out += "{\\leveltext \\'02\\'0" + std::to_string(level) + ".;}{\\levelnumbers\\'01;}";
                out += "\\fi-" + std::to_string(kListIndentStep) + "\\li" + std::to_string(kListIndentStep * 2 * (level + 1)) + "}";
            }
            out += "\\listid" + std::to_string(list) + "}\r\n";
        }
        out += "}\r\n{\\*\\listoverridetable";
        for (const auto& entry : kinds_)
            out += "{\\listoverride\\listid" + std::to_string(entry.first) + "\\listoverridecount0\\ls" +
                   std::to_string(entry.first) + "}";
        return out + "}\r\n";
    }

    // The marker the next item shows ("•", "3.", "c.", "iv."), for readers without lists.
    std::string marker(const ListItem& item) { return listMarker(item.kind, counter_.next(item)); }

private:
    std::map<int, std::vector<std::optional<ListKind>>> kinds_;
    ListCounter counter_;
};

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
        if (run.highlight) out += "\\highlight" + colourNumber(colors, *run.highlight);
        out += "\\cf" + colourNumber(colors, run.color) + " ";
        if (run.picture) appendPicture(out, *run.picture);
        else appendText(out, run.text);
        // Some readers let \super outlive \plain and lose the text after it: close it.
        if (run.script != Script::Normal) out += "\\nosupersub";
    }
}

// One paragraph from \pard to its end mark: \par, or \cell for a cell's last paragraph.
struct Tables {
    FontTable fonts;
    ColourTable colors;
    ListNumbering lists;
};

void appendParagraph(std::string& out, const Paragraph& paragraph, bool inTable, std::string_view end, Tables& tables) {
    FontTable& fonts = tables.fonts;
    ColourTable& colors = tables.colors;
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
    if (paragraph.spaceBefore > 0) out += "\\sb" + std::to_string(std::min(paragraph.spaceBefore, kMaxIndent));
    if (paragraph.spaceAfter > 0) out += "\\sa" + std::to_string(std::min(paragraph.spaceAfter, kMaxIndent));
    if (paragraph.lineSpacing != 0)
        out += "\\sl" + std::to_string(std::clamp(paragraph.lineSpacing, -kMaxIndent, kMaxIndent)) + "\\slmult" +
               (paragraph.lineSpacingMultiple ? "1" : "0");
    if (paragraph.list) {
        const ListItem& item = *paragraph.list;
        out += "\\ls" + std::to_string(item.list) + "\\ilvl" + std::to_string(std::clamp(item.level, 0, kListLevels - 1));
        // The marker as text too, for readers that do not know lists; readers that do skip it.
        const TextRun look = paragraph.runs.empty() ? TextRun{} : paragraph.runs.front();
        out += "{\\listtext\\plain\\f" + std::to_string(fonts.indexOf(cleanFontName(look.font), cleanFontName(look.font))) +
               "\\fs" + std::to_string(std::clamp(look.halfPoints, 2, 3276)) + " ";
        appendText(out, tables.lists.marker(item));
        out += "\\tab}";
    }
    appendRuns(out, paragraph, fonts, colors);
    out += end;
    out += "\r\n";
}

// Every cell gets a single border: the model keeps no borders, and a worksheet's table
// without its lines would be hard to read.
void appendTable(std::string& out, const Table& table, Tables& tables) {
    for (const auto& row : table.rows) {
        out += "\\trowd\\trgaph70";
        for (const auto& cell : row.cells) {
            if (cell.verticalMerge == VerticalMerge::First) out += "\\clvmgf";
            if (cell.verticalMerge == VerticalMerge::Covered) out += "\\clvmrg";
            if (cell.shading) out += "\\clcbpat" + colourNumber(tables.colors, *cell.shading);
            out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10"
                   "\\cellx" +
                   std::to_string(std::clamp(cell.rightEdge, -kMaxIndent, kMaxIndent));
        }
        out += "\r\n";
        for (const auto& cell : row.cells) {
            if (cell.paragraphs.empty()) out += "\\pard\\intbl\\cell\r\n";
            for (std::size_t p = 0; p < cell.paragraphs.size(); ++p)
                appendParagraph(out, cell.paragraphs[p], true, p + 1 < cell.paragraphs.size() ? "\\par" : "\\cell", tables);
        }
        out += "\\row\r\n";
    }
}

}  // namespace

std::string writeRtf(const RichDocument& document) {
    Tables tables;
    FontTable& fonts = tables.fonts;
    ColourTable& colors = tables.colors;
    forEachParagraph(document, [&](const Paragraph& paragraph) {
        for (const auto& run : paragraph.runs) {
            const std::string font = cleanFontName(run.font);
            fonts.indexOf(font, font);
            colors.indexOf(run.color, colorKey(run.color));
            if (run.highlight) colors.indexOf(*run.highlight, colorKey(*run.highlight));
        }
        if (paragraph.list) {
            tables.lists.note(*paragraph.list);
            if (paragraph.runs.empty()) fonts.indexOf(std::string(kDefaultFontName), std::string(kDefaultFontName));
        }
    });
    for (const auto& block : document.blocks)
        if (const auto* table = std::get_if<Table>(&block))
            for (const auto& row : table->rows)
                for (const auto& cell : row.cells)
                    if (cell.shading) colors.indexOf(*cell.shading, colorKey(*cell.shading));
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
    out += "}\r\n";
    out += tables.lists.tables();
    out += "\\uc1\r\n";

    for (const auto& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) appendParagraph(out, *paragraph, false, "\\par", tables);
        else appendTable(out, std::get<Table>(block), tables);
    }
    out += "}\r\n";
    return out;
}

}  // namespace tavir

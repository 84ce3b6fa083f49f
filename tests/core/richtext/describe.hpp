#pragma once
// A one-line picture of a rich-text model, so that expected documents read as text:
// paragraphs joined by " / ", each "align[ liN][ fiN]:" then its runs as
// "[font size[ b][ i][ u][ sub|super][ #rrggbb]]text" (colour only when not black), "\n" as
// "⏎" and "\t" as "→", a picture as "<format WxH NB>" (twips, bytes); a table as
// "table{(edge)cell (edge)cell | next row}", a cell's paragraphs joined by " ¶ ".
// Spacing as " sbN saN slN[x]", a list item as " list:kind.level#list", a highlight as
// " hl#rrggbb", a cell merged down as "(edge v)" or "(edge ^)", its shading as "(edge #rrggbb)".
#include <cstdio>
#include <string>
#include <variant>

#include "core/richtext/rich_text.hpp"

namespace tavir::test {

inline std::string hexColour(TextColour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buf;
}

inline std::string describeParagraph(const Paragraph& paragraph) {
    std::string out;
    switch (paragraph.alignment) {
    case Alignment::Left: out += "left"; break;
    case Alignment::Center: out += "center"; break;
    case Alignment::Right: out += "right"; break;
    case Alignment::Justify: out += "justify"; break;
    }
    if (paragraph.leftIndent != 0) out += " li" + std::to_string(paragraph.leftIndent);
    if (paragraph.firstLineIndent != 0) out += " fi" + std::to_string(paragraph.firstLineIndent);
    if (paragraph.spaceBefore != 0) out += " sb" + std::to_string(paragraph.spaceBefore);
    if (paragraph.spaceAfter != 0) out += " sa" + std::to_string(paragraph.spaceAfter);
    if (paragraph.lineSpacing != 0)
        out += " sl" + std::to_string(paragraph.lineSpacing) + (paragraph.lineSpacingMultiple ? "x" : "");
    if (paragraph.list) {
        static constexpr const char* kKinds[] = {"bullet", "decimal", "a", "A", "i", "I"};
        out += std::string(" list:") + kKinds[static_cast<int>(paragraph.list->kind)] + "." +
               std::to_string(paragraph.list->level) + "#" + std::to_string(paragraph.list->list);
    }
    out += ":";
    for (const TextRun& run : paragraph.runs) {
        out += "[" + run.font + " " + std::to_string(run.halfPoints / 2);
        if (run.halfPoints % 2 != 0) out += ".5";
        if (run.bold) out += " b";
        if (run.italic) out += " i";
        if (run.underline) out += " u";
        if (run.script == Script::Subscript) out += " sub";
        if (run.script == Script::Superscript) out += " super";
        if (!(run.color == TextColour{})) out += " " + hexColour(run.color);
        if (run.highlight) out += " hl" + hexColour(*run.highlight);
        out += "]";
        if (run.picture) {
            static constexpr const char* kFormats[] = {"png", "jpeg", "wmf", "emf"};
            out += "<" + std::string(kFormats[static_cast<int>(run.picture->format)]) + " " +
                   std::to_string(run.picture->width) + "x" + std::to_string(run.picture->height) + " " +
                   std::to_string(run.picture->data.size()) + "B>";
            continue;
        }
        for (char c : run.text) {
            if (c == '\n') out += "⏎";
            else if (c == '\t') out += "→";
            else out.push_back(c);
        }
    }
    return out;
}

inline std::string describe(const RichDocument& document) {
    std::string out;
    for (std::size_t b = 0; b < document.blocks.size(); ++b) {
        if (b > 0) out += " / ";
        if (const auto* paragraph = std::get_if<Paragraph>(&document.blocks[b])) {
            out += describeParagraph(*paragraph);
            continue;
        }
        out += "table{";
        const auto& rows = std::get<Table>(document.blocks[b]).rows;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (r > 0) out += " | ";
            for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
                const TableCell& cell = rows[r].cells[c];
                out += (c > 0 ? " " : "") + std::string("(") + std::to_string(cell.rightEdge);
                if (cell.verticalMerge == VerticalMerge::First) out += " v";
                if (cell.verticalMerge == VerticalMerge::Covered) out += " ^";
                if (cell.shading) out += " " + hexColour(*cell.shading);
                out += ")";
                for (std::size_t p = 0; p < cell.paragraphs.size(); ++p)
                    out += (p > 0 ? " ¶ " : "") + describeParagraph(cell.paragraphs[p]);
            }
        }
        out += "}";
    }
    return out;
}

}  // namespace tavir::test

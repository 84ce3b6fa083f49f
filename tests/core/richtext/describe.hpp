#pragma once
// A one-line picture of a rich-text model, so that expected documents read as text:
// paragraphs joined by " / ", each "align[ liN][ fiN]:" then its runs as
// "[font size[ b][ i][ u][ #rrggbb]]text" (colour only when not black), "\n" as "⏎" and
// "\t" as "→".
#include <cstdio>
#include <string>

#include "core/richtext/rich_text.hpp"

namespace tavir::test {

inline std::string describe(const RichDocument& document) {
    std::string out;
    for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
        const Paragraph& paragraph = document.paragraphs[p];
        if (p > 0) out += " / ";
        switch (paragraph.alignment) {
        case Alignment::Left: out += "left"; break;
        case Alignment::Center: out += "center"; break;
        case Alignment::Right: out += "right"; break;
        case Alignment::Justify: out += "justify"; break;
        }
        if (paragraph.leftIndent != 0) out += " li" + std::to_string(paragraph.leftIndent);
        if (paragraph.firstLineIndent != 0) out += " fi" + std::to_string(paragraph.firstLineIndent);
        out += ":";
        for (const TextRun& run : paragraph.runs) {
            out += "[" + run.font + " " + std::to_string(run.halfPoints / 2);
            if (run.halfPoints % 2 != 0) out += ".5";
            if (run.bold) out += " b";
            if (run.italic) out += " i";
            if (run.underline) out += " u";
            if (!(run.color == TextColour{})) {
                char buf[9];
                std::snprintf(buf, sizeof buf, " #%02x%02x%02x", run.color.red, run.color.green, run.color.blue);
                out += buf;
            }
            out += "]";
            for (char c : run.text) {
                if (c == '\n') out += "⏎";
                else if (c == '\t') out += "→";
                else out.push_back(c);
            }
        }
    }
    return out;
}

}  // namespace tavir::test

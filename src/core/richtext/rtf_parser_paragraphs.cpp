// Paragraphs: their words, their properties, and where each one ends.
#include "core/richtext/rtf_parser.hpp"

#include <algorithm>
#include <utility>
#include <vector>

namespace tavir::rtf {

// A paragraph's words: its end, its breaks, its spacing, indents and alignment, its list.
bool RtfParser::paragraphWord(const std::string& word, std::int64_t value, bool on) {
    ParaProps& para = state().para;
    if (word == "par") paragraphEnd();
    else if (word == "line") emit(U'\n');
    else if (word == "tab") emit(U'\t');
    else if (word == "pard") para = ParaProps{};
    else if (word == "sb") para.spaceBefore = clampTo(value, 0, kMaxIndent);
    else if (word == "sa") para.spaceAfter = clampTo(value, 0, kMaxIndent);
    else if (word == "sl") para.lineSpacing = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "slmult") para.lineSpacingMultiple = on;
    else if (word == "ls") para.listOverride = clampTo(value, 0, INT32_MAX);
    else if (word == "ilvl") para.listLevel = clampTo(value, 0, kMaxListLevel);
    else if (word == "ql") para.alignment = Alignment::Left;
    else if (word == "qc") para.alignment = Alignment::Center;
    else if (word == "qr") para.alignment = Alignment::Right;
    else if (word == "qj" || word == "qd") para.alignment = Alignment::Justify;
    else if (word == "li") para.leftIndent = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "fi") para.firstLineIndent = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "listtext" || word == "pntext") startMarker();
    else return false;
    return true;
}

void RtfParser::setParagraphProps(const ParaProps& para) {
    paragraph_.alignment = para.alignment;
    paragraph_.leftIndent = para.leftIndent;
    paragraph_.firstLineIndent = para.firstLineIndent;
    paragraph_.spaceBefore = para.spaceBefore;
    paragraph_.spaceAfter = para.spaceAfter;
    paragraph_.lineSpacing = para.lineSpacing;
    paragraph_.lineSpacingMultiple = para.lineSpacing != 0 && para.lineSpacingMultiple;
    paragraph_.list = listItem(para);
}

// The paragraph ends here, in or out of a table as its properties say. A paragraph takes
// the properties in force at its end.
void RtfParser::paragraphEnd() {
    if (state().destination != Destination::Text) return;
    if (state().para.inTable) endParagraphInCell();
    else endParagraphOutsideTables();
}

Paragraph RtfParser::takeParagraph() {
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

void RtfParser::endParagraphOutsideTables() {
    // A paragraph outside the tables ends a row left without its \row, and the table.
    if (!cellParagraphs_.empty() || !row_.cells.empty()) endRow();
    closeTable();
    document_.blocks.emplace_back(takeParagraph());
}

}  // namespace tavir::rtf

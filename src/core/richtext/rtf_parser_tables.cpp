// Tables: the rows' cell definitions, cells, rows and the table they make.
#include "core/richtext/rtf_parser.hpp"

#include <algorithm>
#include <utility>

namespace tavir::rtf {

// A table's words: the row's definition of its cells, and the ends of cells and rows.
bool RtfParser::tableWord(const std::string& word, std::int64_t value, bool on) {
    if (word == "clmgf") pendingCell_.mergedWithPrevious = false;
    else if (word == "clmrg") pendingCell_.mergedWithPrevious = true;
    else if (word == "clvmgf") pendingCell_.verticalMerge = VerticalMerge::First;
    else if (word == "clvmrg") pendingCell_.verticalMerge = VerticalMerge::Covered;
    else if (word == "clcbpat") pendingCell_.shading = clampTo(value, 0, INT32_MAX);
    else if (word == "intbl") state().para.inTable = on;
    else if (word == "cell") cellEnd();
    else if (word == "nestcell" || word == "nestrow") endParagraphInCell();  // a nested table's text, kept in its cell
    else if (word == "row") endRow();
    else if (word == "trowd") {
        rowCells_.clear();
        pendingCell_ = CellDefinition{};
    } else if (word == "cellx") {
        pendingCell_.rightEdge = clampTo(value, -kMaxIndent, kMaxIndent);
        rowCells_.push_back(std::exchange(pendingCell_, CellDefinition{}));
    } else {
        return false;
    }
    return true;
}

void RtfParser::endParagraphInCell() {
    cellParagraphs_.push_back(takeParagraph());
}

void RtfParser::cellEnd() {
    endParagraphInCell();
    row_.cells.push_back(TableCell{0, std::exchange(cellParagraphs_, {})});
    meter_.addCell();
}

// The row's cells get their right edges now: Word writes the row's definition again
// at its end, LibreOffice only before it.
void RtfParser::endRow() {
    flushRun();
    if (!paragraph_.runs.empty()) endParagraphInCell();
    if (!cellParagraphs_.empty()) {
        row_.cells.push_back(TableCell{0, std::exchange(cellParagraphs_, {})});
        meter_.addCell();
    }
    if (row_.cells.empty()) return;
    int edge = 0;
    TableRow merged;
    for (std::size_t i = 0; i < row_.cells.size(); ++i) {
        TableCell& cell = row_.cells[i];
        const CellDefinition definition = i < rowCells_.size() ? rowCells_[i] : CellDefinition{};
        edge = i < rowCells_.size() ? definition.rightEdge : std::min(edge + kDefaultCellWidth, kMaxIndent);
        cell.rightEdge = edge;
        cell.verticalMerge = definition.verticalMerge;
        if (definition.shading > 0) cell.shading = colorIfGiven(definition.shading);
        // Cells merged across are one: the first's text and look, the last's edge.
        if (definition.mergedWithPrevious && !merged.cells.empty()) {
            TableCell& first = merged.cells.back();
            first.rightEdge = edge;
            for (auto& paragraph : cell.paragraphs)
                if (!paragraph.runs.empty()) first.paragraphs.push_back(std::move(paragraph));
            continue;
        }
        merged.cells.push_back(std::move(cell));
    }
    row_ = std::move(merged);
    if (!table_) table_.emplace();
    table_->rows.push_back(std::exchange(row_, TableRow{}));
}

void RtfParser::closeTable() {
    if (table_ && !table_->rows.empty()) document_.blocks.emplace_back(std::move(*table_));
    table_.reset();
}

}  // namespace tavir::rtf

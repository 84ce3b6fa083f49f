#include "core/session/construction_table.hpp"

namespace tavir {

Construction ConstructionTable::show(int n) {
    auto& text = table_.at(static_cast<std::size_t>(n));
    if (isBlankEntry(text)) text = std::string(kEmptyConstructionString);
    return Construction::fromString(text);
}

Construction ConstructionTable::select(int n) {
    current_ = static_cast<int16_t>(n);
    undoEnabled_ = current_ == undoNumber_;
    undoState_ = 2;
    const Construction shown = show(current_);
    table_[kLastAnalysedEntry] = shown.toString();
    return shown;
}

void ConstructionTable::recordAnalysis(const std::string& board) {
    // A pick-up (state 1) saves once, the selector (state 2) not at all.
    if (undoState_ != 2) {
        const bool unchanged = undoState_ == 0 && board == table_[kLastAnalysedEntry];
        // A change the tidying took back entirely (an atom dropped where it may not stay)
        // leaves the undo as it was: it must still take back something the pupil can see.
        if (!unchanged) {
            beforeMove_ = UndoPoint{table_[kUndoEntry], undoEnabled_, undoNumber_, seriesUndo_};
            seriesUndo_.reset();
            table_[kUndoEntry] = table_[kLastAnalysedEntry];
            undoEnabled_ = true;
            undoNumber_ = current_;
        }
    } else {
        // The board as it now stands is what the next undo must come back to: after a move,
        // the drop's board, not the board with the atom still in the air.
        undoState_ = 0;
        // A move that put everything back where it was is no step either.
        if (moving_ && board == table_[kUndoEntry] && beforeMove_) {
            table_[kUndoEntry] = beforeMove_->board;
            undoEnabled_ = beforeMove_->enabled;
            undoNumber_ = beforeMove_->number;
            seriesUndo_ = beforeMove_->seriesUndo;
        }
    }
    moving_ = undoState_ == 1;
    table_[kLastAnalysedEntry] = board;
    if (undoState_ == 1) undoState_ = 2;
    table_[static_cast<std::size_t>(current_)] = board;
}

void ConstructionTable::copy(const std::string& board) {
    table_[kCopyBufferEntry] = board;
    pasteEnabled_ = true;
}

void ConstructionTable::forgetUndo() {
    table_[kUndoEntry].clear();
    undoNumber_ = 0;
    undoEnabled_ = false;
    seriesUndo_.reset();
    beforeMove_.reset();
    moving_ = false;
}

void ConstructionTable::clearSeries() {
    for (int n = 1; n <= 10; ++n) table_[static_cast<std::size_t>(n)].clear();
}

}  // namespace tavir

#pragma once
// The construction table and its one-step undo: the copy buffer (entry 0), the series
// (entries 1..10), the undo copy (12) and the board as the last refreshing analysis left it (13).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/board/construction.hpp"

namespace tavir {

constexpr int kTableSize = 14;
constexpr int kCopyBufferEntry = 0;
constexpr int kUndoEntry = 12;
constexpr int kLastAnalysedEntry = 13;

class ConstructionTable {
public:
    const std::string& entry(int n) const { return table_.at(static_cast<std::size_t>(n)); }
    void setEntry(int n, std::string text) { table_.at(static_cast<std::size_t>(n)) = std::move(text); }
    // The construction an entry holds; a blank entry becomes the empty construction, in the
    // table too.
    Construction show(int n);

    int current() const { return current_; }
    int undoConstruction() const { return undoNumber_; }
    int undoState() const { return undoState_; }
    bool undoEnabled() const { return undoEnabled_; }
    bool pasteEnabled() const { return pasteEnabled_; }

    // The selector: construction n (1..10) becomes current and is shown; switching is not
    // undoable, and undo stays with the construction it belongs to.
    Construction select(int n);
    // A pick-up: its analysis saves the board as it was before the move, the drop's does not.
    void startMove() { undoState_ = 1; }
    // After every analysis: the undo bookkeeping, then the board into the current entry.
    void recordAnalysis(const std::string& board);
    // "La construction": the board into the copy buffer, which can be pasted from now on.
    void copy(const std::string& board);
    // "Effacer les 10 constructions".
    void clearSeries();
    // The series as it was before a change of the whole series, for the next undo; any later
    // change that undo would take back drops it.
    // Undo is offered even when the current construction was already empty.
    void keepSeriesUndo(std::array<std::string, 10> series) {
        seriesUndo_ = std::move(series);
        undoEnabled_ = true;
        undoNumber_ = current_;
    }
    std::optional<std::array<std::string, 10>> takeSeriesUndo() { return std::exchange(seriesUndo_, std::nullopt); }
    // A new series: nothing to undo.
    void forgetUndo();

private:
    std::array<std::string, kTableSize> table_{};
    int16_t current_ = 1;
    int16_t undoNumber_ = 0;
    int16_t undoState_ = 0;  // 1 after a pick-up, 2 after its analysis or a selector click
    bool undoEnabled_ = false;
    bool pasteEnabled_ = false;
    std::optional<std::array<std::string, 10>> seriesUndo_;
    // The undo as it stood before the last recorded step, for a move that changes nothing.
    struct UndoPoint {
        std::string board;
        bool enabled;
        int16_t number;
        std::optional<std::array<std::string, 10>> seriesUndo;
    };
    std::optional<UndoPoint> beforeMove_;
    bool moving_ = false;  // between a pick-up's analysis and its drop's
};

}  // namespace tavir

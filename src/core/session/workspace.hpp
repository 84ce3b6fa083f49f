#pragma once
// The program's shared state in one object, and the entry points the windows call.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/board/board.hpp"
#include "core/board/bond_menu.hpp"
#include "core/geometry3d/classification.hpp"
#include "core/geometry3d/drawing.hpp"

namespace tavir {

constexpr int kTableSize = 14;
constexpr int kCopyBufferEntry = 0;
constexpr int kUndoEntry = 12;
constexpr int kLastAnalysedEntry = 13;

// What the windows show besides the pictures: visibilities, captions, enabled states.
struct ViewState {
    bool smile = false;
    bool phototavir = true;
    bool check1Visible = false;
    bool check2Visible = false;
    bool check3Visible = false;
    bool check1 = false;  // bonding strokes in red
    bool check2 = false;  // non-bonding bars in blue
    bool check3 = false;  // formal charges
    bool brute = true;
    bool timerEnabled = true;
    int timerInterval = 55;  // ms, the speed slider's value plus 5
    std::string c3dText;
    bool tetra1Visible = false;
    std::string tetra1Caption;
    bool tetra1Checked = false;  // the geometric figure
    bool compactChecked = false;

    // What the 3D view shows: cleared, or the frame the last tick drew.
    bool d3dCleared = true;
    GeometryDecision frame;
    int frameCounterDrawn = 0;
    int rotationSignDrawn = 1;
    FrameOptions frameOptions;
    // The dispatch's routine at the last tick that ran, empty when it did nothing.
    std::optional<GeometryDecision> lastTick;
    bool undoEnabled = false;
    bool pasteEnabled = false;

    // What the formula box and the dot-structure box show: the board as they last drew it.
    Construction formula;
    Construction dotStructure;
    std::array<CellPosition, kCellCount> dotPositions = kGridPositions;
    bool dotDrawn = false;
};

class Workspace {
public:
    Workspace();

    const Board& board() const { return board_; }
    const ViewState& view() const { return view_; }
    ViewState& view() { return view_; }

    // Called after every change that the windows must show.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- the analysis and its helpers
    void majliaison();
    // One animation tick: advances the frame counter while the construction is shown.
    void Timer1_Timer();

    // --- editing by mouse
    void dropPaletteElement(int cell, int elementCode);
    // Lifts the atom of a cell; false (nothing done) on an empty cell.
    bool pickUp(int cell);
    int liftedElement() const { return lifted_; }
    void dropLifted(int cell);
    // The lifted atom was dropped outside every cell: it is gone, and the move's analysis runs.
    void finishInterruptedMove();
    // The pointer passed over the window, its frame or the palette: an unfinished move's
    // analysis runs once.
    void runPendingAnalysis();
    void dragOverBoardBox();
    // Right button released at pixel (x, y) of a cell: the menu to show, if any.
    std::optional<BondMenuChoice> openBondMenu(int cell, int x, int y);
    void chooseBondOrder(int order);
    // The keyboard's way to the same choice: the slot is given, not picked by a right click.
    void chooseBondOrderOf(int slot, int order);

    // --- options of the dot-structure box: each click redraws it
    void Check1_Click(bool ticked);
    void Check2_Click(bool ticked);
    void Check3_Click(bool ticked);

    // --- the series and its history
    // The construction selector `Option3(i)`: shows construction i + 1; not undoable.
    void Option3_Click(int index);
    // "Annuler": back to the construction before the last change (twice goes forward again).
    void Command13_Click();
    // "Coller": the copy buffer onto the board.
    void Command14_Click();
    // "La construstion" of the copy menu: the board into the copy buffer.
    void copyConstruction();
    // "Effacer la construction actuelle" and "Effacer les 10 constructions".
    void sq01_Click();
    void sq02_Click();
    // A loaded series replaces entries 1..10 and shows construction 1.
    void loadSeries(const std::array<std::string, 10>& entries);
    std::array<std::string, 10> seriesEntries() const;
    const std::string& seriesFileName() const { return seriesFileName_; }
    void setSeriesFileName(std::string name) { seriesFileName_ = std::move(name); }

    // The 3D copy items redraw the current pose around the copy: the view is drawn for the
    // copy between these two calls, and the pose is the same afterwards.
    void beginAnimationCopy();
    void endAnimationCopy();

    // --- construction table
    const std::string& entry(int n) const { return table_.at(static_cast<std::size_t>(n)); }
    void setEntry(int n, std::string text) { table_.at(static_cast<std::size_t>(n)) = std::move(text); }
    void storeConstruction(int n);
    void showConstruction(int n);

    int currentConstruction() const { return current_; }
    int undoConstruction() const { return undoNumber_; }
    int undoState() const { return undoState_; }
    int selectedSlot() const { return selectedSlot_; }

    int frameCounter() const { return frameCounter_; }
    int rotationSign() const { return rotationSign_; }
    void setFrameCounter(int n) { frameCounter_ = static_cast<int16_t>(n); }

    // --- animation controls
    // Subtracts 1 (when above 0) and ticks: the same pose, with the current board and options.
    void redrawCurrentFrame();
    // The six buttons `Command16(0..5)`.
    void Command16_Click(int index);
    void compact_Click(bool ticked);
    void tetra1_Click(bool ticked);
    // The speed slider: the timer's interval is its value plus 5 ms.
    void Slider1_Change(int value);

    bool textModified() const { return textModified_; }
    void setTextModified(bool modified) { textModified_ = modified; }

    // For tests and the command line: put a construction on the board as-is.
    void setBoard(const Construction& c, int dragFlag = 0);

private:
    void notify();
    void formulebrute();
    void reptavir();

    Board board_;
    ViewState view_;
    std::array<std::string, kTableSize> table_{};
    int16_t current_ = 1;
    int16_t undoNumber_ = 0;
    int16_t undoState_ = 0;
    int16_t selectedSlot_ = 0;
    int16_t lifted_ = 0;
    int16_t frameCounter_ = 0;
    int16_t rotationSign_ = 1;
    bool textModified_ = false;
    std::string seriesFileName_;
    std::function<void()> listener_;
};

}  // namespace tavir

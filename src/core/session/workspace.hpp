#pragma once
// The program's shared state in one object, and the entry points the windows call. Every
// change of the board runs the analysis, keeps the table and the undo up to date, and derives
// what the windows show from the analysis.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/analysis/analysis.hpp"
#include "core/board/bond_menu.hpp"
#include "core/session/animation_clock.hpp"
#include "core/session/construction_table.hpp"
#include "core/views/views.hpp"

namespace tavir {

// What the 3D view shows: nothing (cleared), or the analysis, options and pose of the last
// tick that drew.
struct ShownFrame {
    bool isCleared = true;
    Analysis analysis;
    FrameOptions options;
    Pose pose;

    bool cleared() const { return isCleared || !analysis.shown(); }
};

// What the windows show besides the pictures: visibilities, captions, enabled states.
struct ViewState {
    bool smile = false;
    bool phototavir = true;
    bool check1Visible = false;
    bool check2Visible = false;
    bool check3Visible = false;
    // "Afficher la polarité", shown with the colour boxes.
    bool check4Visible = false;
    bool brute = true;
    bool timerEnabled = true;
    int timerInterval = 55;  // ms, the speed slider's value plus 5
    bool undoEnabled = false;
    bool pasteEnabled = false;
    // The option ticks of the dot-structure box and the 3D frame, as they stand now.
    ViewOptions options;

    // Left by the animation's ticks: the geometry text, the figure box and the 3D picture.
    std::string c3dText;
    bool tetra1Visible = false;
    std::string tetra1Caption;
    ShownFrame d3d;
    // The routine the last tick ran, nothing when it did nothing.
    std::optional<GeometryRoutine> lastTick;
};

class Workspace {
public:
    Workspace();

    const Board& board() const { return analysis_.board; }
    // The analysis of the board as it stands: what the board, formula and dot-structure views draw.
    const Analysis& analysis() const { return analysis_; }
    const ViewState& view() const { return view_; }
    Pose pose() const { return clock_.pose(); }

    // Called after every change that the windows must show.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- the analysis and the animation's tick
    // Analyses the board as it stands.
    void majliaison();
    // One animation tick: advances the frame counter while the construction is shown.
    void Timer1_Timer();
    // A construction put on the board as it is, then analysed: for the companion and tests.
    void build(const Construction& c, int dragFlag = 0);

    // --- editing by mouse
    void dropPaletteElement(int cell, int elementCode);
    // Lifts the atom of a cell; false (nothing done) on an empty cell.
    bool pickUp(int cell);
    int liftedElement() const { return lifted_; }
    void dropLifted(int cell);
    // The lifted atom was dropped outside every cell: it is gone, and the move's analysis runs.
    void finishInterruptedMove();
    // The pointer passed over the board box, the window, its frame or the palette: an
    // unfinished move's analysis runs once.
    void runPendingAnalysis();
    // Right button released at pixel (x, y) of a cell: the menu to show, if any.
    std::optional<BondMenuChoice> openBondMenu(int cell, int x, int y);
    void chooseBondOrder(int order);
    // The keyboard's way to the same choice: the slot is given, not picked by a right click.
    void chooseBondOrderOf(int slot, int order);
    // Right button released at pixel (x, y) of a cell: the pair-or-vacancy items to add to the
    // menu, on a carbon that may hold a vacancy while the formal charges are shown.
    std::optional<AtomMenuChoice> openAtomMenu(int cell, int x, int y) const;
    // "Lacune électronique" (true) or "Doublet non liant" (false) on a centre's carbon; false
    // (nothing done) where no vacancy may stand.
    bool setVacancy(int cell, bool vacancy);

    // --- options of the dot-structure box: each click redraws it
    void Check1_Click(bool ticked);
    void Check2_Click(bool ticked);
    // The formal charges also decide what is accepted: the board is analysed again.
    void Check3_Click(bool ticked);
    // "Afficher la polarité": the δ marks and the sentence on the molecule's polarity.
    void setPolarity(bool ticked);

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

    const std::string& entry(int n) const { return table_.entry(n); }
    // Construction n (1..10) as its pictures would show it once selected: the board's own
    // analysis for the current one, its table entry analysed for any other.
    Analysis analysisOf(int n) const;

    int currentConstruction() const { return table_.current(); }
    int undoConstruction() const { return table_.undoConstruction(); }
    int undoState() const { return table_.undoState(); }
    int selectedSlot() const { return selectedSlot_; }

    int frameCounter() const { return clock_.counter(); }
    int rotationSign() const { return clock_.rotationSign(); }
    void setFrameCounter(int n) { clock_.setCounter(n); }

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

private:
    // The refresh chain: analysis, the table's bookkeeping, then what the windows show.
    void majliaison(Board input);
    // The rest of the chain for an analysis made: the table's bookkeeping when asked, then
    // what the windows show.
    void adopt(Analysis analysis, bool record);
    // A construction from the table onto the board: one built as an ion brings the formal
    // charges back with it, so that showing it does not cut it down.
    void showFromTable(const Construction& c);
    AnalysisOptions analysisOptions() const { return {view_.options.dot.formalCharges}; }
    // The flags of the view state, from the analysis and the session.
    void deriveView();
    void notify();

    Analysis analysis_;
    ViewState view_;
    ConstructionTable table_;
    AnimationClock clock_;
    bool animationRunning_ = true;
    int timerInterval_ = 55;
    int16_t selectedSlot_ = 0;
    int16_t lifted_ = 0;
    bool textModified_ = false;
    std::string seriesFileName_;
    std::function<void()> listener_;
};

}  // namespace tavir

#pragma once
// The program's shared state in one object, and the entry points the windows call. Every
// change of the board runs the analysis, keeps the table and the undo up to date, and derives
// what the windows show from the analysis.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "core/board/bond_menu.hpp"
#include "core/exercises/exercise_session.hpp"
#include "core/session/animation_clock.hpp"
#include "core/session/construction_table.hpp"
#include "core/session/keyboard_editing.hpp"
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

    // The information line `info`; CR LF between its lines.
    std::string info;
};

// The animation buttons `Command16(0..5)`, by index.
enum class AnimationControl : int { FastBackward = 0, Backward = 1, Stop = 2, Start = 3, Forward = 4, FastForward = 5 };

// Where the pointer is, for the information line and an unfinished move.
enum class PointerPlace {
    Background,    // the window's own background
    DrawingFrame,  // the drawing frame around the board and palette
    Board,         // the board between its cells
    Cell,
    Palette,
    ExerciseButton,
    SpeedSlider,
};

// A question asked before something is lost. OkCancel: OK goes on, Annuler keeps things as
// they are. SaveDiscardCancel: "Enregistrer" saves first and goes on once saved, "Ne pas
// enregistrer" goes on, "Annuler" keeps things as they are.
struct Question {
    enum class Answers { OkCancel, SaveDiscardCancel };
    std::string_view title;
    std::string_view text;
    Answers answers = Answers::OkCancel;
};

class Workspace {
public:
    Workspace();

    const Board& board() const { return analysis_.board; }
    // The analysis of the board as it stands: what the board, formula and dot-structure views draw.
    const Analysis& analysis() const { return analysis_; }
    const ViewState& view() const { return view_; }
    Pose pose() const { return clock_.pose(); }

    // Counts the changes the windows must show: a front end that polls redraws when it moves.
    unsigned revision() const { return revision_; }

    // Called after every change that the windows must show.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- the analysis and the animation's tick
    // Analyses the board as it stands.
    void majliaison();
    // One animation tick: advances the frame counter while the construction is shown.
    void tick();
    // A construction put on the board as it is, then analysed: for the companion and tests.
    void build(const Construction& c, int dragFlag = 0);

    // --- editing by mouse, finger or pen
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
    // A drag from the palette or from the board ends over `cell`, -1 for no cell: a palette
    // atom dropped outside the board is nothing, a lifted one is removed; a cell's atom is
    // replaced by the one dropped on it.
    void endDrag(int cell, int paletteElement);
    // The cell under pixel (x, y) of the board, -1 for none.
    int cellAt(int x, int y) const;
    // Right button released (or a long press) at pixel (x, y) of a cell: the menu to show, if any.
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

    // --- the board from the keyboard: a focused cell, framed once the keyboard is used
    int focusedCell() const { return focusedCell_; }
    bool keyboardInUse() const { return keyboardInUse_; }
    // A click on a cell: the keyboard goes on from there; the frame waits for a key.
    void focusCell(int cell);
    // Tab brought the keyboard to the board: the frame shows and the information line tells the keys.
    void enterBoardByKeyboard();
    // A board key: false when the board does not allow it (the window beeps).
    bool pressBoardKey(BoardKey key);
    // The frame's cell while the board has the focus, -1 for none.
    int focusFrameCell(bool boardHasFocus) const { return keyboardInUse_ && boardHasFocus ? focusedCell_ : -1; }

    // --- the information line `info`
    // The pointer moved over a place: its hover text, and an unfinished move's analysis
    // where the window, its frame, the board between its cells or the palette is.
    void pointerOver(PointerPlace place);
    // The same places under a dragged atom: the analysis only, the line keeps its text.
    void dragOver(PointerPlace place);
    // A button's hover text, by the button's name ("Command4"...).
    void pointerOverButton(std::string_view name);
    // The pointer left what it was over for a place with no text of its own (a picture, the
    // exercise area, outside the window): a hover text gives way to the window's own, as
    // over the background; what an action wrote there stays.
    void pointerLeft();
    // A press on a result view: the pupil is told where constructions are drawn.
    void pressResultView();
    // A picture went to the clipboard.
    void pictureCopied();
    void setInfo(std::string text);

    // --- options of the dot-structure box: each change redraws it
    void setRedBonds(bool ticked);
    void setBlueBars(bool ticked);
    // The formal charges also decide what is accepted: the board is analysed again.
    void setFormalCharges(bool ticked);
    // "Afficher la polarité": the δ marks and the sentence on the molecule's polarity.
    void setPolarity(bool ticked);

    // --- the series and its history
    // Shows construction n (1..10) of the series; not undoable.
    void selectEntry(int n);
    // Back to the construction before the last change (twice goes forward again).
    void undo();
    // The copy buffer onto the board.
    void paste();
    // "La construction" of the copy menu: the board into the copy buffer.
    void copyConstruction();
    // "Effacer la construction actuelle" and "Effacer les 10 constructions".
    void clearConstruction();
    void clearSeries();
    // A loaded series replaces entries 1..10 and shows construction 1; the undo of the
    // series it replaced is gone with it.
    void loadSeries(const std::array<std::string, 10>& entries);
    // The series differs from what it was at its last load or save (at the start, the empty
    // series); a blank entry and an empty construction are alike.
    bool seriesModified() const;
    // The series was written to its file: it is not modified any more.
    void seriesSaved();
    // Asked before the series is replaced (a series, an exercise's or the guided tour's opened)
    // or cleared: nothing while it is not modified.
    std::optional<Question> seriesQuestion() const;
    std::array<std::string, 10> seriesEntries() const;
    const std::string& seriesFileName() const { return seriesFileName_; }
    void setSeriesFileName(std::string name) { seriesFileName_ = std::move(name); }
    // A construction brought from outside (a link): it goes on the current construction when
    // that is empty, else on the first empty one of the series, else over the current one,
    // which undo brings back. Nothing of the series is lost.
    void openConstruction(const Construction& c);

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
    void controlAnimation(AnimationControl control);
    void setCompact(bool ticked);
    void setFigure(bool ticked);
    // A horizontal drag across the 3D view, by mouse, finger or pen: the animation stops and
    // the model turns through its frames with the pointer, one frame for every
    // kPixelsPerHandFrame pixels of its offset from the press (negative to the left). Released,
    // it stays where it is and "Démarrer" goes on from there. A press alone changes nothing.
    static constexpr int kPixelsPerHandFrame = 2;
    void beginHandTurn();
    void handTurn(int offsetPixels);
    // The speed slider, 0..200: the timer's interval is its value plus 5 ms.
    void setSpeed(int value);
    int speed() const { return timerInterval_ - 5; }

    // The exercise area: what it shows and whether the pupil changed it.
    ExerciseSession& exercises() { return exercises_; }
    const ExerciseSession& exercises() const { return exercises_; }
    bool textModified() const { return exercises_.textModified(); }
    void setTextModified(bool modified) { exercises_.setTextModified(modified); }
    // What closing asks, in order: the series' question when it is modified, the text's when
    // it is, then "Quitter vraiment ce simulateur ?" unless the series' question was asked
    // (its "Annuler" already keeps the program open). Nothing more is lost once every answer
    // goes on.
    std::vector<Question> closingQuestions() const;

    // --- what a browser keeps between two visits: the series, the copy buffer, the current
    // construction and the ticks. restore() takes what it can read of a snapshot and
    // ignores the rest; false when nothing of it could be used.
    std::string snapshot() const;
    bool restore(std::string_view snapshot);

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
    int handTurnFrames_ = 0;  // frames turned since the drag's press
    int timerInterval_ = 55;
    int16_t selectedSlot_ = 0;
    int focusedCell_ = 0;
    bool keyboardInUse_ = false;
    int16_t lifted_ = 0;
    ExerciseSession exercises_;
    std::string seriesFileName_;
    // The series at its last load or save.
    std::array<std::string, 10> savedSeries_{};
    std::function<void()> listener_;
    unsigned revision_ = 0;
};

}  // namespace tavir

#include "core/session/workspace.hpp"

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir {

Workspace::Workspace() { deriveView(); }

void Workspace::notify() {
    deriveView();
    if (listener_) listener_();
}

void Workspace::deriveView() {
    const bool shown = analysis_.shown();
    view_.smile = shown;
    view_.phototavir = !shown;
    view_.check1Visible = shown;
    view_.check2Visible = shown;
    // Shown while not accepted too: ticking it is how an ion becomes accepted.
    view_.check3Visible = analysis_.centreOccupied;
    view_.check4Visible = shown;
    view_.brute = analysis_.accepted;
    view_.timerEnabled = animationRunning_;
    view_.timerInterval = timerInterval_;
    view_.undoEnabled = table_.undoEnabled();
    view_.pasteEnabled = table_.pasteEnabled();
}

void Workspace::majliaison() { majliaison(analysis_.board); }

void Workspace::majliaison(Board input) { adopt(analyse(std::move(input), analysisOptions()), true); }

void Workspace::adopt(Analysis analysis, bool record) {
    analysis_ = std::move(analysis);
    // A rejected construction stops the animation; the stopped timer's redraw lowers the
    // counter, and its tick does nothing while nothing is shown.
    if (!analysis_.accepted) {
        clock_.stepBackForRedraw();
        view_.lastTick.reset();
    }
    if (record) table_.recordAnalysis(analysis_.board.record.toString());
    // An accepted change restarts a stopped animation.
    animationRunning_ = analysis_.shown();
    if (!analysis_.shown()) {
        view_.d3d.isCleared = true;
        view_.c3dText.clear();
    }
    notify();
}

void Workspace::build(const Construction& c, int dragFlag) {
    Board board;
    board.show(c);
    board.dragFlag = static_cast<int16_t>(dragFlag);
    majliaison(std::move(board));
}

void Workspace::Check1_Click(bool ticked) {
    view_.options.dot.redBonds = ticked;
    notify();
}

void Workspace::Check2_Click(bool ticked) {
    view_.options.dot.blueBars = ticked;
    notify();
}

void Workspace::Check3_Click(bool ticked) {
    if (view_.options.dot.formalCharges == ticked) return;
    view_.options.dot.formalCharges = ticked;
    Board board = analysis_.board;
    board.dragFlag = 0;
    Analysis after = analyse(std::move(board), analysisOptions());
    // Only what is accepted changed: the table and its undo stay as they were. Unticked, an
    // ion loses what the neutral rules refuse: an ordinary change, which undo brings back.
    const bool moved = !(after.board.record == analysis_.board.record);
    adopt(std::move(after), moved);
}

void Workspace::setPolarity(bool ticked) {
    view_.options.dot.polarity = ticked;
    // The text follows at once, even with the animation stopped.
    if (analysis_.shown())
        if (const auto text = geometryText(analysis_, ticked)) view_.c3dText = *text;
    notify();
}

void Workspace::showFromTable(const Construction& c) {
    if (!view_.options.dot.formalCharges && needsFormalCharges(c)) view_.options.dot.formalCharges = true;
    Board board = analysis_.board;
    board.show(c);
    majliaison(std::move(board));
}

void Workspace::Timer1_Timer() {
    if (!analysis_.shown()) {
        view_.lastTick.reset();
        return;
    }
    clock_.advance();
    const GeometryDecision& decision = analysis_.geometry;
    view_.lastTick = decision.routine;
    if (const auto text = geometryText(analysis_, view_.options.dot.polarity)) view_.c3dText = *text;
    if (decision.figureBox == FigureBoxChange::shown) {
        view_.tetra1Visible = true;
        view_.tetra1Caption = geometry_texts::kFigureCaption;
    } else if (decision.figureBox == FigureBoxChange::hidden) {
        view_.tetra1Visible = false;
    }
    if (decision.idle) return;  // nothing drawn, the view keeps its picture
    view_.d3d = ShownFrame{false, analysis_, view_.options.frame, clock_.pose()};
}

void Workspace::redrawCurrentFrame() {
    clock_.stepBackForRedraw();
    Timer1_Timer();
    notify();
}

void Workspace::Command16_Click(int index) {
    // With the construction rejected, no control moves the pose.
    const bool shown = analysis_.shown();
    switch (index) {
    case 0:
    case 1:
        if (!shown) return;
        clock_.back(index == 0 ? 21 : 2);
        break;
    case 2:
    case 3:
        animationRunning_ = index == 3;
        notify();
        return;
    case 4:
        break;
    case 5:
        if (!shown) return;
        clock_.forward(19);
        break;
    default:
        return;
    }
    Timer1_Timer();
    notify();
}

void Workspace::compact_Click(bool ticked) {
    view_.options.frame.compact = ticked;
    if (!animationRunning_) redrawCurrentFrame();
}

void Workspace::tetra1_Click(bool ticked) {
    view_.options.frame.figure = ticked;
    if (!animationRunning_) redrawCurrentFrame();
}

void Workspace::Slider1_Change(int value) {
    timerInterval_ = value + 5;
    notify();
}

void Workspace::dropPaletteElement(int cell, int elementCode) {
    if (cell < 0 || cell >= kCellCount || !isElement(elementCode)) return;
    Board board = analysis_.board;
    board.picture[cell] = static_cast<int16_t>(elementCode);
    // A new atom comes with its pair.
    if (cell < 2) board.record.vacancy[static_cast<std::size_t>(cell)] = false;
    majliaison(std::move(board));
}

bool Workspace::pickUp(int cell) {
    if (cell < 0 || cell >= kCellCount || analysis_.board.picture[cell] == 0) return false;
    table_.startMove();
    Board board = analysis_.board;
    lifted_ = board.picture[cell];
    board.picture[cell] = 0;
    board.dragFlag = 1;
    majliaison(std::move(board));
    return true;
}

void Workspace::dropLifted(int cell) {
    if (cell < 0 || cell >= kCellCount || lifted_ == 0) return;
    Board board = analysis_.board;
    board.picture[cell] = lifted_;
    lifted_ = 0;
    if (cell < 2) board.record.vacancy[static_cast<std::size_t>(cell)] = false;
    majliaison(std::move(board));
}

void Workspace::finishInterruptedMove() {
    lifted_ = 0;
    runPendingAnalysis();
}

void Workspace::runPendingAnalysis() {
    if (analysis_.board.dragFlag == -1) majliaison();
}

std::optional<BondMenuChoice> Workspace::openBondMenu(int cell, int x, int y) {
    auto menu = bondMenuAt(analysis_.board.record, cell, x, y, view_.options.dot.formalCharges);
    if (menu) selectedSlot_ = static_cast<int16_t>(menu->slot);
    return menu;
}

void Workspace::chooseBondOrder(int order) {
    Board board = analysis_.board;
    if (selectedSlot_ >= 1 && selectedSlot_ < kSlotCount && order >= 1 && order <= 3)
        board.record.slot[selectedSlot_] = static_cast<int16_t>(order);
    majliaison(std::move(board));
}

void Workspace::chooseBondOrderOf(int slot, int order) {
    selectedSlot_ = static_cast<int16_t>(slot);
    chooseBondOrder(order);
}

std::optional<AtomMenuChoice> Workspace::openAtomMenu(int cell, int x, int y) const {
    return atomMenuAt(analysis_.board.record, cell, x, y, view_.options.dot.formalCharges);
}

bool Workspace::setVacancy(int cell, bool vacancy) {
    if (!view_.options.dot.formalCharges || !canHoldVacancy(analysis_.board.record, cell)) return false;
    Board board = analysis_.board;
    board.record.vacancy[static_cast<std::size_t>(cell)] = vacancy;
    board.dragFlag = 0;
    majliaison(std::move(board));
    return true;
}

}  // namespace tavir

namespace tavir {

void Workspace::Option3_Click(int index) {
    if (index < 0 || index > 9) return;
    showFromTable(table_.select(index + 1));
}

void Workspace::Command13_Click() { showFromTable(table_.show(kUndoEntry)); }

void Workspace::Command14_Click() { showFromTable(table_.show(kCopyBufferEntry)); }

void Workspace::copyConstruction() {
    table_.copy(analysis_.board.record.toString());
    notify();
}

void Workspace::sq01_Click() {
    Board board = analysis_.board;
    board.picture.fill(0);
    majliaison(std::move(board));
}

void Workspace::sq02_Click() {
    table_.clearSeries();
    sq01_Click();
}

void Workspace::loadSeries(const std::array<std::string, 10>& entries) {
    for (int n = 1; n <= 10; ++n) {
        // Damaged positions read as 0: nothing impossible reaches the table.
        const std::string& text = entries[static_cast<std::size_t>(n - 1)];
        table_.setEntry(n, isBlankEntry(text) ? std::string() : Construction::fromString(text).toString());
    }
    // Construction 2 then 1, so that construction 1 is shown even when it was already selected.
    Option3_Click(1);
    Option3_Click(0);
}

std::array<std::string, 10> Workspace::seriesEntries() const {
    std::array<std::string, 10> out;
    for (int n = 1; n <= 10; ++n) out[static_cast<std::size_t>(n - 1)] = table_.entry(n);
    return out;
}

Analysis Workspace::analysisOf(int n) const {
    if (n == table_.current()) return analysis_;
    const Construction c = Construction::fromString(table_.entry(n));
    AnalysisOptions options = analysisOptions();
    options.formalCharges = options.formalCharges || needsFormalCharges(c);
    return analyse(c, 0, options);
}

}  // namespace tavir

#include "core/session/workspace.hpp"

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir {

namespace {
constexpr int kLastFrame = 627;
constexpr int kFrameCount = 628;
}

Workspace::Workspace() = default;

void Workspace::notify() {
    if (listener_) listener_();
}

void Workspace::majliaison() {
    board_.tidy();

    // Acceptance: every atom at its usual valence.
    const bool accepted = isAccepted(board_.record);
    view_.smile = accepted;
    view_.phototavir = !accepted;
    view_.check1Visible = accepted;
    view_.check2Visible = accepted;
    if (!accepted) {
        view_.check3Visible = false;
        view_.timerEnabled = false;
        view_.d3dCleared = true;
        view_.c3dText.clear();
    } else {
        view_.timerEnabled = true;
    }

    // A stopped animation still shows the new construction, at the same pose.
    if (!view_.timerEnabled) {
        if (frameCounter_ > 0) --frameCounter_;
        Timer1_Timer();
    }

    // Undo bookkeeping: a pick-up (state 1) saves once, the selector (state 2) not at all.
    if (undoState_ != 2) {
        table_[kUndoEntry] = table_[kLastAnalysedEntry];
        storeConstruction(kLastAnalysedEntry);
        view_.undoEnabled = true;
        undoNumber_ = current_;
    } else {
        // The board as it now stands is what the next undo must come back to: after a move,
        // the drop's board, not the board with the atom still in the air.
        storeConstruction(kLastAnalysedEntry);
        undoState_ = 0;
    }
    if (undoState_ == 1) undoState_ = 2;

    formulebrute();
    storeConstruction(current_);

    if (!board_.occupied(0) && !board_.occupied(1)) {
        view_.check1Visible = view_.check2Visible = view_.check3Visible = false;
        view_.phototavir = true;
        view_.smile = false;
        view_.timerEnabled = false;
        view_.d3dCleared = true;
        view_.c3dText.clear();
    } else if (view_.smile) {
        view_.phototavir = false;
        view_.check1Visible = view_.check2Visible = true;
        reptavir();
    }
    notify();
}

void Workspace::formulebrute() {
    view_.brute = view_.smile;
    if (view_.brute) view_.formula = board_.record;
}

void Workspace::reptavir() {
    view_.dotStructure = board_.record;
    view_.dotPositions = board_.position;
    view_.dotDrawn = true;
}

void Workspace::Check1_Click(bool ticked) {
    view_.check1 = ticked;
    reptavir();
    notify();
}

void Workspace::Check2_Click(bool ticked) {
    view_.check2 = ticked;
    reptavir();
    notify();
}

void Workspace::Check3_Click(bool ticked) {
    view_.check3 = ticked;
    reptavir();
    notify();
}

void Workspace::Timer1_Timer() {
    if (!view_.smile) {
        view_.lastTick.reset();
        return;
    }
    if (++frameCounter_ > kLastFrame) {
        frameCounter_ = 0;
        rotationSign_ = rotationSign_ == 1 ? int16_t{-1} : int16_t{1};
    }
    const GeometryDecision decision = decideGeometry(board_.record);
    view_.lastTick = decision;
    if (decision.text) view_.c3dText = *decision.text;
    if (decision.figureBox == FigureBoxChange::shown) {
        view_.tetra1Visible = true;
        view_.tetra1Caption = geometry_texts::kFigureCaption;
    } else if (decision.figureBox == FigureBoxChange::hidden) {
        view_.tetra1Visible = false;
    }
    if (decision.idle) return;  // nothing drawn, the view keeps its picture
    view_.d3dCleared = false;
    view_.frame = decision;
    view_.frameCounterDrawn = frameCounter_;
    view_.rotationSignDrawn = rotationSign_;
    view_.frameOptions = FrameOptions{view_.compactChecked, view_.tetra1Checked};
}

void Workspace::redrawCurrentFrame() {
    if (frameCounter_ > 0) --frameCounter_;
    Timer1_Timer();
    notify();
}

void Workspace::Command16_Click(int index) {
    // With the construction rejected, no control moves the pose.
    const bool shown = view_.smile;
    switch (index) {
    case 0:
    case 1:
        if (!shown) return;
        frameCounter_ = static_cast<int16_t>(frameCounter_ - (index == 0 ? 21 : 2));
        if (frameCounter_ < 0) frameCounter_ = static_cast<int16_t>(frameCounter_ + kFrameCount);
        break;
    case 2:
        view_.timerEnabled = false;
        notify();
        return;
    case 3:
        view_.timerEnabled = true;
        notify();
        return;
    case 4:
        break;
    case 5:
        if (!shown) return;
        frameCounter_ = static_cast<int16_t>(frameCounter_ + 19);
        break;
    default:
        return;
    }
    Timer1_Timer();
    notify();
}

void Workspace::compact_Click(bool ticked) {
    view_.compactChecked = ticked;
    if (!view_.timerEnabled) redrawCurrentFrame();
}

void Workspace::tetra1_Click(bool ticked) {
    view_.tetra1Checked = ticked;
    if (!view_.timerEnabled) redrawCurrentFrame();
}

void Workspace::Slider1_Change(int value) {
    view_.timerInterval = value + 5;
    notify();
}

void Workspace::dropPaletteElement(int cell, int elementCode) {
    if (cell < 0 || cell >= kCellCount || !isElement(elementCode)) return;
    board_.picture[cell] = static_cast<int16_t>(elementCode);
    majliaison();
}

bool Workspace::pickUp(int cell) {
    if (cell < 0 || cell >= kCellCount || board_.picture[cell] == 0) return false;
    undoState_ = 1;
    lifted_ = board_.picture[cell];
    board_.picture[cell] = 0;
    board_.dragFlag = 1;
    majliaison();
    return true;
}

void Workspace::dropLifted(int cell) {
    if (cell < 0 || cell >= kCellCount || lifted_ == 0) return;
    board_.picture[cell] = lifted_;
    lifted_ = 0;
    majliaison();
}

void Workspace::finishInterruptedMove() {
    lifted_ = 0;
    runPendingAnalysis();
}

void Workspace::runPendingAnalysis() {
    if (board_.dragFlag == -1) majliaison();
}

void Workspace::dragOverBoardBox() {
    if (board_.dragFlag == -1) majliaison();
    board_.dragFlag = 0;
}

std::optional<BondMenuChoice> Workspace::openBondMenu(int cell, int x, int y) {
    auto menu = bondMenuAt(board_.record, cell, x, y);
    if (menu) selectedSlot_ = static_cast<int16_t>(menu->slot);
    return menu;
}

void Workspace::chooseBondOrder(int order) {
    if (selectedSlot_ >= 1 && selectedSlot_ < kSlotCount && order >= 1 && order <= 3)
        board_.record.slot[selectedSlot_] = static_cast<int16_t>(order);
    majliaison();
}

void Workspace::chooseBondOrderOf(int slot, int order) {
    selectedSlot_ = static_cast<int16_t>(slot);
    chooseBondOrder(order);
}

void Workspace::storeConstruction(int n) {
    table_.at(static_cast<std::size_t>(n)) = board_.record.toString();
}

void Workspace::showConstruction(int n) {
    auto& text = table_.at(static_cast<std::size_t>(n));
    if (isBlankEntry(text)) text = std::string(kEmptyConstructionString);
    board_.show(Construction::fromString(text));
}

void Workspace::setBoard(const Construction& c, int dragFlag) {
    board_.show(c);
    board_.dragFlag = static_cast<int16_t>(dragFlag);
}

}  // namespace tavir

namespace tavir {

void Workspace::Option3_Click(int index) {
    if (index < 0 || index > 9) return;
    current_ = static_cast<int16_t>(index + 1);
    view_.undoEnabled = current_ == undoNumber_;
    undoState_ = 2;
    showConstruction(current_);
    storeConstruction(kLastAnalysedEntry);
    majliaison();
}

void Workspace::Command13_Click() {
    showConstruction(kUndoEntry);
    majliaison();
}

void Workspace::Command14_Click() {
    showConstruction(kCopyBufferEntry);
    majliaison();
}

void Workspace::copyConstruction() {
    storeConstruction(kCopyBufferEntry);
    view_.pasteEnabled = true;
    notify();
}

void Workspace::sq01_Click() {
    board_.picture.fill(0);
    majliaison();
}

void Workspace::sq02_Click() {
    for (int n = 1; n <= 10; ++n) table_[static_cast<std::size_t>(n)].clear();
    sq01_Click();
}

void Workspace::loadSeries(const std::array<std::string, 10>& entries) {
    for (int n = 1; n <= 10; ++n) {
        // Damaged positions read as 0: nothing impossible reaches the table.
        const std::string& text = entries[static_cast<std::size_t>(n - 1)];
        table_[static_cast<std::size_t>(n)] = isBlankEntry(text) ? std::string() : Construction::fromString(text).toString();
    }
    // Construction 2 then 1, so that construction 1 is shown even when it was already selected.
    Option3_Click(1);
    Option3_Click(0);
}

std::array<std::string, 10> Workspace::seriesEntries() const {
    std::array<std::string, 10> out;
    for (int n = 1; n <= 10; ++n) out[static_cast<std::size_t>(n - 1)] = table_[static_cast<std::size_t>(n)];
    return out;
}

void Workspace::beginAnimationCopy() {
    // As the redraw of the current frame, so that a copy at frame 1 keeps its pose too.
    if (frameCounter_ > 0) --frameCounter_;
    Timer1_Timer();
}

void Workspace::endAnimationCopy() {
    // Never below 0: the counter stays in its range even while nothing is shown.
    if (frameCounter_ > 0) --frameCounter_;
    Timer1_Timer();
    notify();
}

}  // namespace tavir

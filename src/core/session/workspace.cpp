#include "core/session/workspace.hpp"

#include <algorithm>

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/board/texts.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir {

Workspace::Workspace() {
    view_.info = board_texts::kHoverBackground;
    deriveView();
}

void Workspace::notify() {
    ++revision_;
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

void Workspace::setRedBonds(bool ticked) {
    view_.options.dot.redBonds = ticked;
    notify();
}

void Workspace::setBlueBars(bool ticked) {
    view_.options.dot.blueBars = ticked;
    notify();
}

void Workspace::setFormalCharges(bool ticked) {
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

void Workspace::tick() {
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
    tick();
    notify();
}

void Workspace::controlAnimation(AnimationControl control) {
    // With the construction rejected, no control moves the pose.
    const bool shown = analysis_.shown();
    const int index = static_cast<int>(control);
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
    tick();
    notify();
}

void Workspace::beginHandTurn() { handTurnFrames_ = 0; }

void Workspace::handTurn(int offsetPixels) {
    const int frames = offsetPixels / kPixelsPerHandFrame;
    const int step = frames - handTurnFrames_;
    if (step == 0 || !analysis_.shown()) return;
    handTurnFrames_ = frames;
    // A click is not a turn: the animation stops at the first frame the pointer moves.
    animationRunning_ = false;
    // The tick moves one frame on: forwards wraps (and flips the sign) as the clock does.
    if (step > 0) {
        for (int i = 1; i < step; ++i) clock_.advance();
    } else {
        clock_.back(1 - step);
    }
    tick();
    notify();
}

void Workspace::setCompact(bool ticked) {
    view_.options.frame.compact = ticked;
    if (!animationRunning_) redrawCurrentFrame();
}

void Workspace::setFigure(bool ticked) {
    view_.options.frame.figure = ticked;
    if (!animationRunning_) redrawCurrentFrame();
}

void Workspace::setSpeed(int value) {
    timerInterval_ = std::clamp(value, 0, 200) + 5;
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
    // The choice already made is no change to undo.
    if (analysis_.board.record.vacancy[static_cast<std::size_t>(cell)] == vacancy) return true;
    Board board = analysis_.board;
    board.record.vacancy[static_cast<std::size_t>(cell)] = vacancy;
    board.dragFlag = 0;
    majliaison(std::move(board));
    return true;
}

}  // namespace tavir

namespace tavir {

void Workspace::selectEntry(int n) {
    if (n < 1 || n > 10) return;
    showFromTable(table_.select(n));
}

void Workspace::undo() {
    // Disabled, there is nothing to go back to (a series just loaded, a construction not yet changed).
    if (!table_.undoEnabled()) return;
    // Right after "Effacer les 10 constructions", undo brings the ten back; once more clears them again.
    if (auto before = table_.takeSeriesUndo()) {
        const std::array<std::string, 10> now = seriesEntries();
        for (int n = 1; n <= 10; ++n) table_.setEntry(n, std::move((*before)[static_cast<std::size_t>(n - 1)]));
        showFromTable(table_.select(table_.current()));
        table_.keepSeriesUndo(now);
        return;
    }
    showFromTable(table_.show(kUndoEntry));
}

void Workspace::paste() { showFromTable(table_.show(kCopyBufferEntry)); }

void Workspace::copyConstruction() {
    table_.copy(analysis_.board.record.toString());
    notify();
}

void Workspace::clearConstruction() {
    Board board = analysis_.board;
    board.picture.fill(0);
    majliaison(std::move(board));
}

void Workspace::clearSeries() {
    const std::array<std::string, 10> before = seriesEntries();
    table_.clearSeries();
    clearConstruction();
    table_.keepSeriesUndo(before);
    notify();
}

void Workspace::loadSeries(const std::array<std::string, 10>& entries) {
    for (int n = 1; n <= 10; ++n) {
        // Damaged positions read as 0: nothing impossible reaches the table.
        const std::string& text = entries[static_cast<std::size_t>(n - 1)];
        table_.setEntry(n, isBlankEntry(text) ? std::string() : Construction::fromString(text).toString());
    }
    // Nothing of the replaced series can be undone into this one.
    table_.forgetUndo();
    // Construction 2 then 1, so that construction 1 is shown even when it was already selected.
    selectEntry(2);
    selectEntry(1);
    seriesSaved();
}

namespace {
bool sameEntry(const std::string& a, const std::string& b) {
    const auto isEmpty = [](const std::string& e) { return isBlankEntry(e) || e == kEmptyConstructionString; };
    return isEmpty(a) ? isEmpty(b) : a == b;
}
}  // namespace

bool Workspace::seriesModified() const {
    for (int n = 1; n <= 10; ++n)
        if (!sameEntry(table_.entry(n), savedSeries_[static_cast<std::size_t>(n - 1)])) return true;
    return false;
}

void Workspace::seriesSaved() { savedSeries_ = seriesEntries(); }

std::optional<Question> Workspace::seriesQuestion() const {
    if (!seriesModified()) return std::nullopt;
    return Question{board_texts::kSeriesModifiedTitle, board_texts::kSeriesModifiedText,
                    Question::Answers::SaveDiscardCancel};
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

namespace tavir {

void Workspace::endDrag(int cell, int paletteElement) {
    const bool onCell = cell >= 0 && cell < kCellCount;
    if (lifted_ != 0) {
        if (onCell) dropLifted(cell);
        else finishInterruptedMove();
    } else if (onCell) {
        dropPaletteElement(cell, paletteElement);
    }
}

int Workspace::cellAt(int x, int y) const {
    const Board& b = analysis_.board;
    // Where two cells overlap (cell 3 before the first analysis), the later one lies on top.
    for (int i = kCellCount - 1; i >= 0; --i) {
        const CellPosition p = b.position[static_cast<std::size_t>(i)];
        if (x >= p.left && x < p.left + kCellSize && y >= p.top && y < p.top + kCellSize) return i;
    }
    return -1;
}

void Workspace::focusCell(int cell) {
    if (cell < 0 || cell >= kCellCount) return;
    focusedCell_ = cell;
    keyboardInUse_ = false;
    notify();
}

void Workspace::enterBoardByKeyboard() {
    keyboardInUse_ = true;
    view_.info = board_texts::kBoardKeyboardInfo;
    notify();
}

bool Workspace::pressBoardKey(BoardKey key) {
    keyboardInUse_ = true;
    const bool done = applyBoardKey(*this, focusedCell_, key);
    notify();
    return done;
}

void Workspace::pointerOver(PointerPlace place) {
    std::string_view text;
    switch (place) {
    case PointerPlace::Background: text = board_texts::kHoverBackground; break;
    case PointerPlace::Board: text = board_texts::kHoverBoard; break;
    case PointerPlace::Cell: text = board_texts::kHoverCell; break;
    case PointerPlace::Palette: text = board_texts::kHoverPalette; break;
    case PointerPlace::ExerciseButton: text = board_texts::kHoverBtexo; break;
    case PointerPlace::SpeedSlider: text = geometry_texts::kSpeedHover; break;
    case PointerPlace::DrawingFrame: break;
    }
    dragOver(place);
    if (text.empty() || view_.info == text) return;
    view_.info = text;
    notify();
}

void Workspace::dragOver(PointerPlace place) {
    // Only the window, its frame, the board between the cells and the palette finish a move.
    switch (place) {
    case PointerPlace::Background:
    case PointerPlace::DrawingFrame:
    case PointerPlace::Board:
    case PointerPlace::Palette: runPendingAnalysis(); return;
    default: return;
    }
}

void Workspace::pointerOverButton(std::string_view name) {
    for (const board_texts::ButtonTexts& b : board_texts::kButtons) {
        if (b.name != name || b.hover.empty()) continue;
        // The copy confirmation stays while the pointer is over the copy button.
        if (name == board_texts::kCommand4.name && view_.info == board_texts::kClipboardConfirmation) return;
        if (view_.info == b.hover) return;
        view_.info = b.hover;
        notify();
        return;
    }
}

namespace {
// The texts the pointer puts on the line by passing over something, not the ones an action
// leaves there (a copied picture, a hint after a press, a message).
bool isHoverText(std::string_view text) {
    for (std::string_view hover : {board_texts::kHoverBoard, board_texts::kHoverCell, board_texts::kHoverPalette,
                                   board_texts::kHoverBtexo, geometry_texts::kSpeedHover})
        if (text == hover) return true;
    for (const board_texts::ButtonTexts& b : board_texts::kButtons)
        if (!b.hover.empty() && text == b.hover) return true;
    return false;
}
}  // namespace

void Workspace::pointerLeft() {
    if (!isHoverText(view_.info)) return;
    view_.info = board_texts::kHoverBackground;
    notify();
}

void Workspace::pressResultView() { setInfo(std::string(geometry_texts::kUseDrawingArea)); }

void Workspace::pictureCopied() { setInfo(std::string(board_texts::kClipboardConfirmation)); }

void Workspace::setInfo(std::string text) {
    view_.info = std::move(text);
    notify();
}

void Workspace::openConstruction(const Construction& c) {
    const auto isEmpty = [this](int n) { return isBlankEntry(table_.entry(n)) || table_.entry(n) == kEmptyConstructionString; };
    if (!isEmpty(table_.current())) {
        for (int n = 1; n <= 10; ++n) {
            if (isEmpty(n)) {
                selectEntry(n);
                break;
            }
        }
    }
    if (!view_.options.dot.formalCharges && needsFormalCharges(c)) view_.options.dot.formalCharges = true;
    Board board = analysis_.board;
    board.show(c);
    majliaison(std::move(board));
}

std::vector<Question> Workspace::closingQuestions() const {
    std::vector<Question> questions;
    const auto series = seriesQuestion();
    if (series) questions.push_back(*series);
    if (const auto discard = exercises_.discardQuestion()) questions.push_back(*discard);
    if (!series) questions.push_back({board_texts::kQuitTitle, board_texts::kQuitText});
    return questions;
}

}  // namespace tavir

#include "ui/board/board_view.hpp"

#include <QActionGroup>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

#include "core/board/cell_names.hpp"
#include "core/board/elements.hpp"
#include "core/session/keyboard_editing.hpp"
#include "ui/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/element_pictures.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/view_painter.hpp"
#include "ui/common/qt_text.hpp"

namespace tavir::ui {

namespace {

std::optional<BoardKey> boardKeyOf(const QKeyEvent& event) {
    // Alt and Ctrl combinations stay the window's shortcuts.
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left: return BoardKey::Left;
    case Qt::Key_Right: return BoardKey::Right;
    case Qt::Key_Up: return BoardKey::Up;
    case Qt::Key_Down: return BoardKey::Down;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: return BoardKey::Remove;
    default: break;
    }
    const QString text = event.text();
    if (text.size() != 1 || text[0].unicode() > 0x7f) return std::nullopt;
    return boardKeyForCharacter(static_cast<char>(text[0].unicode()));
}
}  // namespace

BoardView::BoardView(Workspace& workspace, QWidget* parent) : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("dessineur"));
    setFixedSize(viewSize(View::Board));
    setAcceptDrops(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // No tooltip here: it opened over the palette and took the press of the next drag. The
    // keys' table is the tooltip of `info2`, beside the board.
    setAccessibleName(utf8(board_texts::kBoardAccessibleName));
    setAccessibleDescription(utf8(board_texts::kBoardKeyboardHelp));
    for (int i = 0; i < kCellCount; ++i) cells_[static_cast<std::size_t>(i)] = new CellWidget(*this, i);
    setFocusProxy(cells_[0]);
    cells_[0]->setFocusPolicy(Qt::StrongFocus);

    menuflo_ = new QMenu(this);
    menuflo_->setObjectName(QStringLiteral("menuflo"));
    menuflo_->setAccessibleName(utf8(board_texts::kA11yBondMenu));
    const std::string_view captions[] = {board_texts::kBondSimple, board_texts::kBondDouble, board_texts::kBondTriple};
    for (int k = 1; k <= 3; ++k) {
        QAction* a = menuflo_->addAction(utf8(captions[k - 1]));
        a->setObjectName(QStringLiteral("zza_%1").arg(k));
        a->setData(k);
    }
    // The bond menu stays as it was; a carbon that may hold a vacancy gets this one instead.
    menuatome_ = new QMenu(this);
    menuatome_->setObjectName(QStringLiteral("menuatome"));
    menuatome_->setAccessibleName(utf8(board_texts::kA11yAtomMenu));
    for (int k = 1; k <= 3; ++k) {
        QAction* a = menuatome_->addAction(utf8(captions[k - 1]));
        a->setObjectName(QStringLiteral("zzb_%1").arg(k));
        a->setData(k);
    }
    menuatome_->addSeparator()->setObjectName(QStringLiteral("zzb_separateur"));
    auto* choice = new QActionGroup(menuatome_);
    for (auto [name, caption] : {std::pair{"doublet", board_texts::kLonePair}, std::pair{"lacune", board_texts::kVacancy}}) {
        QAction* a = menuatome_->addAction(utf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        choice->addAction(a);
    }
    refresh();
}

void BoardView::refresh() {
    const Board& b = workspace_.board();
    for (int i = 0; i < kCellCount; ++i) {
        CellWidget* c = cells_[static_cast<std::size_t>(i)];
        c->move(b.position[i].left, b.position[i].top);
        c->setCursor(b.customCursor[i] ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
    nameCellsForScreenReaders();
    update();
}

void BoardView::nameCellsForScreenReaders() {
    const Board& b = workspace_.board();
    for (int i = 0; i < kCellCount; ++i) {
        CellWidget* c = cells_[static_cast<std::size_t>(i)];
        const QString name = QString::fromStdString(cellAccessibleName(b, i));
        if (c->accessibleName() != name) c->setAccessibleName(name);
        const QString bond = QString::fromStdString(cellBondDescription(b, i));
        if (c->accessibleDescription() != bond) c->setAccessibleDescription(bond);
    }
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int focused = workspace_.focusedCell();
    paintShownView(p, workspace_, View::Board, screenLook(View::Board),
                   workspace_.focusFrameCell(QApplication::focusWidget() == cells_[static_cast<std::size_t>(focused)]));
}

int BoardView::focusedCell() const { return workspace_.focusedCell(); }

bool BoardView::focusFrameShown() const {
    return workspace_.focusFrameCell(QApplication::focusWidget() == cells_[static_cast<std::size_t>(focusedCell())]) >= 0;
}

void BoardView::followFocusedCell(int previousCell) {
    const int cell = workspace_.focusedCell();
    if (cell == previousCell) return;
    CellWidget* target = cells_[static_cast<std::size_t>(cell)];
    CellWidget* previous = cells_[static_cast<std::size_t>(previousCell)];
    const bool hadFocus = QApplication::focusWidget() == previous;
    // Tab skips a widget that has a focus proxy and stops at the proxy itself: only the cell
    // that stands for the board takes Tab, so the board is one stop of the chain.
    previous->setFocusPolicy(Qt::ClickFocus);
    target->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(target);
    if (hadFocus) target->setFocus(Qt::OtherFocusReason);
}

void BoardView::focusCell(int cell) {
    const int previous = workspace_.focusedCell();
    workspace_.focusCell(cell);
    followFocusedCell(previous);
    update();
}

bool BoardView::handleKey(QKeyEvent* event) {
    const auto key = boardKeyOf(*event);
    if (!key) return false;
    const int previous = workspace_.focusedCell();
    if (!workspace_.pressBoardKey(*key)) QApplication::beep();
    followFocusedCell(previous);
    update();
    return true;
}

void BoardView::mouseMoveEvent(QMouseEvent*) { workspace_.pointerOver(PointerPlace::Board); }

void BoardView::dragEnterEvent(QDragEnterEvent* event) {
    if (readAtomMime(event->mimeData())) event->acceptProposedAction();
}

void BoardView::dragMoveEvent(QDragMoveEvent* event) {
    // Over the board but between cells: an unfinished move is analysed now.
    workspace_.dragOver(PointerPlace::Board);
    event->ignore();
}

void BoardView::dropEvent(QDropEvent* event) { event->ignore(); }

void BoardView::runDrag(const DragPayload& payload, QWidget* source) {
    auto* drag = new QDrag(source);
    drag->setMimeData(makeAtomMime(payload));
    const QPixmap picture = elementPicture(payload.element, devicePixelRatioF());
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(16, 16));
    droppedOnCell_ = false;
    QPointer<QDrag> guard(drag);
    ::tavir::ui::runDrag(*drag);
    if (guard) guard->deleteLater();
}

void BoardView::pickUpAndDrag(int cell) {
    if (!workspace_.pickUp(cell)) return;
    runDrag(DragPayload{workspace_.liftedElement(), DragSource::Board}, cells_[static_cast<std::size_t>(cell)]);
    // Dropped anywhere but on a cell: the atom is deleted and the move ends.
    if (!droppedOnCell_) workspace_.finishInterruptedMove();
}

void BoardView::dragFromPalette(int element, QWidget* source) {
    runDrag(DragPayload{element, DragSource::Palette}, source);
}

void BoardView::dropOn(int cell, const DragPayload& payload) {
    droppedOnCell_ = true;
    if (payload.source == DragSource::Board) {
        workspace_.dropLifted(cell);
    } else {
        workspace_.dropPaletteElement(cell, payload.element);
    }
}

void BoardView::openBondMenu(int cell, const QPoint& posInCell, const QPoint& globalPos) {
    const auto choice = workspace_.openBondMenu(cell, posInCell.x(), posInCell.y());
    const auto atom = workspace_.openAtomMenu(cell, posInCell.x(), posInCell.y());
    if (!choice && !atom) return;
    QMenu& menu = atom ? *menuatome_ : *menuflo_;
    const auto actions = menu.actions();
    for (int k = 0; k < 3; ++k) actions[k]->setVisible(choice.has_value());
    if (choice) {
        actions[0]->setEnabled(choice->simpleEnabled);
        actions[1]->setEnabled(choice->doubleEnabled);
        actions[2]->setEnabled(choice->tripleEnabled);
    }
    if (atom) {
        actions[3]->setVisible(choice.has_value());
        actions[4]->setChecked(!atom->vacancy);
        actions[5]->setChecked(atom->vacancy);
    }
    QAction* chosen = popupMenu(menu, globalPos);
    if (!chosen) return;
    if (atom && (chosen == actions[4] || chosen == actions[5])) {
        workspace_.setVacancy(atom->cell, chosen == actions[5]);
    } else {
        workspace_.chooseBondOrder(chosen->data().toInt());
    }
}

CellWidget::CellWidget(BoardView& board, int index) : QWidget(&board), board_(board), index_(index) {
    setObjectName(QStringLiteral("surd_%1").arg(index));
    setFixedSize(kCellSize, kCellSize);
    // Click focus only, but for the board's proxy: Tab reaches the board once, not twelve times.
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void CellWidget::mousePressEvent(QMouseEvent* event) {
    // The keyboard goes on from the cell last clicked; the frame waits for a key.
    board_.focusCell(index_);
    if (event->button() == Qt::LeftButton) board_.pickUpAndDrag(index_);
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        board_.openBondMenu(index_, event->position().toPoint(), event->globalPosition().toPoint());
}

void CellWidget::keyPressEvent(QKeyEvent* event) {
    if (!board_.handleKey(event)) QWidget::keyPressEvent(event);
}

void CellWidget::focusInEvent(QFocusEvent* event) {
    // Arriving by Tab is using the keyboard: show where it acts and how.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        board_.workspace_.enterBoardByKeyboard();
    board_.update();
}

void CellWidget::focusOutEvent(QFocusEvent*) { board_.update(); }

void CellWidget::mouseMoveEvent(QMouseEvent*) { board_.workspace_.pointerOver(PointerPlace::Cell); }

void CellWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (readAtomMime(event->mimeData())) event->acceptProposedAction();
}

void CellWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (readAtomMime(event->mimeData())) event->acceptProposedAction();
}

void CellWidget::dropEvent(QDropEvent* event) {
    const auto payload = readAtomMime(event->mimeData());
    if (!payload) return;
    event->acceptProposedAction();
    board_.dropOn(index_, *payload);
}

}  // namespace tavir::ui

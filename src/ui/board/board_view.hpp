#pragma once
// The board picture `dessineur` with its twelve cells `surd(0..11)`: drawing, dragging atoms,
// the bond menu `menuflo` (with the pair-or-vacancy choice of a carbocation's carbon), and editing from the keyboard on a focused cell.
#include <QWidget>
#include <array>

#include "ui/board/drag_payload.hpp"

class QMenu;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class CellWidget;

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(Workspace& workspace, QWidget* parent = nullptr);

    // Moves the cells to where the analysis put them and repaints.
    void refresh();

    // The steps of the mouse handlers, callable from tests.
    void pickUpAndDrag(int cell);
    void dropOn(int cell, const DragPayload& payload);
    void openBondMenu(int cell, const QPoint& posInCell, const QPoint& globalPos);

    QMenu* bondMenu() const { return menuflo_; }
    // The menu of a carbon that may hold a vacancy: the bond items when a bond lies under the
    // pointer, then "Doublet non liant" and "Lacune électronique".
    QMenu* atomMenu() const { return menuatome_; }
    // The cell the keyboard acts on; the real focus sits on it so screen readers follow it.
    int focusedCell() const;
    void focusCell(int cell);
    // The frame around the focused cell shows only once the keyboard is used.
    bool focusFrameShown() const;
    CellWidget* cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    // Starts dragging an element from the palette.
    void dragFromPalette(int element, QWidget* source);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class CellWidget;
    void runDrag(const DragPayload& payload, QWidget* source);
    // True when the key was one of the board's.
    bool handleKey(QKeyEvent* event);
    void nameCellsForScreenReaders();

    // Moves the real focus and the Tab stop to the cell the keyboard acts on.
    void followFocusedCell(int previous);

    Workspace& workspace_;
    std::array<CellWidget*, 12> cells_{};
    QMenu* menuflo_ = nullptr;
    QMenu* menuatome_ = nullptr;
    bool droppedOnCell_ = false;
};

// One board cell: transparent, it only takes the mouse and the drops for its place.
class CellWidget : public QWidget {
    Q_OBJECT
public:
    CellWidget(BoardView& board, int index);
    int index() const { return index_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    BoardView& board_;
    int index_;
};

}  // namespace tavir::ui

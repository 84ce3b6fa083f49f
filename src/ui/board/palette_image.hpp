#pragma once
// One element of the palette `Imagea(0..4)`: the pupil drags it onto a board cell.
#include <QLabel>

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class BoardView;

class PaletteImage : public QLabel {
    Q_OBJECT
public:
    PaletteImage(int elementCode, BoardView& board, Workspace& workspace, QWidget* parent);
    int element() const { return element_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    int element_;
    BoardView& board_;
    Workspace& workspace_;
};

}  // namespace tavir::ui

#pragma once
// The electron-dot structure box `fdev`, drawn with the board's coordinates 60 units right
// of and 36 units below its corner.
#include <QWidget>

class QPainter;

namespace tavir {
class Workspace;
struct ViewState;
}

namespace tavir::ui {

class DotStructureView : public QWidget {
    Q_OBJECT
public:
    DotStructureView(const Workspace& workspace, QWidget* parent);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Workspace& workspace_;
};

// Draws what the box shows, as the box does, on any painter (a window, an image, a printer).
void paintDotStructure(QPainter& painter, const ViewState& view);

}  // namespace tavir::ui

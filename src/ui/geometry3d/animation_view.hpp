#pragma once
// The 3D view `D3D`: back colour, the gradient background prepared once, and the frames.
#include <QIcon>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace tavir {
class Workspace;
struct ViewState;
}

namespace tavir::ui {

class AnimationView : public QWidget {
    Q_OBJECT
public:
    AnimationView(const Workspace& workspace, QWidget* parent);
    static QColor backColour() { return QColor(232, 213, 191); }
    const QPixmap& background() const { return background_; }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Workspace& workspace_;
    QPixmap background_;
};

// The blue-grey gradient painted behind the 3D model, in the view's pixels.
QPixmap paintAnimationBackground(QSize size);

// Draws the 3D view as it shows, on any painter; without its background picture on request
// (the white copy and the printout).
void paintAnimation(QPainter& painter, const ViewState& view, const QColor& back, const QPixmap& background);

// Our pictures for the six animation buttons, by index.
QIcon animationButtonIcon(int index);

}  // namespace tavir::ui

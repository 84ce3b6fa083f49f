#pragma once
// One of the main window's result pictures (the formula box `brute`, the dot-structure box
// `fdev`, the 3D view `D3D`), drawn as the session shows it.
#include <QWidget>

#include "core/views/views.hpp"

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class ViewWidget : public QWidget {
    Q_OBJECT
public:
    ViewWidget(const Workspace& workspace, View view, QWidget* parent);
    View view() const { return view_; }

signals:
    // A press on the picture: it cannot be edited there.
    void pressed();
    // The pointer moved with a button held (a finger or a pen too): its horizontal offset from
    // the press, in pixels.
    void dragged(int offsetPixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const Workspace& workspace_;
    View view_;
    double pressX_ = 0;
};

}  // namespace tavir::ui

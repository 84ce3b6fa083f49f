#include "ui/common/view_widget.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/view_painter.hpp"

namespace tavir::ui {

ViewWidget::ViewWidget(const Workspace& workspace, View view, QWidget* parent)
    : QWidget(parent), workspace_(workspace), view_(view) {
    setFixedSize(viewSize(view));
}

void ViewWidget::paintEvent(QPaintEvent*) {
    // The 3D frames are composed whole before they reach the screen (the widget is double-buffered).
    QPainter p(this);
    paintShownView(p, workspace_, view_, screenLook(view_));
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    pressX_ = event->position().x();
    emit pressed();
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    // Without mouse tracking a move comes only with a button held; touch and pens arrive as
    // the mouse events Qt makes of them.
    if (event->buttons() != Qt::NoButton) emit dragged(static_cast<int>(event->position().x() - pressX_));
}

}  // namespace tavir::ui

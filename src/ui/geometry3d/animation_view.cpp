#include "ui/geometry3d/animation_view.hpp"

#include <QPainter>
#include <QPointF>
#include <cmath>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"
#include "ui/common/qt_text.hpp"
#include "core/geometry3d/drawing.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir::ui {

namespace {
constexpr int kViewLeft = -20;  // the view's own x at its left edge
}

QPixmap paintAnimationBackground(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(AnimationView::backColour());
    QPainter p(&pixmap);
    p.translate(-kViewLeft, 0);
    for (int i = 0; i <= 101; ++i) {
        const int blue = 221 + static_cast<int>(std::lround(i / 3.0));
        p.setPen(QColor(200 - i, 200 - i, std::min(255, blue)));
        p.drawLine(-20, 101 + i, 222, 101 + i);
        p.drawLine(-20, 101 - i, 222, 101 - i);
    }
    return pixmap;
}

AnimationView::AnimationView(const Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("D3D"));
    setFixedSize(242, 202);
    setAccessibleName(utf8(geometry_texts::kA11yAnimation));
    background_ = paintAnimationBackground(size());
}

void paintAnimation(QPainter& p, const ViewState& view, const QColor& back, const QPixmap& background) {
    p.setRenderHint(QPainter::Antialiasing);
    // The view's own scale starts at x = -20.
    p.translate(-kViewLeft, 0);
    QtCanvas canvas(p, QRect(kViewLeft, 0, 242, 202), back, background);
    if (view.d3dCleared) {
        canvas.clear();
        return;
    }
    drawGeometryFrame(view.frame, view.frameCounterDrawn, view.rotationSignDrawn, view.frameOptions, canvas);
}

void AnimationView::paintEvent(QPaintEvent*) {
    // Each frame is composed whole before it reaches the screen (the widget is double-buffered).
    QPainter p(this);
    paintAnimation(p, workspace_.view(), backColour(), background_);
}

QIcon animationButtonIcon(int index) {
    QPixmap pixmap(16, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 120));
    auto triangle = [&p](double x, double w, bool right) {
        const QPointF pts[] = {{right ? x : x + w, 2.0}, {right ? x + w : x, 7.0}, {right ? x : x + w, 12.0}};
        p.drawPolygon(pts, 3);
    };
    switch (index) {
    case 0:  // fast backwards
        triangle(1, 7, false);
        triangle(8, 7, false);
        break;
    case 1:  // one frame back
        p.drawRect(QRectF(3, 2, 2, 10));
        triangle(6, 7, false);
        break;
    case 2:  // stop
        p.setBrush(QColor(160, 30, 30));
        p.drawRect(QRectF(3, 2, 10, 10));
        break;
    case 3:  // play
        p.setBrush(QColor(20, 120, 40));
        triangle(4, 9, true);
        break;
    case 4:  // one frame forward
        triangle(3, 7, true);
        p.drawRect(QRectF(11, 2, 2, 10));
        break;
    default:  // fast forwards
        triangle(1, 7, true);
        triangle(8, 7, true);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

void AnimationView::mousePressEvent(QMouseEvent*) { emit pressed(); }

}  // namespace tavir::ui

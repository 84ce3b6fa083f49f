#include "geometry3d/animation_view.hpp"

#include <QPainter>
#include <cmath>

#include "board/workspace.hpp"

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
    background_ = paintAnimationBackground(size());
}

void AnimationView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), backColour());
    p.drawPixmap(0, 0, background_);
}

void AnimationView::mousePressEvent(QMouseEvent*) { emit pressed(); }

}  // namespace tavir::ui

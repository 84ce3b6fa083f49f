#include "ui/common/view_painter.hpp"

#include <QPainter>
#include <cmath>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

namespace {

// The light squares that show the pupil where the twelve cells are.
QPixmap boardBackground() {
    QPixmap pixmap(viewSize(View::Board));
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(225, 225, 225), 1, Qt::DotLine));
    for (const auto& pos : kGridPositions) p.drawRect(pos.left + 2, pos.top + 2, kCellSize - 5, kCellSize - 5);
    return pixmap;
}

// The blue-grey gradient behind the 3D model, prepared once.
QPixmap animationBackground(const QColor& back) {
    const ViewGeometry g = viewGeometry(View::Animation);
    QPixmap pixmap(g.width, g.height);
    pixmap.fill(back);
    QPainter p(&pixmap);
    p.translate(-g.originX, -g.originY);
    for (int i = 0; i <= 101; ++i) {
        const int blue = 221 + static_cast<int>(std::lround(i / 3.0));
        p.setPen(QColor(200 - i, 200 - i, std::min(255, blue)));
        p.drawLine(g.originX, 101 + i, g.originX + g.width, 101 + i);
        p.drawLine(g.originX, 101 - i, g.originX + g.width, 101 - i);
    }
    return pixmap;
}

}  // namespace

QSize viewSize(View view) {
    const ViewGeometry g = viewGeometry(view);
    return {g.width, g.height};
}

ViewLook screenLook(View view) {
    switch (view) {
    case View::Board: {
        static const QPixmap grid = boardBackground();
        return {Qt::white, grid};
    }
    case View::Formula: return {QColor(224, 224, 224), {}};
    case View::DotStructure: return {Qt::white, {}};
    case View::Animation: {
        static const QColor back(232, 213, 191);
        static const QPixmap gradient = animationBackground(back);
        return {back, gradient};
    }
    }
    return {Qt::white, {}};
}

void paintView(QPainter& p, View view, const Analysis& analysis, const ViewOptions& options, Pose pose,
               const ViewLook& look) {
    const ViewGeometry g = viewGeometry(view);
    p.save();
    switch (view) {
    case View::Board: break;
    case View::Formula: p.setRenderHint(QPainter::TextAntialiasing); break;
    case View::DotStructure:
        // Crisp one-pixel strokes in their pure colours.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing);
        break;
    case View::Animation: p.setRenderHint(QPainter::Antialiasing); break;
    }
    p.translate(-g.originX, -g.originY);
    QtCanvas canvas(p, QRect(g.originX, g.originY, g.width, g.height), look.back, look.background);
    drawView(view, analysis, options, pose, canvas);
    p.restore();
}

void paintShownView(QPainter& p, const Workspace& workspace, View view, const ViewLook& look, int focusedCell) {
    if (view == View::Animation) {
        const ShownFrame& frame = workspace.view().d3d;
        ViewOptions options;
        options.frame = frame.options;
        paintView(p, view, frame.analysis, options, frame.pose, look);
        return;
    }
    ViewOptions options = workspace.view().options;
    options.focusedCell = focusedCell;
    paintView(p, view, workspace.analysis(), options, workspace.pose(), look);
}

}  // namespace tavir::ui

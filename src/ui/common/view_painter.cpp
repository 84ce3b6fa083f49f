#include "ui/common/view_painter.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

namespace {

// The light squares that show the pupil where the twelve cells are.
void drawCellGrid(QPainter& p) {
    p.setPen(QPen(QColor(225, 225, 225), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    for (const auto& pos : kGridPositions) p.drawRect(pos.left + 2, pos.top + 2, kCellSize - 5, kCellSize - 5);
}

// The blue-grey bands behind the 3D model, lightest across the middle row: one line per row.
void drawGradientRows(QPainter& p, const ViewGeometry& g) {
    for (int i = 0; i <= 101; ++i) {
        const int blue = 221 + static_cast<int>(std::lround(i / 3.0));
        p.setPen(QColor(200 - i, 200 - i, std::min(255, blue)));
        p.drawLine(g.originX, 101 + i, g.originX + g.width, 101 + i);
        p.drawLine(g.originX, 101 - i, g.originX + g.width, 101 - i);
    }
}

// The same bands as one smooth gradient, for paper, files and enlarged pictures, where rows
// of lines would show seams.
void fillGradient(QPainter& p, const ViewGeometry& g) {
    QLinearGradient bands(0, 0.5, 0, 202.5);
    bands.setColorAt(0, QColor(99, 99, 255));
    bands.setColorAt(0.5, QColor(200, 200, 221));
    bands.setColorAt(1, QColor(99, 99, 255));
    p.fillRect(QRect(g.originX, 0, g.width, g.height), bands);
}

// The screen's backdrops, drawn once into pictures of the view's size.
QPixmap screenBackdrop(Backdrop backdrop) {
    const ViewGeometry g = viewGeometry(backdrop == Backdrop::CellGrid ? View::Board : View::Animation);
    QPixmap pixmap(g.width, g.height);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.translate(-g.originX, -g.originY);
    if (backdrop == Backdrop::CellGrid) drawCellGrid(p);
    else drawGradientRows(p, g);
    return pixmap;
}

bool atScreenScale(const QPainter& p) {
    const QTransform t = p.deviceTransform();
    return t.m11() == 1 && t.m22() == 1 && t.m12() == 0 && t.m21() == 0;
}

void drawBackdrop(QPainter& p, Backdrop backdrop, const ViewGeometry& g) {
    if (backdrop == Backdrop::None) return;
    if (!isVectorDevice(p) && atScreenScale(p)) {
        // Painted every frame on screen: the prepared picture is the fast way.
        static const QPixmap grid = screenBackdrop(Backdrop::CellGrid);
        static const QPixmap gradient = screenBackdrop(Backdrop::Gradient);
        p.drawPixmap(g.originX, g.originY, backdrop == Backdrop::CellGrid ? grid : gradient);
        return;
    }
    p.save();
    if (backdrop == Backdrop::CellGrid) drawCellGrid(p);
    else fillGradient(p, g);
    p.restore();
}

}  // namespace

QSize viewSize(View view) {
    const ViewGeometry g = viewGeometry(view);
    return {g.width, g.height};
}

ViewLook screenLook(View view) {
    switch (view) {
    case View::Board: return {Qt::white, Backdrop::CellGrid};
    case View::Formula: return {QColor(224, 224, 224), Backdrop::None};
    case View::DotStructure: return {Qt::white, Backdrop::None};
    case View::Animation: return {QColor(232, 213, 191), Backdrop::Gradient};
    }
    return {Qt::white, Backdrop::None};
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
    QtCanvas canvas(p, QRect(g.originX, g.originY, g.width, g.height), look.back,
                    [backdrop = look.backdrop, g](QPainter& painter) { drawBackdrop(painter, backdrop, g); });
    drawView(view, analysis, options, pose, canvas);
    p.restore();
}

void paintShownView(QPainter& p, const Workspace& workspace, View view, const ViewLook& look, int focusedCell) {
    if (view == View::Animation) {
        const ShownFrame& frame = workspace.view().d3d;
        ViewOptions options;
        options.frame = frame.options;
        // A cleared view is drawn as for the empty board, which shows nothing.
        static const Analysis nothing;
        paintView(p, view, frame.cleared() ? nothing : frame.analysis, options, frame.pose, look);
        return;
    }
    ViewOptions options = workspace.view().options;
    options.focusedCell = focusedCell;
    paintView(p, view, workspace.analysis(), options, workspace.pose(), look);
}

}  // namespace tavir::ui

#include "ui/common/view_painter.hpp"

#include <QPainter>

#include "core/session/shown_views.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

QSize viewSize(View view) {
    const ViewGeometry g = viewGeometry(view);
    return {g.width, g.height};
}

void paintView(QPainter& p, View view, const Analysis& analysis, const ViewOptions& options, Pose pose,
               const ViewLook& look) {
    p.save();
    QtCanvas canvas(p);
    drawViewPicture(view, analysis, options, pose, look, canvas);
    p.restore();
}

void paintShownView(QPainter& p, const Workspace& workspace, View view, const ViewLook& look, int focusedCell) {
    p.save();
    QtCanvas canvas(p);
    drawShownView(workspace, view, look, focusedCell, canvas);
    p.restore();
}

}  // namespace tavir::ui

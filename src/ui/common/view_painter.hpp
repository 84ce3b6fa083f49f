#pragma once
// The core's views on any painter: a widget, an offscreen image, a printer or an SVG file.
#include <QColor>
#include <QPixmap>
#include <QSize>

#include "core/views/views.hpp"

class QPainter;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// What a view is painted over: its back colour and, for the board and the 3D view, a picture.
struct ViewLook {
    QColor back;
    QPixmap background;
};
// Each view as it looks on screen.
ViewLook screenLook(View view);
QSize viewSize(View view);

// Draws one view with its top-left pixel at the painter's origin, one unit per screen pixel.
// The painter's state is left as it was.
void paintView(QPainter& painter, View view, const Analysis& analysis, const ViewOptions& options, Pose pose,
               const ViewLook& look);

// A view as the session shows it: the board, the formula and the dot structure from the
// current analysis and options, the 3D view as its last tick drew it. focusedCell: the board's
// keyboard frame, -1 for none.
void paintShownView(QPainter& painter, const Workspace& workspace, View view, const ViewLook& look,
                    int focusedCell = -1);

}  // namespace tavir::ui

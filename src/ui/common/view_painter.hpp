#pragma once
// The core's views on any painter: a widget, an offscreen image, a printer or an SVG file.
#include <QSize>

#include "core/views/views.hpp"

class QPainter;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

QSize viewSize(View view);

// Draws one view with its top-left pixel at the painter's origin, one unit per screen pixel.
// On a vector device (PDF, printer, SVG) every stroke, backdrop and element ball stays a
// vector; on a scaled image they are drawn at its resolution. The painter's state is left as
// it was.
void paintView(QPainter& painter, View view, const Analysis& analysis, const ViewOptions& options, Pose pose,
               const ViewLook& look);

// A view as the session shows it: the board, the formula and the dot structure from the
// current analysis and options, the 3D view as its last tick drew it. focusedCell: the board's
// keyboard frame, -1 for none.
void paintShownView(QPainter& painter, const Workspace& workspace, View view, const ViewLook& look,
                    int focusedCell = -1);

}  // namespace tavir::ui

#pragma once
// Pictures of the main window's views for the clipboard, drawn afresh through the core.
#include <QImage>

#include "ui/common/view_painter.hpp"

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// The view of the current construction with the current options, the 3D view at the pose it
// shows, over the given look (the 3D copies are made on white).
QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look);

}  // namespace tavir::ui

#pragma once
// Pictures of the main window's views, drawn afresh through the core for the clipboard.
#include <QImage>
#include <QPixmap>

namespace tavir {
class Workspace;
}

namespace tavir::ui {

QImage boardPicture(const Workspace& workspace);
QImage dotStructurePicture(const Workspace& workspace);
// The 3D view at its current pose on a white back colour, with or without its background
// picture; the pose is redrawn around the copy and left as it was.
QImage animationPicture(Workspace& workspace, const QPixmap& background, bool withBackground);

}  // namespace tavir::ui

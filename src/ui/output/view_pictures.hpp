#pragma once
// Pictures of the main window's views for the clipboard and for picture files, drawn afresh
// through the core: a screen-size bitmap, an enlarged image, SVG and PDF.
#include <QByteArray>
#include <QImage>

#include "core/files/file_result.hpp"
#include "core/output/picture_file.hpp"
#include "ui/common/view_painter.hpp"

class QMimeData;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// How much larger than on screen the high-resolution pictures are.
constexpr int kPictureEnlargement = 4;

// The part of a view that its copies and picture files show: the dot structure cropped to
// its drawing, the other views whole (see pictureGeometry).
ViewGeometry pictureFrame(const Workspace& workspace, View view);

// The view of the current construction with the current options, the 3D view at the pose it
// shows, over the given look (the 3D copies are made on white or see-through), `scale` times
// its screen size: the whole view, or the frame's part of it. An enlarged image says so in its
// resolution, so that it keeps the physical size of the screen picture wherever it is pasted.
QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look, int scale = 1);
QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame, int scale);
// The frame's part of the view as vectors: an SVG drawing and a one-page PDF document.
QByteArray viewSvg(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame);
QByteArray viewPdf(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame);

// The view's picture frame into a picture file: the enlarged picture as PNG, or the drawing as
// SVG or PDF.
FileDone saveViewPicture(const Workspace& workspace, View view, const ViewLook& look, const output::PictureFile& file);

// What a copy item puts on the clipboard: the enlarged picture as every bitmap type (PNG,
// BMP, JPEG and whatever else a program asks for) and the drawing as SVG. A see-through
// picture stays so in PNG and lies on white in the types without transparency.
QMimeData* viewClipboardData(const Workspace& workspace, View view, const ViewLook& look);

}  // namespace tavir::ui

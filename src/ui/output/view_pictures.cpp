#include "ui/output/view_pictures.hpp"

#include <QPainter>

#include "core/session/workspace.hpp"

namespace tavir::ui {

QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look) {
    QImage image(viewSize(view), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintView(p, view, workspace.analysis(), workspace.view().options, workspace.pose(), look);
    return image;
}

}  // namespace tavir::ui

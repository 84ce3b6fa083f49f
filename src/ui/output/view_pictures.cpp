#include "ui/output/view_pictures.hpp"

#include <QPainter>

#include "ui/board/board_view.hpp"
#include "core/session/workspace.hpp"
#include "ui/dotstructure/dot_structure_view.hpp"
#include "ui/geometry3d/animation_view.hpp"

namespace tavir::ui {

namespace {
template <typename Paint>
QImage pictureOf(QSize size, Paint paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paint(p);
    return image;
}
}  // namespace

QImage boardPicture(const Workspace& workspace) {
    return pictureOf(QSize(129, 97), [&](QPainter& p) { paintBoard(p, workspace.board()); });
}

QImage dotStructurePicture(const Workspace& workspace) {
    return pictureOf(QSize(265, 201), [&](QPainter& p) { paintDotStructure(p, workspace.view()); });
}

QImage animationPicture(Workspace& workspace, const QPixmap& background, bool withBackground) {
    workspace.beginAnimationCopy();
    QImage image = pictureOf(QSize(242, 202), [&](QPainter& p) {
        paintAnimation(p, workspace.view(), Qt::white, withBackground ? background : QPixmap());
    });
    workspace.endAnimationCopy();
    return image;
}

}  // namespace tavir::ui

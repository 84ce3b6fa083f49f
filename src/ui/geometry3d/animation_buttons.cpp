#include "ui/geometry3d/animation_buttons.hpp"

#include <QPainter>
#include <QPointF>

namespace tavir::ui {

QIcon animationButtonIcon(int index) {
    QPixmap pixmap(16, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 120));
    auto triangle = [&p](double x, double w, bool right) {
        const QPointF pts[] = {{right ? x : x + w, 2.0}, {right ? x + w : x, 7.0}, {right ? x : x + w, 12.0}};
        p.drawPolygon(pts, 3);
    };
    switch (index) {
    case 0:  // fast backwards
        triangle(1, 7, false);
        triangle(8, 7, false);
        break;
    case 1:  // one frame back
        p.drawRect(QRectF(3, 2, 2, 10));
        triangle(6, 7, false);
        break;
    case 2:  // stop
        p.setBrush(QColor(160, 30, 30));
        p.drawRect(QRectF(3, 2, 10, 10));
        break;
    case 3:  // play
        p.setBrush(QColor(20, 120, 40));
        triangle(4, 9, true);
        break;
    case 4:  // one frame forward
        triangle(3, 7, true);
        p.drawRect(QRectF(11, 2, 2, 10));
        break;
    default:  // fast forwards
        triangle(1, 7, true);
        triangle(8, 7, true);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace tavir::ui

#include "ui/common/svg_pixmap.hpp"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/common/resources.hpp"

namespace tavir::ui {

QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio) {
    ensureResources();
    QSvgRenderer renderer(path);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(), QSizeF(pixmap.size())));
    p.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace tavir::ui

#include "ui/common/element_pictures.hpp"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include "core/board/elements.hpp"
#include "ui/common/resources.hpp"

namespace tavir::ui {

QPixmap elementPicture(int elementCode, qreal devicePixelRatio) {
    if (!isElement(elementCode)) return {};
    ensureResources();
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2").arg(elementCode).arg(devicePixelRatio);
    if (auto it = cache.constFind(key); it != cache.cend()) return *it;

    const QString file = QStringLiteral(":/elements/%1.svg")
                             .arg(QString::fromUtf8(elementSymbol(elementCode).data(),
                                                    static_cast<int>(elementSymbol(elementCode).size())));
    const int side = qMax(1, qRound(32 * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, side, side));
    p.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

}  // namespace tavir::ui

#include "ui/common/element_pictures.hpp"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <memory>

#include "core/board/elements.hpp"
#include "ui/common/resources.hpp"

namespace tavir::ui {

namespace {

// One renderer per element, loaded on first use and owned here for the program's life.
QSvgRenderer& renderer(int elementCode) {
    ensureResources();
    static std::map<int, std::unique_ptr<QSvgRenderer>> renderers;
    std::unique_ptr<QSvgRenderer>& r = renderers[elementCode];
    if (!r) {
        const std::string_view symbol = elementSymbol(elementCode);
        r = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/elements/%1.svg").arg(QString::fromUtf8(symbol.data(), static_cast<int>(symbol.size()))));
    }
    return *r;
}

}  // namespace

void paintElementPicture(QPainter& painter, int elementCode, const QRectF& where) {
    if (!isElement(elementCode)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    renderer(elementCode).render(&painter, where);
    painter.restore();
}

QPixmap elementPicture(int elementCode, qreal devicePixelRatio) {
    if (!isElement(elementCode)) return {};
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2").arg(elementCode).arg(devicePixelRatio);
    if (auto it = cache.constFind(key); it != cache.cend()) return *it;

    const int side = qMax(1, qRound(32 * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer(elementCode).render(&p, QRectF(0, 0, side, side));
    p.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

}  // namespace tavir::ui

#include "ui/common/element_pictures.hpp"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <memory>

#include "core/board/elements.hpp"
#include "ui/common/resources.hpp"
#include "ui/common/svg_pixmap.hpp"

namespace tavir::ui {

namespace {

QString elementResource(int elementCode) {
    const std::string_view symbol = elementSymbol(elementCode);
    return QStringLiteral(":/elements/%1.svg").arg(QString::fromUtf8(symbol.data(), static_cast<int>(symbol.size())));
}

// One renderer per element, loaded on first use and owned here for the program's life.
QSvgRenderer& renderer(int elementCode) {
    ensureResources();
    static std::map<int, std::unique_ptr<QSvgRenderer>> renderers;
    std::unique_ptr<QSvgRenderer>& r = renderers[elementCode];
    if (!r) r = std::make_unique<QSvgRenderer>(elementResource(elementCode));
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
    QPixmap pixmap = QPixmap::fromImage(svgImage(elementResource(elementCode), QSize(side, side)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

}  // namespace tavir::ui

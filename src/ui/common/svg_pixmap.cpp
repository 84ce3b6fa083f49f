#include "ui/common/svg_pixmap.hpp"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include "ui/common/resources.hpp"
#include "ui/common/svg_drawing.hpp"

namespace tavir::ui {

namespace {

class SvgIconEngine : public QIconEngine {
public:
    SvgIconEngine(QString resource, QSize natural) : resource_(std::move(resource)), natural_(natural) {}

    // `size` is in device pixels: Qt multiplies by the screen's scale before asking.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QSize pixels = fittedPixels(natural_, size);
        if (pixels.isEmpty()) return {};
        // Buttons ask again at every repaint.
        const QString key = QStringLiteral("tavir-svg:%1:%2x%3:%4")
                                .arg(resource_).arg(pixels.width()).arg(pixels.height()).arg(int(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap)) return pixmap;
        pixmap = QPixmap::fromImage(svgImage(resource_, pixels));
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
                pixmap = app->style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap shown = pixmap(rect.size() * scale, mode, state);
        shown.setDevicePixelRatio(scale);
        const QSize logical = (QSizeF(shown.size()) / scale).toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - logical.width()) / 2,
                                                          (rect.height() - logical.height()) / 2),
                                  logical),
                            shown);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return fittedPixels(natural_, size); }
    QIconEngine* clone() const override { return new SvgIconEngine(resource_, natural_); }
    QString key() const override { return QStringLiteral("tavir-svg"); }

private:
    QString resource_;
    QSize natural_;
};

}  // namespace

QImage svgImage(const QString& resource, QSize pixels) {
    ensureResources();
    // Named as PNG and read by Qt's own reader: guessing would load every image plugin.
    QImageReader reader(drawnAheadFile(resource, pixels), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage ahead = reader.read();
    if (!ahead.isNull() && ahead.size() == pixels)
        return ahead.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return drawSvg(resource, pixels);
}

QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(svgImage(resource, size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon svgIcon(const QString& resource, QSize natural) { return QIcon(new SvgIconEngine(resource, natural)); }

}  // namespace tavir::ui

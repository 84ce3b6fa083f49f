#include "ui/common/svg_drawing.hpp"

#include <QPainter>
#include <QSvgRenderer>

#include <atomic>

namespace tavir::ui {

namespace {
std::atomic<int> drawingsMade{0};
}  // namespace

QImage drawSvg(const QString& file, QSize pixels) {
    ++drawingsMade;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(), QSizeF(pixels)));
    p.end();
    return image;
}

int svgDrawingsMade() { return drawingsMade.load(); }

QSize fittedPixels(QSize natural, QSize requested) { return natural.scaled(requested, Qt::KeepAspectRatio); }

QSize drawnPixels(const DrawnAheadPicture& picture, double scale) {
    const QSize asked = picture.shown * scale;
    return picture.fitted ? fittedPixels(picture.natural, asked) : asked;
}

QString drawnAheadFile(const QString& resource, QSize pixels) {
    QString name = resource;
    if (name.startsWith(QLatin1String(":/"))) name.remove(0, 2);
    if (name.endsWith(QLatin1String(".svg"))) name.chop(4);
    return QStringLiteral(":/ahead/%1-%2x%3.png").arg(name).arg(pixels.width()).arg(pixels.height());
}

}  // namespace tavir::ui

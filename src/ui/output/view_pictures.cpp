#include "ui/output/view_pictures.hpp"

#include <QBuffer>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <array>
#include <utility>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

namespace {

// Screen pixels are taken at 96 per inch, as everywhere in the program.
constexpr double kScreenDpi = 96;
constexpr double kInch = 0.0254;  // metres

void paintCurrent(QPainter& p, const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame) {
    p.save();
    QtCanvas canvas(p);
    drawViewPicture(view, workspace.analysis(), workspace.view().options, workspace.pose(), look, frame, canvas);
    p.restore();
}

QSize sizeOf(const ViewGeometry& frame) { return {frame.width, frame.height}; }

}  // namespace

ViewGeometry pictureFrame(const Workspace& workspace, View view) {
    // Text metrics only: any painter serves.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    QtCanvas canvas(p);
    return pictureGeometry(view, workspace.analysis(), workspace.view().options, canvas);
}

QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look, int scale) {
    return viewPicture(workspace, view, look, viewGeometry(view), scale);
}

QImage viewPicture(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame, int scale) {
    QImage image(sizeOf(frame) * scale, look.back ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(look.back ? Qt::white : Qt::transparent);
    if (scale != 1) {
        const int dotsPerMetre = qRound(kScreenDpi * scale / kInch);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
    }
    QPainter p(&image);
    p.scale(scale, scale);
    paintCurrent(p, workspace, view, look, frame);
    return image;
}

QByteArray viewSvg(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(sizeOf(frame));
    generator.setViewBox(QRect(QPoint(0, 0), sizeOf(frame)));
    generator.setResolution(int(kScreenDpi));
    generator.setTitle(QStringLiteral("Tavir"));
    QPainter p;
    if (!p.begin(&generator)) return {};
    paintCurrent(p, workspace, view, look, frame);
    p.end();
    return bytes;
}

QByteArray viewPdf(const Workspace& workspace, View view, const ViewLook& look, const ViewGeometry& frame) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tavir"));
        writer.setTitle(QStringLiteral("Tavir"));
        // One page of the picture's physical size, one unit per screen pixel.
        const QSizeF points = QSizeF(sizeOf(frame)) * (72.0 / kScreenDpi);
        writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(int(kScreenDpi));
        QPainter p;
        if (!p.begin(&writer)) return {};
        paintCurrent(p, workspace, view, look, frame);
        p.end();
    }
    return bytes;
}

namespace {
QByteArray imageBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return {};
    return bytes;
}
}  // namespace

FileDone saveViewPicture(const Workspace& workspace, View view, const ViewLook& look, const output::PictureFile& file) {
    const ViewGeometry frame = pictureFrame(workspace, view);
    QByteArray bytes;
    switch (file.format) {
    case output::PictureFormat::Png:
        bytes = imageBytes(viewPicture(workspace, view, look, frame, kPictureEnlargement), "PNG");
        break;
    case output::PictureFormat::Svg: bytes = viewSvg(workspace, view, look, frame); break;
    case output::PictureFormat::Pdf: bytes = viewPdf(workspace, view, look, frame); break;
    }
    return output::savePictureFile(file.path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

namespace {
// The picture over white, for the bitmap types that have no transparency.
QImage onWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    return flat;
}

// A see-through picture whose clear pixels are white ones made transparent: the types the
// clipboard converts to on request without transparency then show white, not black.
QImage whiteUnderClearPixels(const QImage& image) {
    if (!image.hasAlphaChannel()) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(row[x]) == 0) row[x] = qRgba(255, 255, 255, 0);
    }
    return out;
}
}  // namespace

QMimeData* viewClipboardData(const Workspace& workspace, View view, const ViewLook& look) {
    auto* data = new QMimeData;
    // Every bitmap type is the one enlarged picture: the image itself, from which the platform
    // makes the types asked for, and the common ones made here.
    const ViewGeometry frame = pictureFrame(workspace, view);
    const QImage picture = viewPicture(workspace, view, look, frame, kPictureEnlargement);
    data->setImageData(whiteUnderClearPixels(picture));
    const QImage flat = onWhite(picture);
    const std::array<std::pair<const char*, QByteArray>, 3> bitmaps{{
        {"image/png", imageBytes(picture, "PNG")},
        {"image/bmp", imageBytes(flat, "BMP")},
        {"image/jpeg", imageBytes(flat, "JPEG")},
    }};
    for (const auto& [type, bytes] : bitmaps)
        if (!bytes.isEmpty()) data->setData(QString::fromLatin1(type), bytes);
    const QByteArray svg = viewSvg(workspace, view, look, frame);
    if (!svg.isEmpty()) data->setData(QStringLiteral("image/svg+xml"), svg);
    return data;
}

}  // namespace tavir::ui

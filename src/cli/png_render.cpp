#include "cli/png_render.hpp"

#ifdef TAVIR_CLI_PNG
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "ui/common/view_painter.hpp"
#endif

namespace tavir::cli {

#ifdef TAVIR_CLI_PNG
bool renderPng(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, double scale, int width,
               int height, const std::string& path) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tavir-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QImage image(QSize(width, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    ui::paintView(p, view, analysis, options, pose, screenLook(view));
    p.end();
    return image.save(QString::fromStdString(path), "PNG");
}
#else
bool renderPng(View, const Analysis&, const ViewOptions&, Pose, double, int, int, const std::string&) { return false; }
#endif

}  // namespace tavir::cli

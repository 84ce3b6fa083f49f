#pragma once
// A picture of ours drawn from its SVG at the screen's own resolution, so that it stays sharp
// at any scale rather than a 1x bitmap blown up.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tavir::ui {

// `path` rendered to `size` logical pixels at `devicePixelRatio`; the renderer is freed at once.
QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio);

}  // namespace tavir::ui

#pragma once
// A picture of ours drawn from its SVG at the screen's own resolution, so that it stays sharp
// at any scale rather than a 1x bitmap blown up. The sizes the first window shows were drawn
// when the program was built and are read from their PNG.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tavir::ui {

// `resource` at exactly `pixels`: its drawing made ahead, else drawn now.
QImage svgImage(const QString& resource, QSize pixels);
// `resource` at `size` logical pixels and `devicePixelRatio`.
QPixmap svgPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio);
// An icon drawn from `resource`, whose own size is `natural`, at whatever size and scale it is
// shown; disabled and selected looks come from the style, as for any icon.
QIcon svgIcon(const QString& resource, QSize natural);

}  // namespace tavir::ui

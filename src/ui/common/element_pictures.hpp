#pragma once
#include <QPixmap>

class QPainter;

namespace tavir::ui {

// The 32 x 32 picture of an element (code 1..5), rendered from our SVG at the given
// device pixel ratio; a null pixmap for any other code.
QPixmap elementPicture(int elementCode, qreal devicePixelRatio = 1.0);
// The same picture drawn from its SVG straight onto a painter, as vectors; nothing for any
// other code.
void paintElementPicture(QPainter& painter, int elementCode, const QRectF& where);

}  // namespace tavir::ui

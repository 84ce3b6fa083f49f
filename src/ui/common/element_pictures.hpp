#pragma once
#include <QPixmap>

namespace tavir::ui {

// The 32 x 32 picture of an element (code 1..5), rendered from our SVG at the given
// device pixel ratio; a null pixmap for any other code.
QPixmap elementPicture(int elementCode, qreal devicePixelRatio = 1.0);

}  // namespace tavir::ui

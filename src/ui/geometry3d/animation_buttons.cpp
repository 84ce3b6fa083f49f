#include "ui/geometry3d/animation_buttons.hpp"

#include <QString>

#include "ui/common/svg_pixmap.hpp"

namespace tavir::ui {

// The same pictures as the browser page's buttons.
QIcon animationButtonIcon(int index) {
    return svgIcon(QStringLiteral(":/pictures/step-%1.svg").arg(index), QSize(16, 14));
}

}  // namespace tavir::ui

#include "ui/geometry3d/animation_buttons.hpp"

#include <QString>

#include "ui/common/resources.hpp"

namespace tavir::ui {

// The same pictures as the browser page's buttons.
QIcon animationButtonIcon(int index) {
    ensureResources();
    return QIcon(QStringLiteral(":/pictures/step-%1.svg").arg(index));
}

}  // namespace tavir::ui

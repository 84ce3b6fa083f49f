#include "ui/common/fonts.hpp"

#include <cmath>

namespace tavir::ui {

QFont arialFont(double pointSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
    f.setBold(bold);
    return f;
}

}  // namespace tavir::ui

#include "ui/common/window_placement.hpp"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tavir::ui {

namespace {
constexpr int kGap = 8;

int clampInto(int start, int length, int areaStart, int areaLength) {
    // A window larger than the area keeps its title bar on the screen.
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}
}  // namespace

QPoint placeBesideOrCentred(const QRect& owner, const QSize& size, const QRect& screen) {
    int x;
    int y = owner.top();
    if (owner.right() + kGap + size.width() <= screen.right()) {
        x = owner.right() + 1 + kGap;
    } else if (owner.left() - kGap - size.width() >= screen.left()) {
        x = owner.left() - kGap - size.width();
    } else {
        x = owner.left() + (owner.width() - size.width()) / 2;
        y = owner.top() + (owner.height() - size.height()) / 2;
    }
    return {clampInto(x, size.width(), screen.left(), screen.width()),
            clampInto(y, size.height(), screen.top(), screen.height())};
}

void placeNextTo(QWidget& window, const QWidget& owner) {
    const QWidget* main = owner.window();
    const QScreen* screen = main->screen();
    const QRect area = screen ? screen->availableGeometry() : main->frameGeometry();
    // Before its first show a window has no frame yet: it will get the main window's.
    QSize size = window.frameGeometry().size();
    if (!window.isVisible()) size += main->frameGeometry().size() - main->size();
    window.move(placeBesideOrCentred(main->frameGeometry(), size, area));
}

}  // namespace tavir::ui

#include "ui/common/window_placement.hpp"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tavir::ui {

namespace {
constexpr int kGap = 8;
// Narrower than this, a page beside the window reads worse than one over it.
constexpr int kReadableWidth = 480;

int clampInto(int start, int length, int areaStart, int areaLength) {
    // A window larger than the area keeps its title bar on the screen.
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}
}  // namespace

QRect placeBesideOrCentred(const QRect& owner, const QSize& size, const QRect& screen, int minimumWidth) {
    const int roomRight = screen.right() - owner.right() - kGap;
    const int roomLeft = owner.left() - kGap - screen.left();
    int width = size.width();
    int x;
    int y = owner.top();
    if (roomRight >= width) {
        x = owner.right() + 1 + kGap;
    } else if (roomLeft >= width) {
        x = owner.left() - kGap - width;
    } else if (std::max(roomRight, roomLeft) >= minimumWidth) {
        // Reading beside the window beats a wider page over the board the pupil works on.
        width = std::max(roomRight, roomLeft);
        x = roomRight >= roomLeft ? owner.right() + 1 + kGap : owner.left() - kGap - width;
    } else {
        x = owner.left() + (owner.width() - width) / 2;
        y = owner.top() + (owner.height() - size.height()) / 2;
    }
    return {QPoint(clampInto(x, width, screen.left(), screen.width()),
                   clampInto(y, size.height(), screen.top(), screen.height())),
            QSize(width, size.height())};
}

void placeNextTo(QWidget& window, const QWidget& owner) {
    const QWidget* main = owner.window();
    const QScreen* screen = main->screen();
    const QRect area = screen ? screen->availableGeometry() : main->frameGeometry();
    // Before its first show a window has no frame yet: it will get the main window's.
    QSize size = window.frameGeometry().size();
    if (!window.isVisible()) size += main->frameGeometry().size() - main->size();
    const QSize decoration = size - window.size();
    const QRect frame = placeBesideOrCentred(main->frameGeometry(), size, area,
                                             std::max(kReadableWidth, window.minimumSizeHint().width()) + decoration.width());
    if (frame.width() != size.width()) window.resize(frame.size() - decoration);
    window.move(frame.topLeft());
}

}  // namespace tavir::ui

#include "ui/mainwindow/window_frame.hpp"

#include <algorithm>

namespace tavir::ui::window_frame {

namespace {
// The start of a span of that length inside the area; a span too long starts with the area,
// so that a title bar stays reachable.
int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}
}  // namespace

QSize minimumSize(const QRect& available) {
    return kOpeningSize.boundedTo(available.size()).expandedTo(QSize(0, 0));
}

QRect openingFrame(const QRect& screen, const QRect& available, const QRect& current) {
    QRect frame = current;
    if (screen.width() > kSnapScreenWidth) {
        frame.setSize(kOpeningSize.boundedTo(available.size()));
        frame.moveTopLeft(QPoint(screen.left() + (screen.width() - frame.width()) / 2,
                                 screen.top() + (screen.height() - frame.height()) / 2));
    } else {
        frame.setSize(current.size().boundedTo(available.size()));
    }
    frame.moveTopLeft(QPoint(clampInto(frame.left(), frame.width(), available.left(), available.width()),
                             clampInto(frame.top(), frame.height(), available.top(), available.height())));
    return frame;
}

ExerciseArea exerciseArea(const QSize& outer) {
    const QSize extra = outer - kOpeningSize;
    const QRect text(kExerciseArea.topLeft(), QSize(std::max(0, kExerciseArea.width() + extra.width()),
                                                    std::max(0, kExerciseArea.height() + extra.height())));
    return {text, QRect(text.topLeft(), QSize(text.width(), kFichHeight))};
}

int animationFrameTop(int insideHeight) {
    constexpr int kMargin = 4;  // under the frame, as above the window's bottom edge
    const int shortBy = kAnimationFrame.bottom() + 1 + kMargin - insideHeight;
    return kAnimationFrame.top() - std::clamp(shortBy, 0, kMostRise);
}

}  // namespace tavir::ui::window_frame

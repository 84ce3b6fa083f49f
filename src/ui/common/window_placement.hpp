#pragma once
// Where a window of ours opens: next to the main window when the screen leaves room for it
// there, otherwise centred on it; never off the screen.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tavir::ui {

// owner: the main window's frame; size: the new window's; screen: the available area. Beside
// the owner at full size where a side has room, else beside it narrowed to the wider side's
// room when that leaves at least minimumWidth, else centred on it. The frame to give it.
QRect placeBesideOrCentred(const QRect& owner, const QSize& size, const QRect& screen, int minimumWidth);
// Moves the window there, next to or over owner's top-level window, on owner's screen.
void placeNextTo(QWidget& window, const QWidget& owner);

}  // namespace tavir::ui

#pragma once
// Our pictures for the six animation buttons `Command16(0..5)`.
#include <QIcon>

namespace tavir::ui {

// The picture of the button of this index: 0 fast backwards, 1 one frame back, 2 stop,
// 3 play, 4 one frame forward, 5 fast forwards.
QIcon animationButtonIcon(int index);

}  // namespace tavir::ui

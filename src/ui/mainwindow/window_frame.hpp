#pragma once
// The main window's outer size and place, and where the extra room of a larger window goes.
// All sizes are outer sizes (title bar and borders included), in the screen's pixels.
#include <QRect>
#include <QSize>

namespace tavir::ui::window_frame {

// The window's outer size on screens wider than kSnapScreenWidth, and its least size anywhere.
inline constexpr QSize kOpeningSize{800, 600};
inline constexpr int kSnapScreenWidth = 850;
// The exercise area (`supertext`, with `fich` over its top) in a window of kOpeningSize.
inline constexpr QRect kExerciseArea{424, 331, 352, 214};
inline constexpr int kFichHeight = 20;

// The least outer size: the opening size, but never more than the screen's free area holds.
QSize minimumSize(const QRect& available);

// Where the window opens. On a wide screen: the opening size, centred on the screen; on a
// narrow one: the current frame. Either way shrunk and moved so that the whole window, title
// bar first, lies in the screen's free area.
QRect openingFrame(const QRect& screen, const QRect& available, const QRect& current);

struct ExerciseArea {
    QRect supertext;
    QRect fich;
};
// The exercise area of a window of that outer size: the extra room beyond kOpeningSize is
// all its own, and a smaller window takes it from the area alone.
ExerciseArea exerciseArea(const QSize& outer);

// The Animation frame's top in a window of that inside height: 296 as designed, raised into
// the gap under the drawing frame (by up to kMostRise pixels) where the window is too short to
// show its buttons, as on a 1920 x 1080 screen at scale 2.
inline constexpr QRect kAnimationFrame{16, 296, 393, 249};
inline constexpr int kMostRise = 20;
int animationFrameTop(int insideHeight);

}  // namespace tavir::ui::window_frame

#pragma once
// The box shown in place of a picture the exercise area cannot draw (WMF, EMF): the
// picture's own size, crossed, with its kind written in the middle when there is room.
#include "core/canvas/canvas.hpp"
#include "core/richtext/rich_text.hpp"

namespace tavir {

void drawPicturePlaceholder(Canvas& canvas, int width, int height, PictureFormat format);

}  // namespace tavir

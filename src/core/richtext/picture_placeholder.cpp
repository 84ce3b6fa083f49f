#include "core/richtext/picture_placeholder.hpp"

#include <string>

#include "core/richtext/texts.hpp"

namespace tavir {

void drawPicturePlaceholder(Canvas& canvas, int width, int height, PictureFormat format) {
    constexpr Rgb kFill{236, 236, 236};
    constexpr Rgb kLines{150, 150, 150};
    constexpr Rgb kLabel{90, 90, 90};
    if (width < 1 || height < 1) return;
    canvas.box(0, 0, width - 1, height - 1, kFill, true);
    canvas.line(0, 0, width - 1, height - 1, kLines, 1);
    canvas.line(0, height - 1, width - 1, 0, kLines, 1);
    canvas.box(0, 0, width - 1, height - 1, kLines, false);
    const std::string label = std::string(format == PictureFormat::Emf ? richtext_texts::kEmfPlaceholder
                                                                       : richtext_texts::kWmfPlaceholder);
    const Font font{8, false};
    const int w = canvas.textWidth(label, font);
    const int h = canvas.textHeight(label, font);
    if (w + 8 > width || h + 4 > height) return;
    const int x = (width - w) / 2;
    const int y = (height - h) / 2;
    canvas.box(x - 3, y - 1, x + w + 2, y + h, kFill, true);
    canvas.text(x, y, label, font, kLabel);
}

}  // namespace tavir

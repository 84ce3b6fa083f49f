#pragma once
// The core's Canvas over a QPainter: a widget, an offscreen image, a printer or an SVG file.
#include <QColor>
#include <QRect>
#include <functional>

#include "core/canvas/canvas.hpp"

class QPainter;

namespace tavir::ui {

QColor toQColor(Rgb c);

// A PDF file, a printer, an SVG file or a recorded picture: what is drawn there should stay
// vectors rather than become bitmaps.
bool isVectorDevice(const QPainter& painter);

class QtCanvas : public Canvas {
public:
    // area: the picture's rectangle in the canvas's own units (what clear() paints);
    // backdrop: what clear() draws over the back colour.
    QtCanvas(QPainter& painter, const QRect& area, QColor backColour,
             std::function<void(QPainter&)> backdrop = {});

    void clear() override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, int width) override;
    void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) override;
    void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) override;
    void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) override;
    int textWidth(const std::string& utf8, const Font& font) override;
    int textHeight(const std::string& utf8, const Font& font) override;
    void sprite(int x, int y, int elementCode) override;

private:
    QPainter& painter_;
    QRect area_;
    QColor back_;
    std::function<void(QPainter&)> backdrop_;
};

}  // namespace tavir::ui

#pragma once
// The core's Canvas over a QPainter: a widget, an offscreen image, a printer or an SVG file.
#include <QColor>
#include <QRect>

#include "core/canvas/canvas.hpp"

class QPainter;

namespace tavir::ui {

QColor toQColor(Rgb c);
Rgb toRgb(const QColor& c);

// A PDF file, a printer, an SVG file or a recorded picture: what is drawn there should stay
// vectors rather than become bitmaps.
bool isVectorDevice(const QPainter& painter);

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);
    // A plain picture: area in the canvas's own units, painted with the back colour by clear().
    QtCanvas(QPainter& painter, const QRect& area, QColor backColour);

    void clear() override;
    // Clears the pixels of an image; a vector page has nothing to clear.
    void erase(int x, int y, int width, int height) override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, int width) override;
    void box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) override;
    void dottedBox(int x1, int y1, int x2, int y2, Rgb colour) override;
    void circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) override;
    void verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) override;
    void text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) override;
    int textWidth(const std::string& utf8, const Font& font) override;
    int textHeight(const std::string& utf8, const Font& font) override;
    void sprite(int x, int y, int elementCode) override;
    void save() override;
    void restore() override;
    void translate(double dx, double dy) override;
    void scale(double sx, double sy) override;
    void clipRect(int x, int y, int width, int height) override;
    void setAntialiasing(bool on) override;

private:
    QPainter& painter_;
};

}  // namespace tavir::ui

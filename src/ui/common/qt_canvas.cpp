#include "ui/common/qt_canvas.hpp"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <tuple>

#include "ui/common/element_pictures.hpp"
#include "ui/common/fonts.hpp"

namespace tavir::ui {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Rgb toRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())};
}

bool isVectorDevice(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine) return false;
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::SVG:
    case QPaintEngine::Picture: return true;
    default: return false;
    }
}

namespace {

bool atScreenScale(const QPainter& p) {
    const QTransform t = p.deviceTransform();
    return t.m11() == 1 && t.m22() == 1 && t.m12() == 0 && t.m21() == 0;
}

// A backdrop as the screen shows it, drawn once into a picture of its rectangle.
QPixmap screenBackdrop(const Background& b) {
    QPixmap pixmap(b.width, b.height);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.translate(-b.x, -b.y);
    QtCanvas canvas(p);
    canvas.setBackground(b);
    paintBackground(canvas, true);
    return pixmap;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {}

QtCanvas::QtCanvas(QPainter& painter, const QRect& area, QColor backColour) : painter_(painter) {
    setBackground({area.x(), area.y(), area.width(), area.height(), toRgb(backColour), Backdrop::None});
}

void QtCanvas::clear() {
    const Background& b = background();
    if (b.colour && b.backdrop != Backdrop::None && !isVectorDevice(painter_) && atScreenScale(painter_)) {
        // Painted every frame on screen: the prepared picture is the fast way.
        static std::map<std::tuple<int, int, int, int, Backdrop>, QPixmap> prepared;
        const auto key = std::make_tuple(b.x, b.y, b.width, b.height, b.backdrop);
        auto it = prepared.find(key);
        if (it == prepared.end())
            it = prepared.emplace(key, screenBackdrop({b.x, b.y, b.width, b.height, Rgb{255, 255, 255}, b.backdrop}))
                     .first;
        painter_.fillRect(QRect(b.x, b.y, b.width, b.height), toQColor(*b.colour));
        painter_.drawPixmap(b.x, b.y, it->second);
        return;
    }
    painter_.save();
    paintBackground(*this, false);
    painter_.restore();
}

void QtCanvas::erase(int x, int y, int width, int height) {
    if (isVectorDevice(painter_)) return;
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.fillRect(QRect(x, y, width, height), Qt::transparent);
    painter_.restore();
}

void QtCanvas::line(int x1, int y1, int x2, int y2, Rgb colour, int width) {
    QPen pen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap);
    painter_.setPen(pen);
    painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::box(int x1, int y1, int x2, int y2, Rgb colour, bool filled) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    if (filled) {
        painter_.fillRect(r, toQColor(colour));
    } else {
        painter_.setPen(QPen(toQColor(colour), 1));
        painter_.setBrush(Qt::NoBrush);
        // An outline from corner to corner inclusive: drawRect adds the pen's pixel otherwise.
        painter_.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
    }
}

void QtCanvas::dottedBox(int x1, int y1, int x2, int y2, Rgb colour) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    painter_.setPen(QPen(toQColor(colour), 1, Qt::DotLine));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
}

void QtCanvas::circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) {
    painter_.setPen(QPen(toQColor(outline), 1));
    painter_.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPoint(x, y), radius, radius);
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::verticalGradient(int x, int y, int width, int height, std::span<const GradientStop> stops) {
    // Pixel centres: the first row takes the first stop's colour.
    QLinearGradient gradient(0, y + 0.5, 0, y + height + 0.5);
    for (const GradientStop& s : stops) gradient.setColorAt(s.at, toQColor(s.colour));
    painter_.fillRect(QRect(x, y, width, height), gradient);
}

void QtCanvas::text(int x, int y, const std::string& utf8, const Font& font, Rgb colour) {
    const QFont f = arialFont(font.pointSize, font.bold);
    painter_.setFont(f);
    painter_.setPen(toQColor(colour));
    painter_.drawText(QPoint(x, y + QFontMetrics(f).ascent()), QString::fromStdString(utf8));
}

int QtCanvas::textWidth(const std::string& utf8, const Font& font) {
    return QFontMetrics(arialFont(font.pointSize, font.bold)).horizontalAdvance(QString::fromStdString(utf8));
}

int QtCanvas::textHeight(const std::string&, const Font& font) {
    return QFontMetrics(arialFont(font.pointSize, font.bold)).height();
}

void QtCanvas::sprite(int x, int y, int elementCode) {
    if (isVectorDevice(painter_)) {
        paintElementPicture(painter_, elementCode, QRectF(x, y, 32, 32));
        return;
    }
    const qreal scale = painter_.deviceTransform().m11();
    const QPixmap p = elementPicture(elementCode, qMax<qreal>(1.0, scale));
    if (!p.isNull()) painter_.drawPixmap(QRect(x, y, 32, 32), p);
}

void QtCanvas::save() { painter_.save(); }
void QtCanvas::restore() { painter_.restore(); }
void QtCanvas::translate(double dx, double dy) { painter_.translate(dx, dy); }
void QtCanvas::scale(double sx, double sy) { painter_.scale(sx, sy); }
void QtCanvas::clipRect(int x, int y, int width, int height) {
    painter_.setClipRect(QRect(x, y, width, height), Qt::IntersectClip);
}

void QtCanvas::setAntialiasing(bool on) { painter_.setRenderHint(QPainter::Antialiasing, on); }

}  // namespace tavir::ui

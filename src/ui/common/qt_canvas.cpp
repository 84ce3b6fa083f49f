#include "ui/common/qt_canvas.hpp"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include "ui/common/element_pictures.hpp"
#include "ui/common/fonts.hpp"

namespace tavir::ui {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

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

QtCanvas::QtCanvas(QPainter& painter, const QRect& area, QColor backColour, std::function<void(QPainter&)> backdrop)
    : painter_(painter), area_(area), back_(backColour), backdrop_(std::move(backdrop)) {}

void QtCanvas::clear() {
    painter_.fillRect(area_, back_);
    if (backdrop_) backdrop_(painter_);
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

void QtCanvas::circle(int x, int y, int radius, Rgb outline, std::optional<Rgb> fill) {
    painter_.setPen(QPen(toQColor(outline), 1));
    painter_.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPoint(x, y), radius, radius);
    painter_.setBrush(Qt::NoBrush);
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

}  // namespace tavir::ui

// The core's own font metrics, which lay out the SVG drawings of the companion and the
// browser, agree with the desktop's font for every text the views draw.
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

#include "core/canvas/svg_canvas.hpp"
#include "ui/common/qt_canvas.hpp"

using namespace tavir;

class CanvasMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void viewTextsMeasureAlike() {
        QPixmap pixmap(10, 10);
        QPainter painter(&pixmap);
        ui::QtCanvas desktop(painter);
        SvgCanvas drawing(10, 10);
        // The symbols, counts and charges of the formula and the dot structure, in their sizes.
        const char* texts[] = {"C", "H", "O", "N", "Cl", "2", "3", "4", "6", "+", "-", "2-", "CH4", "NH4+", "C2H6O", "CO2"};
        for (double points : {12.0, 10.0, 8.0}) {
            const Font font{points, false};
            QCOMPARE(drawing.textHeight("N", font), desktop.textHeight("N", font));
            for (const char* text : texts)
                QVERIFY2(drawing.textWidth(text, font) == desktop.textWidth(text, font),
                         qPrintable(QStringLiteral("%1 at %2 pt").arg(QString::fromLatin1(text)).arg(points)));
        }
    }
};

QTEST_MAIN(CanvasMetricsTest)
#include "canvas_metrics_test.moc"

// The first window's pictures come from PNGs drawn when the program was built: each must be
// the very drawing the SVG gives now, the icons must match Qt's own SVG icons, and opening the
// window must draw no SVG at all.
#include <QApplication>
#include <QIcon>
#include <QtTest>

#include "ui/common/application_setup.hpp"
#include "ui/common/svg_drawing.hpp"
#include "ui/common/svg_pixmap.hpp"
#include "ui/geometry3d/animation_buttons.hpp"
#include "support/window_fixture.hpp"

using namespace tavir::ui;

namespace {
QImage pixelsOf(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
}  // namespace

class DrawnAheadTest : public QObject {
    Q_OBJECT

private slots:
    void pngsAreTheLiveDrawing_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("pixels");
        for (const DrawnAheadPicture& picture : kDrawnAheadPictures)
            for (const double scale : kDrawnAheadScales) {
                const QSize pixels = drawnPixels(picture, scale);
                QTest::addRow("%s %dx%d", picture.resource, pixels.width(), pixels.height())
                    << QString::fromLatin1(picture.resource) << pixels;
            }
    }
    void pngsAreTheLiveDrawing() {
        QFETCH(QString, resource);
        QFETCH(QSize, pixels);
        const int before = svgDrawingsMade();
        const QImage ahead = svgImage(resource, pixels);
        QCOMPARE(svgDrawingsMade(), before);  // read, not drawn
        QCOMPARE(ahead.size(), pixels);
        QCOMPARE(pixelsOf(ahead), pixelsOf(drawSvg(resource, pixels)));
    }

    // A size nobody drew ahead is drawn on the spot, sharp.
    void otherSizesAreDrawnNow() {
        const int before = svgDrawingsMade();
        const QPixmap smile = svgPixmap(QStringLiteral(":/pictures/smile.svg"), QSize(24, 24), 3.0);
        QCOMPARE(svgDrawingsMade(), before + 1);
        QCOMPARE(smile.size(), QSize(72, 72));
        QCOMPARE(smile.devicePixelRatio(), 3.0);
    }

    void iconsMatchQtsSvgIcons_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<int>("side");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("mode");
        const QString play = QStringLiteral(":/pictures/step-3.svg");
        const QString program = QStringLiteral(":/icons/fr.tavir.Tavir.svg");
        QTest::newRow("play button") << play << animationButtonIcon(3) << 16 << 1.0 << int(QIcon::Normal);
        QTest::newRow("play button at 1.5") << play << animationButtonIcon(3) << 16 << 1.5 << int(QIcon::Normal);
        QTest::newRow("play button at 2") << play << animationButtonIcon(3) << 16 << 2.0 << int(QIcon::Normal);
        QTest::newRow("play button, disabled") << play << animationButtonIcon(3) << 16 << 1.0 << int(QIcon::Disabled);
        QTest::newRow("window icon 32") << program << programIcon() << 32 << 1.0 << int(QIcon::Normal);
        QTest::newRow("window icon 128") << program << programIcon() << 128 << 1.0 << int(QIcon::Normal);
        QTest::newRow("window icon 48, not ahead") << program << programIcon() << 48 << 1.0
                                                   << int(QIcon::Normal);
    }
    void iconsMatchQtsSvgIcons() {
        QFETCH(QString, resource);
        QFETCH(QIcon, icon);
        QFETCH(int, side);
        QFETCH(double, scale);
        QFETCH(int, mode);
        const QIcon qts(resource);
        const auto m = QIcon::Mode(mode);
        const QPixmap expected = qts.pixmap(QSize(side, side), scale, m);
        const QPixmap ours = icon.pixmap(QSize(side, side), scale, m);
        QVERIFY(!expected.isNull());
        QCOMPARE(ours.size(), expected.size());
        QCOMPARE(ours.devicePixelRatio(), expected.devicePixelRatio());
        QCOMPARE(pixelsOf(ours.toImage()), pixelsOf(expected.toImage()));
    }

    void theFirstWindowDrawsNoSvg() {
        const int before = svgDrawingsMade();
        testing::WindowFixture fx;
        QVERIFY(fx.open());
        QTest::qWait(50);
        QCOMPARE(svgDrawingsMade(), before);
        fx.close();
    }
};

QTEST_MAIN(DrawnAheadTest)
#include "drawn_ahead_test.moc"

// A window opens whole on its screen, title bar included, even where 800 x 600 pixels do not
// fit: a 1920 x 1080 screen at scale 2 holds 960 x 540.
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "support/screen_main.hpp"
#include "support/window_fixture.hpp"
#include "ui/mainwindow/window_frame.hpp"

using namespace tavir::ui;

class ScaledScreenTest : public QObject {
    Q_OBJECT
    testing::WindowFixture fx;

private slots:
    void openingFrame_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("current");
        QTest::addColumn<QRect>("opened");
        const QRect unplaced(0, 0, 804, 604);
        QTest::newRow("1024 x 768: centred") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 768) << unplaced
                                             << QRect(112, 84, 800, 600);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 1024) << unplaced
                                       << QRect(2160, 212, 800, 600);
        QTest::newRow("a panel takes the top") << QRect(0, 0, 1024, 640) << QRect(0, 48, 1024, 592) << unplaced
                                               << QRect(112, 48, 800, 592);
        QTest::newRow("scale 2 on 1920 x 1080") << QRect(0, 0, 960, 540) << QRect(0, 0, 960, 540) << unplaced
                                                << QRect(80, 0, 800, 540);
        QTest::newRow("narrow: the desktop's place") << QRect(0, 0, 800, 800) << QRect(0, 0, 800, 800)
                                                     << QRect(0, 100, 800, 600) << QRect(0, 100, 800, 600);
        QTest::newRow("narrow: held on the screen") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 570)
                                                    << QRect(-30, -20, 804, 604) << QRect(0, 0, 800, 570);
    }
    void openingFrame() {
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        QFETCH(QRect, current);
        QFETCH(QRect, opened);
        QCOMPARE(window_frame::openingFrame(screen, available, current), opened);
    }

    void theWindowOpensWholeAndOnlyTheAreaShrinks() {
        QVERIFY(fx.open());
        MainWindow& window = *fx.window;
        QCOMPARE(window.screen()->geometry(), QRect(0, 0, 960, 540));
        QCOMPARE(window.frameGeometry(), QRect(80, 0, 800, 540));
        // 60 pixels short of 600: all of them come out of the exercise area.
        QCOMPARE(fx.child<QTextEdit>(QStringLiteral("supertext"))->geometry(), QRect(424, 331, 352, 154));
        QCOMPARE(fx.child(QStringLiteral("fdev"))->geometry().topLeft(), QPoint(424, 56));
        // The Animation frame rises into the gap above it until its buttons show whole.
        QCOMPARE(fx.child(QStringLiteral("Frame2"))->geometry(), QRect(16, 285, 393, 249));
        QVERIFY(fx.child(QStringLiteral("Frame2"))->geometry().bottom() < window.height());
        // The pictures of the window are drawn for the screen's pixels, not blown up.
        for (const char* name : {"phototavir", "smile", "BTEXO"}) {
            auto* picture = fx.child<QLabel>(QString::fromLatin1(name));
            const QPixmap pixmap = picture->pixmap();
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QCOMPARE(pixmap.size(), picture->size() * 2);
        }
        window.resize(700, 300);
        QCOMPARE(window.frameGeometry().size(), QSize(800, 540));
        fx.close();
    }
};

int main(int argc, char** argv) { return tavir::ui::testing::runOnScreen<ScaledScreenTest>(argc, argv, 1920, 1080, "2"); }

#include "window_on_scaled_screen_test.moc"

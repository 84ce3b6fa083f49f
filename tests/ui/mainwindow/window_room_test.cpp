// A larger main window gives all its extra room to the exercise area; it never gets smaller
// than 800 x 600 pixels. On a 1920 x 1080 screen.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "support/screen_main.hpp"
#include "support/window_fixture.hpp"

using namespace tavir::ui;

namespace {
// Every widget of the window but the exercise area, by name and class, with its place in
// the window: none of them may move or change size.
QMap<QString, QRect> fixedWidgets(const QWidget& window, const QWidget* area) {
    QMap<QString, QRect> places;
    int unnamed = 0;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow() || w == area || area->isAncestorOf(w) || w->objectName() == QLatin1String("fich"))
            continue;
        const QString name = w->objectName().isEmpty() ? QStringLiteral("#%1").arg(unnamed++) : w->objectName();
        places.insert(name + QLatin1Char(' ') + QLatin1String(w->metaObject()->className()),
                      QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
    }
    return places;
}
}  // namespace

class WindowRoomTest : public QObject {
    Q_OBJECT
    testing::WindowFixture fx;

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void extraRoomGoesToTheExerciseArea_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("got");
        QTest::newRow("the least size") << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(1024, 768);
        QTest::newRow("1600 x 1000") << QSize(1600, 1000) << QSize(1600, 1000);
        QTest::newRow("wider only") << QSize(1200, 600) << QSize(1200, 600);
        QTest::newRow("smaller: refused") << QSize(640, 480) << QSize(800, 600);
        QTest::newRow("narrower, taller") << QSize(700, 900) << QSize(800, 900);
    }
    void extraRoomGoesToTheExerciseArea() {
        QFETCH(QSize, asked);
        QFETCH(QSize, got);
        MainWindow& window = *fx.window;
        QCOMPARE(window.frameGeometry(), QRect(560, 240, 800, 600));
        auto* supertext = fx.child<QTextEdit>(QStringLiteral("supertext"));
        const QMap<QString, QRect> before = fixedWidgets(window, supertext);
        QVERIFY(before.size() > 60);

        // Sizes are outer sizes, the frame included.
        const QSize frame = window.frameGeometry().size() - window.size();
        window.resize(asked - frame);
        QCOMPARE(window.frameGeometry().size(), got);
        const QSize extra = got - QSize(800, 600);
        QCOMPARE(supertext->geometry(), QRect(424, 331, 352 + extra.width(), 214 + extra.height()));
        QCOMPARE(fx.child<QLineEdit>(QStringLiteral("fich"))->geometry(), QRect(424, 331, 352 + extra.width(), 20));
        QCOMPARE(fixedWidgets(window, supertext), before);

        // The gradient reaches the bottom edge; the shadow follows the area's corner.
        const QImage image = window.grab().toImage();
        QCOMPARE(image.size(), window.size());
        if (got.height() > 600) QCOMPARE(image.pixelColor(5, image.height() - 1), QColor(200, 200, 180));
        QCOMPARE(image.pixelColor(image.width() - 1, 0), QColor(255, 255, 255));
        const QRect text = supertext->geometry();
        QCOMPARE(image.pixelColor(text.right() + 2, text.bottom() + 2), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(text.right() + 5, text.bottom() + 5), image.pixelColor(5, text.bottom() + 5));
    }

    void maximisedTheAreaTakesTheScreen() {
        MainWindow& window = *fx.window;
        window.showMaximized();
        QTRY_COMPARE(window.frameGeometry(), QRect(0, 0, 1920, 1080));
        QCOMPARE(fx.child<QTextEdit>(QStringLiteral("supertext"))->geometry(), QRect(424, 331, 1472, 694));
        window.showNormal();
        QTRY_COMPARE(window.frameGeometry(), QRect(560, 240, 800, 600));
        QCOMPARE(fx.child<QTextEdit>(QStringLiteral("supertext"))->geometry(), QRect(424, 331, 352, 214));
    }
};

int main(int argc, char** argv) { return tavir::ui::testing::runOnScreen<WindowRoomTest>(argc, argv, 1920, 1080); }

#include "window_room_test.moc"

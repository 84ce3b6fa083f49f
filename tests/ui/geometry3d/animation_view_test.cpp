// The 3D frame of the main window: buttons, slider, options and the turning picture.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "core/board/construction.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

class AnimationViewTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<MainWindow>& window = fx.window;
    template <typename T = QWidget>
    T* child(const QString& name) {
        return fx.child<T>(name);
    }
    void build(const char* construction) { fx.build(construction); }

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void buttonsCarryTheirTooltips() {
        const char* tooltips[] = {"Retour rapide",       "Image précédente", "Arrêter l'animation",
                                  "Activer l'animation", "Image suivante",   "Avance rapide"};
        for (int i = 0; i < 6; ++i) {
            auto* b = child<QPushButton>(QStringLiteral("Command16_%1").arg(i));
            QVERIFY(b);
            QCOMPARE(b->toolTip(), QString::fromUtf8(tooltips[i]));
            QVERIFY(!b->icon().isNull());
        }
        // Left to right: activer, arrêter, retour rapide, précédente, suivante, avance rapide.
        QVERIFY(child(QStringLiteral("Command16_3"))->x() < child(QStringLiteral("Command16_2"))->x());
        QVERIFY(child(QStringLiteral("Command16_2"))->x() < child(QStringLiteral("Command16_0"))->x());
        QVERIFY(child(QStringLiteral("Command16_4"))->x() < child(QStringLiteral("Command16_5"))->x());
    }

    void sliderSetsTheTimerAndExplainsItself() {
        auto* slider = child<QSlider>(QStringLiteral("Slider1"));
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(slider->value(), 50);
        QCOMPARE(timer->interval(), 55);
        slider->setValue(0);
        QCOMPARE(timer->interval(), 5);
        slider->setValue(200);
        QCOMPARE(timer->interval(), 205);
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), slider->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        QCOMPARE(window->info(), QString::fromUtf8("Utiliser le curseur pour modifier la vitesse de l'animation 3D"));
    }

    // On the black frame the groove shows across the slider and the handle stands out of it,
    // at the value's end.
    void sliderShowsOnTheBlackFrame_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("handleOnTheLeft");
        QTest::newRow("slowest") << 0 << true;
        QTest::newRow("fastest") << 200 << false;
    }
    void sliderShowsOnTheBlackFrame() {
        QFETCH(int, value);
        QFETCH(bool, handleOnTheLeft);
        auto* slider = child<QSlider>(QStringLiteral("Slider1"));
        slider->setValue(value);
        const QImage image = child(QStringLiteral("Frame2"))->grab(slider->geometry()).toImage();
        const int middle = image.height() / 2;
        int lit = 0;
        for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, middle)) > 100;
        QVERIFY2(lit > image.width() * 8 / 10, qPrintable(QString::number(lit)));
        // The tallest lit column is the handle.
        int handleX = -1, tallest = 0;
        for (int x = 0; x < image.width(); ++x) {
            int height = 0;
            for (int y = 0; y < image.height(); ++y) height += qGray(image.pixel(x, y)) > 100;
            if (height > tallest) tallest = height, handleX = x;
        }
        QVERIFY2(tallest >= 12, qPrintable(QString::number(tallest)));
        QCOMPARE(handleX < image.width() / 2, handleOnTheLeft);
    }

    void stoppedModelStepsAndShowsItsGeometry() {
        build("34222424242232223232322");  // methane
        child<QPushButton>(QStringLiteral("Command16_2"))->click();
        QVERIFY(!window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        const QImage before = child(QStringLiteral("D3D"))->grab().toImage();
        child<QPushButton>(QStringLiteral("Command16_5"))->click();
        const QImage after = child(QStringLiteral("D3D"))->grab().toImage();
        QVERIFY(before != after);
        QVERIFY(child<QLabel>(QStringLiteral("C3D"))->text().endsWith(QString::fromUtf8("tétraédrique.")));
        auto* figure = child<QCheckBox>(QStringLiteral("tetra1"));
        QVERIFY(figure->isVisible());
        QCOMPARE(figure->text(), QString::fromUtf8("Géométrie"));
        // The figure shows at once while stopped: black edges appear.
        figure->setChecked(true);
        const QImage withFigure = child(QStringLiteral("D3D"))->grab().toImage();
        int black = 0;
        for (int y = 0; y < withFigure.height(); ++y)
            for (int x = 0; x < withFigure.width(); ++x) black += qGray(withFigure.pixel(x, y)) < 30;
        QVERIFY(black > 50);
    }

    // A drag across the 3D view turns the model and stops it; a click alone does neither.
    void dragTurnsTheModelByHand() {
        build("34222424242232223232322");
        QWidget* d3d = child(QStringLiteral("D3D"));
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        const auto send = [d3d](QEvent::Type type, int x, Qt::MouseButtons held) {
            const QPointF at(x, 100);
            QMouseEvent event(type, at, d3d->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(d3d, &event);
        };
        send(QEvent::MouseButtonPress, 100, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, 100, Qt::NoButton);
        QVERIFY(timer->isActive());
        send(QEvent::MouseButtonPress, 50, Qt::LeftButton);
        const int pressed = window->workspace().frameCounter();
        const QImage before = d3d->grab().toImage();
        send(QEvent::MouseMove, 90, Qt::LeftButton);
        send(QEvent::MouseMove, 150, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, 150, Qt::NoButton);
        QVERIFY(!timer->isActive());
        QCOMPARE(window->workspace().frameCounter(), (pressed + 50) % 628);
        QVERIFY(d3d->grab().toImage() != before);
    }

    void timerTicksTurnTheModel() {
        build("34222424242232223232322");
        const int before = window->workspace().frameCounter();
        QTRY_VERIFY_WITH_TIMEOUT(window->workspace().frameCounter() >= before + 3, 2000);
        QVERIFY(!child<QLabel>(QStringLiteral("C3D"))->text().isEmpty());
    }
};

QTEST_MAIN(AnimationViewTest)
#include "animation_view_test.moc"

// The formula box, the dot-structure box, its options and the information window, offscreen.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "core/board/construction.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
// Counts the pixels of one exact colour in a widget's picture (its drawing area only: the
// option boxes below it have red and blue captions).
int countPixels(QWidget* w, const QColor& colour) {
    const QImage image = w->grab(QRect(0, 18, w->width(), 130)).toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}
}  // namespace

class DotStructureViewTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<MainWindow>& window = fx.window;
    QWidget* child(const char* name) { return fx.child(QString::fromLatin1(name)); }
    void build(const char* construction) { fx.build(construction); }

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void acceptedShowsFormulaAndStructure() {
        build("54222222242232222222322");  // water
        QVERIFY(child("smile")->isVisible());
        QVERIFY(child("brute")->isVisible());
        QVERIFY(!child("phototavir")->isVisible());
        QVERIFY(child("Check1")->isVisible());
        QVERIFY(child("Check2")->isVisible());
        QVERIFY(child("Check3")->isVisible());
        // The formula's ink: something darker than the box's grey.
        const QImage formula = child("brute")->grab().toImage();
        int ink = 0;
        for (int y = 0; y < formula.height(); ++y)
            for (int x = 0; x < formula.width(); ++x) ink += qGray(formula.pixel(x, y)) < 100;
        QVERIFY(ink > 20);
    }

    void colourOptionsRecolourOnlyWhatTheyName() {
        build("54222222242232222222322");
        QWidget* fdev = child("fdev");
        const QColor red(255, 0, 0);
        const QColor blue(0, 0, 255);
        QCOMPARE(countPixels(fdev, red), 0);
        QCOMPARE(countPixels(fdev, blue), 0);
        static_cast<QCheckBox*>(child("Check1"))->setChecked(true);
        QVERIFY(countPixels(fdev, red) > 10);
        QCOMPARE(countPixels(fdev, blue), 0);
        static_cast<QCheckBox*>(child("Check2"))->setChecked(true);
        QVERIFY(countPixels(fdev, blue) > 10);
        static_cast<QCheckBox*>(child("Check1"))->setChecked(false);
        QCOMPARE(countPixels(fdev, red), 0);
        QVERIFY(countPixels(fdev, blue) > 10);
    }

    void rejectedIsCoveredAndOpensTheInformationWindow() {
        build("32222222222222222222222");  // a lone carbon
        QVERIFY(!child("smile")->isVisible());
        QVERIFY(!child("brute")->isVisible());
        QVERIFY(child("phototavir")->isVisible());
        QVERIFY(!child("Check1")->isVisible());
        // The charges box stays within reach over the cover picture.
        QVERIFY(child("Check3")->isVisible());
        QCOMPARE(child("fdev")->childAt(child("Check3")->geometry().center()), child("Check3"));
        QString title;
        QPoint where;
        QString note;
        ModalHooks::dialog = [&](QDialog& d) {
            title = d.windowTitle();
            where = d.pos();
            note = d.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            return d.result();
        };
        QTest::mouseClick(child("phototavir"), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(title, QStringLiteral("Tavir"));
        QCOMPARE(where, child("fdev")->mapToGlobal(QPoint(0, 0)));
        QVERIFY(note.contains(QString::fromUtf8("doublet")));
        QVERIFY(note.contains(QString::fromUtf8("octet")));
    }

    void pressOnTheViewsExplainsWhereToEdit() {
        QTest::mousePress(child("D3D"), Qt::LeftButton);
        QCOMPARE(window->info(),
                 QString::fromUtf8("Pour modifier la construction, utilisez la procédure Dessiner (à gauche de l'écran)."));
        window->setInfo(QString());
        build("54222222242232222222322");
        QTest::mousePress(child("fdev"), Qt::LeftButton, {}, QPoint(200, 20));
        QVERIFY(window->info().startsWith(QStringLiteral("Pour modifier")));
    }
};

QTEST_MAIN(DotStructureViewTest)
#include "dot_structure_view_test.moc"

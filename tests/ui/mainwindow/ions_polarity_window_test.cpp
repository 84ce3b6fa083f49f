// Ions, the carbocation's vacancy and the polarity box, driven in the main window as a pupil
// would: drops, right clicks, the menus' items and the option boxes.
#include <QAction>
#include <QCheckBox>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "core/board/elements.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {
void dropOnto(QWidget* target, QDrag& drag) {
    QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(16, 16), Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Dark pixels of the dot-structure box around a board point (the box shows board point
// (x, y) at pixel (x + 60, y + 36)).
int inkNear(QWidget* fdev, int boardX, int boardY, int radius = 0) {
    const QImage image = fdev->grab().toImage();
    int ink = 0;
    for (int y = boardY + 36 - radius; y <= boardY + 36 + radius; ++y)
        for (int x = boardX + 60 - radius; x <= boardX + 60 + radius; ++x) ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

struct MenuSeen {
    QString name;
    QStringList visible;  // object names of the visible items
};
}  // namespace

class IonsPolarityWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    QWidget* cell(int i) { return fx.child(QStringLiteral("surd_%1").arg(i)); }
    QWidget* fdev() { return fx.child(QStringLiteral("fdev")); }
    QString c3d() { return fx.child<QLabel>(QStringLiteral("C3D"))->text(); }
    void dragPaletteTo(int element, int targetCell) {
        ModalHooks::drag = [&](QDrag& d) {
            dropOnto(cell(targetCell), d);
            return Qt::MoveAction;
        };
        QTest::mousePress(fx.child(QStringLiteral("Imagea_%1").arg(element - 1)), Qt::LeftButton, {}, QPoint(16, 16));
    }
    // Right click at a point of a cell; the item of that object name is chosen.
    MenuSeen rightClick(int c, QPoint at, const QString& choose) {
        MenuSeen seen;
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            seen.name = m.objectName();
            QAction* chosen = nullptr;
            for (QAction* a : m.actions()) {
                if (a->isVisible() && !a->isSeparator()) seen.visible << a->objectName();
                if (a->objectName() == choose && a->isEnabled()) chosen = a;
            }
            return chosen;
        };
        QTest::mouseRelease(cell(c), Qt::RightButton, {}, at);
        return seen;
    }
    void tickCharges() { QTest::mouseClick(fx.child<QCheckBox>(QStringLiteral("Check3")), Qt::LeftButton, {}, QPoint(6, 8)); }

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void nitrateTakesItsDoubleBondFromTheMenu() {
        dragPaletteTo(kNitrogen, 0);
        tickCharges();
        for (int target : {1, 5, 9}) dragPaletteTo(kOxygen, target);
        // The oxygen above nitrogen: its whole cell is its bond's zone.
        const MenuSeen menu = rightClick(9, QPoint(16, 16), QStringLiteral("zza_2"));
        QCOMPARE(menu.name, QStringLiteral("menuflo"));
        QCOMPARE(fx.window->workspace().analysis().formula, std::string("NO3-"));
        QVERIFY(fx.child(QStringLiteral("smile"))->isVisible());
        QTRY_VERIFY(c3d().contains(QString::fromUtf8("120°")));
    }

    void vacancyChosenOnTheCarbonAndDrawnAsABox() {
        tickCharges();
        for (auto [element, target] : {std::pair{kCarbon, 0}, {kHydrogen, 1}, {kHydrogen, 5}, {kHydrogen, 9}})
            dragPaletteTo(element, target);
        QCOMPARE(fx.window->workspace().analysis().formula, std::string("CH3-"));
        // The pair stands on the free left side, board x = 37, from y = 42 to 54.
        QVERIFY(inkNear(fdev(), 37, 48) > 0);
        // The left of the carbon holds no bond: only the two items of the choice.
        MenuSeen menu = rightClick(0, QPoint(5, 16), QStringLiteral("lacune"));
        QCOMPARE(menu.name, QStringLiteral("menuatome"));
        QCOMPARE(menu.visible, (QStringList{QStringLiteral("doublet"), QStringLiteral("lacune")}));
        QCOMPARE(fx.window->workspace().analysis().formula, std::string("CH3+"));
        QVERIFY(fx.child(QStringLiteral("smile"))->isVisible());
        // The box's long sides at x = 35 and 39, its middle empty.
        QCOMPARE(inkNear(fdev(), 37, 48), 0);
        QVERIFY(inkNear(fdev(), 35, 48) > 0);
        QVERIFY(inkNear(fdev(), 39, 48) > 0);
        QTRY_VERIFY(c3d().endsWith(QString::fromUtf8("La structure est plane.")));
        // On the bond above, the bond items come first; the pair comes back from the menu.
        menu = rightClick(0, QPoint(16, 5), QStringLiteral("doublet"));
        QCOMPARE(menu.visible, (QStringList{QStringLiteral("zzb_1"), QStringLiteral("zzb_2"), QStringLiteral("zzb_3"),
                                            QStringLiteral("doublet"), QStringLiteral("lacune")}));
        QCOMPARE(fx.window->workspace().analysis().formula, std::string("CH3-"));
        QVERIFY(inkNear(fdev(), 37, 48) > 0);
    }

    void noChoiceWithoutTheFormalCharges() {
        for (auto [element, target] : {std::pair{kCarbon, 0}, {kHydrogen, 1}, {kHydrogen, 5}, {kHydrogen, 9}})
            dragPaletteTo(element, target);
        const MenuSeen menu = rightClick(0, QPoint(5, 16), QStringLiteral("lacune"));
        QVERIFY(menu.name.isEmpty());
    }

    void polarityBoxAddsTheMarksAndTheSentence() {
        auto* check4 = fx.child<QCheckBox>(QStringLiteral("Check4"));
        QVERIFY(!check4->isVisible());
        fx.build("54222222242232222222322");  // water
        QVERIFY(check4->isVisible());
        QTRY_VERIFY(c3d().endsWith(QString::fromUtf8("coudée.")));
        const QImage before = fdev()->grab().toImage();
        QTest::mouseClick(check4, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(check4->isChecked());
        QVERIFY(fdev()->grab().toImage() != before);
        QVERIFY(c3d().endsWith(QString::fromUtf8("coudée.\nLa molécule est polaire.")) ||
                c3d().endsWith(QString::fromUtf8("coudée.\r\nLa molécule est polaire.")));
        fx.build("35222225222242222242222");  // carbon dioxide
        QTRY_VERIFY(c3d().endsWith(QString::fromUtf8("La molécule est apolaire.")));
        QTest::mouseClick(check4, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!c3d().contains(QString::fromUtf8("apolaire")));
        // A rejected construction hides the box.
        fx.build("32222222222222222222222");
        QVERIFY(!check4->isVisible());
    }
};

QTEST_MAIN(IonsPolarityWindowTest)
#include "ions_polarity_window_test.moc"

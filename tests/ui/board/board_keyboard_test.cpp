// Editing the board from the keyboard in the real window: focus, keys, frame, names.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "ui/board/board_view.hpp"
#include "core/board/elements.hpp"
#include "core/session/workspace.hpp"
#include "core/canvas/colour.hpp"
#include "support/window_fixture.hpp"

namespace tavir::ui {

class BoardKeyboardTest : public QObject {
    Q_OBJECT
    testing::WindowFixture fx;

    BoardView* board() const { return fx.child<BoardView>(QStringLiteral("dessineur")); }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void type(const QString& keys) {
        for (QChar k : keys) QTest::keyClick(focused(), k.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), key, modifiers); }
    QImage grabBoard() const { return board()->grab().toImage(); }

private slots:
    void init() {
        QVERIFY(fx.open());
        QApplication::setActiveWindow(fx.window.get());
        // Keys reach the board from the start, on the first centre.
        QTRY_VERIFY(board()->cell(0)->hasFocus());
    }
    void cleanup() { fx.close(); }

    void buildsWaterAndUndoesARemovalLikeTheMouse() {
        type(QStringLiteral("o"));
        press(Qt::Key_Right);
        type(QStringLiteral("h"));
        press(Qt::Key_Left);
        press(Qt::Key_Up);
        type(QStringLiteral("H"));
        QCOMPARE(board()->focusedCell(), 9);
        QVERIFY(board()->cell(9)->hasFocus());
        const Workspace& ws = fx.window->workspace();
        QVERIFY2(ws.view().smile, "water is accepted");
        const QString water = fx.board();

        press(Qt::Key_Delete);
        QCOMPARE(ws.board().record.code[9], 0);
        QVERIFY(!ws.view().smile);
        auto* undo = fx.child<QPushButton>(QStringLiteral("Command13"));
        QVERIFY(undo->isEnabled());
        undo->click();
        QCOMPARE(fx.board(), water);
    }

    // On the black 3D frame a box reached by Tab lights up: no stop of the round is invisible.
    void boxesOnTheBlackFrameShowTheirFocus() {
        fx.build("54222222242232222222322");  // water: its "Géométrie" box shows with the next tick
        QTRY_VERIFY(fx.child<QCheckBox>(QStringLiteral("tetra1"))->isVisible());
        for (const char* name : {"compact", "tetra1"}) {
            auto* box = fx.child<QCheckBox>(QString::fromLatin1(name));
            const auto lit = [box] {
                const QImage image = box->grab().toImage();
                int n = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) n += qBlue(image.pixel(x, y)) < 200 && qRed(image.pixel(x, y)) > 230;
                return n;
            };
            QCOMPARE(lit(), 0);
            for (int i = 0; i < 30 && !box->hasFocus(); ++i) press(Qt::Key_Tab);
            QVERIFY(box->hasFocus());
            QVERIFY2(lit() > box->width() * box->height() / 3, name);
        }
    }

    // Tab alone leads to the charges box and back to the board, where the keys build ammonium.
    void tabReachesTheChargesBoxAndTheBoardAgain() {
        type(QStringLiteral("n"));
        auto* check3 = fx.child<QCheckBox>(QStringLiteral("Check3"));
        auto tabUntil = [&](auto reached) {
            for (int i = 0; i < 80 && !reached(); ++i) press(Qt::Key_Tab);
            return reached();
        };
        QVERIFY(tabUntil([&] { return check3->hasFocus(); }));
        press(Qt::Key_Space);
        QVERIFY(check3->isChecked());
        QVERIFY(tabUntil([&] { return board()->cell(0)->hasFocus(); }));
        // Arriving by Tab tells the keys in the information line, whole.
        auto* info = fx.child<QLabel>(QStringLiteral("info"));
        QVERIFY(info->text().startsWith(QStringLiteral("Au clavier")));
        const QRect needed = info->fontMetrics().boundingRect(QRect(QPoint(), QSize(info->width(), 1000)),
                                                              Qt::TextWordWrap, info->text());
        QVERIFY2(needed.height() <= info->height(), qPrintable(QString::number(needed.height())));
        press(Qt::Key_Right);
        type(QStringLiteral("h"));
        press(Qt::Key_Left);
        press(Qt::Key_Up);
        type(QStringLiteral("h"));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        type(QStringLiteral("h"));
        press(Qt::Key_Up);
        press(Qt::Key_Left);
        type(QStringLiteral("h"));
        QCOMPARE(fx.window->workspace().analysis().formula, std::string("NH4+"));
        // The board is one stop of the chain, whichever cell the keys are on.
        QVERIFY(tabUntil([&] { return check3->hasFocus(); }));
        QVERIFY(tabUntil([&] { return board()->cell(7)->hasFocus(); }));
    }

    void orderKeysFollowTheBondMenu_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("slotOneOrder");
        QTest::newRow("double carbon-oxygen") << QStringLiteral("c\x01o2") << 2;
        QTest::newRow("triple refused to oxygen") << QStringLiteral("c\x01o3") << 1;
        QTest::newRow("triple carbon-nitrogen") << QStringLiteral("c\x01n3") << 3;
    }
    void orderKeysFollowTheBondMenu() {
        QFETCH(QString, keys);
        QFETCH(int, slotOneOrder);
        for (QChar k : keys) {
            if (k == QChar(1)) press(Qt::Key_Right);
            else type(QString(k));
        }
        QCOMPARE(int(fx.window->workspace().board().record.slot[1]), slotOneOrder);
    }

    void shortcutsWithAltStayTheWindows() {
        QString opened;
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            opened = m.objectName();
            return nullptr;
        };
        press(Qt::Key_N, Qt::AltModifier);  // "&Nouveau"
        QTRY_COMPARE(opened, QStringLiteral("nbdel"));
        QCOMPARE(int(fx.window->workspace().board().record.code[0]), int(kEmpty));  // no nitrogen placed
    }

    void focusFrameShowsOnlyWhileTheKeyboardIsUsed() {
        const QImage beforeKeys = grabBoard();
        press(Qt::Key_Right);  // to cell 1, whose frame lies at x 64..95, y 32..63
        QVERIFY(board()->focusFrameShown());
        const QImage framed = grabBoard();
        const Rgb blue = paletteColour(palette::kLightBlue);
        for (QPoint p : {QPoint(64, 40), QPoint(65, 40), QPoint(95, 50), QPoint(80, 63)})
            QCOMPARE(framed.pixelColor(p), QColor(blue.r, blue.g, blue.b));
        QVERIFY(beforeKeys.pixelColor(64, 40) != framed.pixelColor(64, 40));
        // A click hides it again until the next key.
        QTest::mousePress(board()->cell(4), Qt::RightButton, {}, QPoint(16, 16));
        QCOMPARE(board()->focusedCell(), 4);
        QVERIFY(!board()->focusFrameShown());
    }

    void cellsTellScreenReadersWhatTheyHold() {
        type(QStringLiteral("c"));
        press(Qt::Key_Right);
        type(QStringLiteral("o2"));
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(board()->cell(1));
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Case ligne 2, colonne 3 : oxygène"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("liaison double"));
        QCOMPARE(QAccessible::queryAccessibleInterface(board()->cell(8))->text(QAccessible::Name),
                 QStringLiteral("Case ligne 1, colonne 1 : vide"));
    }
};

}  // namespace tavir::ui

QTEST_MAIN(tavir::ui::BoardKeyboardTest)
#include "board_keyboard_test.moc"

// The main window driven through its real handlers, offscreen.
#include <QAction>
#include <QCheckBox>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include "ui/common/qt_text.hpp"
#include "ui/board/board_view.hpp"
#include "core/board/elements.hpp"
#include "ui/board/texts.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/window_placement.hpp"
#include "ui/help/help_window.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "support/message_capture.hpp"
#include "support/window_fixture.hpp"

using namespace tavir;
using namespace tavir::ui;

namespace {

// Drops whatever is dragged onto a widget, as a release of the mouse over it would.
void dropOnto(QWidget* target, QDrag& drag) {
    QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(16, 16), Qt::MoveAction | Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
// The pointer moves over a widget.
void hover(QWidget* w, QPoint pos = QPoint(5, 5)) {
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowFixture fx;
    std::unique_ptr<MainWindow>& window = fx.window;
    QWidget* cell(int i) { return window->findChild<QWidget*>(QStringLiteral("surd_%1").arg(i)); }
    QWidget* palette(int element) {
        return window->findChild<QWidget*>(QStringLiteral("Imagea_%1").arg(element - 1));
    }
    void dragPaletteTo(int element, int targetCell) {
        ModalHooks::drag = [&](QDrag& d) {
            dropOnto(cell(targetCell), d);
            return Qt::MoveAction;
        };
        QTest::mousePress(palette(element), Qt::LeftButton, {}, QPoint(16, 16));
        ModalHooks::drag = nullptr;
    }
    QString board() const { return fx.board(); }

private slots:
    void init() { QVERIFY(fx.open()); }
    void cleanup() { fx.close(); }

    void startsAsDescribed() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavir"));
        QCOMPARE(window->info(), utf8(ui::board_texts::kHoverBackground));
        for (const auto& b : ui::board_texts::kButtons) {
            auto* button = window->findChild<QPushButton*>(utf8(b.name));
            QVERIFY2(button, b.name.data());
            QCOMPARE(button->text(), utf8(b.caption));
            QCOMPARE(button->toolTip(), utf8(b.tooltip));
        }
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("Command13"))->isEnabled());
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("Command14"))->isEnabled());
        QCOMPARE(window->findChild<QWidget*>(QStringLiteral("Option3_0"))->toolTip(),
                 QString::fromUtf8("Construction n° 1"));
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("smile"))->isVisible());
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("phototavir"))->isVisible());
    }

    void aSmallScreenHoldsTheWholeWindow() {
        // The offscreen screen is 800 x 800 pixels, not wider than 850: the window keeps its own
        // size as far as the screen holds it whole, and never gets smaller than 800 x 600 outside.
        QCOMPARE(window->frameGeometry(), QRect(0, 0, 800, 604));
        window->resize(500, 400);
        QCOMPARE(window->frameGeometry(), QRect(0, 0, 800, 600));
    }

    void backgroundIsTheGradient() {
        const QImage image = window->grab().toImage();
        // x = 5 lies left of every control; c = 255 - 55 y / 600, b = 255 - 75 y / 600.
        QCOMPARE(image.pixelColor(5, 0), QColor(255, 255, 255));
        QCOMPARE(image.pixelColor(5, 300), QColor(228, 228, 218));
        QCOMPARE(image.pixelColor(5, 580), QColor(202, 202, 183));
    }

    void dropFromPaletteThenMoveOffTheBoardDeletes() {
        dragPaletteTo(kCarbon, 9);
        QCOMPARE(board(), QStringLiteral("32222222222222222222222"));  // moved to its centre
        dragPaletteTo(kOxygen, 3);
        QCOMPARE(board(), QStringLiteral("33222222222232222222222").replace(1, 1, QStringLiteral("5")));
        // Lift the oxygen and let it go outside every cell.
        ModalHooks::drag = [](QDrag&) { return Qt::IgnoreAction; };
        QTest::mousePress(cell(1), Qt::LeftButton, {}, QPoint(16, 16));
        QCOMPARE(board(), QStringLiteral("32222222222222222222222"));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("Command13"))->isEnabled());
    }

    void movedAtomLandsWhereDropped() {
        dragPaletteTo(kCarbon, 0);
        dragPaletteTo(kHydrogen, 1);
        ModalHooks::drag = [&](QDrag& d) {
            dropOnto(cell(2), d);
            return Qt::MoveAction;
        };
        QTest::mousePress(cell(1), Qt::LeftButton, {}, QPoint(16, 16));
        // Two atoms always end on the two centres.
        QCOMPARE(window->workspace().board().record.code[1], kHydrogen);
        QCOMPARE(window->workspace().board().record.slot[1], 1);
    }

    // A pupil rests on a cell, or on the help beside the board, until a tip could show, then
    // drags from the palette: the press must reach the palette picture, not a tip over it.
    void dragAfterRestingOnTheBoardDropsTheAtom_data() {
        QTest::addColumn<QString>("rested");
        QTest::addColumn<int>("element");
        QTest::newRow("centre cell, then O") << QStringLiteral("surd_0") << int(kOxygen);
        QTest::newRow("lower cell, then N") << QStringLiteral("surd_4") << int(kNitrogen);
        QTest::newRow("lower cell, then Cl") << QStringLiteral("surd_5") << int(kChlorine);
        QTest::newRow("keyboard help, then N") << QStringLiteral("info2") << int(kNitrogen);
    }
    void dragAfterRestingOnTheBoardDropsTheAtom() {
        QFETCH(QString, rested);
        QFETCH(int, element);
        QApplication::setActiveWindow(window.get());
        QWidget* restedOn = fx.child(rested);
        const QPoint at(20, 24);
        QHelpEvent help(QEvent::ToolTip, at, restedOn->mapToGlobal(at));
        QApplication::sendEvent(restedOn, &help);
        QTest::qWait(50);

        const QPoint target = palette(element)->mapToGlobal(QPoint(16, 16));
        QWidget* under = QApplication::widgetAt(target);
        QCOMPARE(under, palette(element));
        ModalHooks::drag = [&](QDrag& d) {
            dropOnto(cell(0), d);
            return Qt::MoveAction;
        };
        QTest::mousePress(under, Qt::LeftButton, {}, under->mapFromGlobal(target));
        ModalHooks::drag = nullptr;
        QCOMPARE(int(window->workspace().board().record.code[0]), element);
        // The keys' table stays one rest away, beside the board.
        QVERIFY(fx.child(QStringLiteral("info2"))->toolTip().startsWith(QStringLiteral("Au clavier")));
    }

    // Help and course open beside the main window when the screen leaves room, narrowed to
    // the wider side's room down to a readable width, else centred on it; never beyond the
    // screen.
    void helpWindowPlacement_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        // The screen: 1920 x 1080, from (0, 0); 480 pixels is the narrowest page beside.
        QTest::newRow("room on the right") << QRect(100, 50, 800, 600) << QSize(760, 560) << QRect(908, 50, 760, 560);
        QTest::newRow("room on the left only") << QRect(1000, 50, 800, 600) << QSize(760, 560) << QRect(232, 50, 760, 560);
        QTest::newRow("window centred: beside, narrowed") << QRect(560, 240, 800, 600) << QSize(760, 560)
                                                         << QRect(1368, 240, 552, 560);
        QTest::newRow("no readable room: centred") << QRect(300, 240, 1400, 600) << QSize(760, 560)
                                                   << QRect(620, 260, 760, 560);
        QTest::newRow("beside, held on the screen") << QRect(0, 700, 800, 600) << QSize(760, 560)
                                                    << QRect(808, 520, 760, 560);
        QTest::newRow("centred, held on the screen") << QRect(-300, -200, 2400, 900) << QSize(760, 560)
                                                     << QRect(520, 0, 760, 560);
    }
    void helpWindowPlacement() {
        QFETCH(QRect, owner);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        QCOMPARE(placeBesideOrCentred(owner, size, QRect(0, 0, 1920, 1080), 480), expected);
    }

    void helpAndCourseEachKeepTheirPlace() {
        // The test screen is 800 x 600: no room beside, so centred on the main window.
        window->move(0, 0);
        const auto open = [this](const char* button, const char* name) {
            window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            auto* w = window->findChild<HelpWindow*>(QString::fromLatin1(name));
            return w && w->isVisible() ? w : nullptr;
        };
        HelpWindow* help = open("Command7", "aide");
        QVERIFY(help);
        const QRect main = window->frameGeometry(), opened = help->frameGeometry();
        QCOMPARE(opened.topLeft() - main.topLeft(),
                 QPoint((main.width() - opened.width()) / 2, (main.height() - opened.height()) / 2));
        // Moved by the pupil, the guide stays where it was left; the course has its own window
        // and its own place, kept too.
        help->move(5, 7);
        HelpWindow* course = open("Command9", "cours");
        QVERIFY(course && course != help);
        QCOMPARE(help->pos(), QPoint(5, 7));
        course->move(40, 30);
        help->close();
        course->close();
        QCOMPARE(open("Command7", "aide")->pos(), QPoint(5, 7));
        QCOMPARE(open("Command9", "cours")->pos(), QPoint(40, 30));
    }

    void chargesTickedThenAmmoniumBuiltByDrops() {
        auto* check3 = window->findChild<QCheckBox*>(QStringLiteral("Check3"));
        QVERIFY(!check3->isVisible());
        dragPaletteTo(kNitrogen, 0);
        // A lone nitrogen is refused, yet the box is there to be ticked.
        QVERIFY(check3->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("smile"))->isVisible());
        QTest::mouseClick(check3, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(check3->isChecked());
        for (int target : {1, 5, 7, 9}) dragPaletteTo(kHydrogen, target);
        QCOMPARE(board(), QStringLiteral("64222424242232223232322"));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("smile"))->isVisible());
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("brute"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("phototavir"))->isVisible());
        QCOMPARE(window->workspace().analysis().formula, std::string("NH4+"));
        // The mark's ring around board point (62, 31), 60 and 36 units into the box.
        auto ringInk = [&] {
            const QImage dots = window->findChild<QWidget*>(QStringLiteral("fdev"))->grab().toImage();
            int ink = 0;
            for (int y = 67 - 10; y <= 67 + 10; ++y)
                for (int x = 122 - 10; x <= 122 + 10; ++x) {
                    const int d2 = (x - 122) * (x - 122) + (y - 67) * (y - 67);
                    if (d2 >= 49 && d2 <= 81 && qGray(dots.pixel(x, y)) < 128) ++ink;
                }
            return ink;
        };
        QVERIFY(ringInk() > 20);
        QTRY_VERIFY(window->findChild<QLabel*>(QStringLiteral("C3D"))->text().endsWith(
            QString::fromUtf8("tétraédrique.")));

        // Unticked, the neutral rules take the fourth hydrogen away; undo brings the ion back,
        // box and all.
        QTest::mouseClick(check3, Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(window->workspace().analysis().formula, std::string("NH3"));
        QCOMPARE(ringInk(), 0);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command13")), Qt::LeftButton);
        QCOMPARE(board(), QStringLiteral("64222424242232223232322"));
        QVERIFY(check3->isChecked());
    }

    void bondMenuOffersWhatBothAtomsAllow_data() {
        QTest::addColumn<int>("centreElement");
        QTest::addColumn<int>("otherElement");
        QTest::addColumn<bool>("doubleEnabled");
        QTest::addColumn<bool>("tripleEnabled");
        QTest::newRow("hydrogen") << int(kCarbon) << int(kHydrogen) << false << false;
        QTest::newRow("carbon-oxygen") << int(kCarbon) << int(kOxygen) << true << false;
        QTest::newRow("carbon-nitrogen") << int(kCarbon) << int(kNitrogen) << true << true;
    }
    void bondMenuOffersWhatBothAtomsAllow() {
        QFETCH(int, centreElement);
        QFETCH(int, otherElement);
        QFETCH(bool, doubleEnabled);
        QFETCH(bool, tripleEnabled);
        dragPaletteTo(centreElement, 0);
        dragPaletteTo(otherElement, 1);
        QList<bool> enabled;
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            for (QAction* a : m.actions()) enabled << a->isEnabled();
            return m.actions().constLast()->isEnabled() ? m.actions().constLast() : m.actions().constFirst();
        };
        QTest::mouseRelease(cell(0), Qt::RightButton, {}, QPoint(28, 16));
        QCOMPARE(enabled, (QList<bool>{true, doubleEnabled, tripleEnabled}));
        QCOMPARE(window->workspace().board().record.slot[1], tripleEnabled ? 3 : 1);
    }

    void noMenuOnAMissingBondOrTheMiddleLine() {
        dragPaletteTo(kCarbon, 0);
        int shown = 0;
        ModalHooks::menu = [&](QMenu&, const QPoint&) -> QAction* {
            ++shown;
            return nullptr;
        };
        QTest::mouseRelease(cell(0), Qt::RightButton, {}, QPoint(28, 16));  // slot 1 without a bond
        dragPaletteTo(kHydrogen, 1);
        QTest::mouseRelease(cell(0), Qt::RightButton, {}, QPoint(16, 16));  // y = 16 chooses nothing
        QCOMPARE(shown, 0);
    }

    void hoverTexts() {
        hover(window->board(), QPoint(128, 96));
        QCOMPARE(window->info(), utf8(ui::board_texts::kHoverBoard));
        hover(cell(5));
        QCOMPARE(window->info(), utf8(ui::board_texts::kHoverCell));
        auto* copy = window->findChild<QPushButton*>(QStringLiteral("Command4"));
        auto* undo = window->findChild<QPushButton*>(QStringLiteral("Command13"));
        window->setInfo(utf8(ui::board_texts::kClipboardConfirmation));
        hover(copy);
        QCOMPARE(window->info(), utf8(ui::board_texts::kClipboardConfirmation));
        hover(undo);
        QCOMPARE(window->info(), QString::fromUtf8("Retrouver la construction avant la dernière modification."));
        hover(copy);
        QCOMPARE(window->info(), utf8(ui::board_texts::kHoverCopy));
        hover(window.get(), QPoint(5, 300));
        QCOMPARE(window->info(), utf8(ui::board_texts::kHoverBackground));
        // Out of a button onto the exercise area, or out of the window: its text goes.
        for (QWidget* left : {static_cast<QWidget*>(undo), static_cast<QWidget*>(window.get())}) {
            hover(undo);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(left, &leave);
            QCOMPARE(window->info(), utf8(ui::board_texts::kHoverBackground));
        }
    }

    // Each key does what its button does, wherever the focus is, and the buttons' Alt+letter
    // still work; in the exercise text Ctrl+Z undoes the typing, not the board.
    // Ctrl+N opens Nouveau with its first item lit: Entrée acts at once.
    void ctrlNLightsTheFirstItem() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->board()->setFocus();
        QAction* lit = nullptr;
        ModalHooks::menu = [&lit](QMenu& m, const QPoint& at) -> QAction* {
            m.popup(at);
            if (!QTest::qWaitFor([&m] { return m.activeAction() != nullptr; }, 1000)) qWarning("no item lit");
            lit = m.activeAction();
            m.hide();
            return nullptr;
        };
        QTest::keyClick(window->board(), Qt::Key_N, Qt::ControlModifier);
        ModalHooks::menu = nullptr;
        QVERIFY(lit);
        QCOMPARE(lit->objectName(), QStringLiteral("sq01"));
    }

    void shortcuts_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("effect");
        const QString board = QStringLiteral("board");
        QTest::newRow("Ctrl+Z Annuler") << QKeySequence(Qt::CTRL | Qt::Key_Z) << board << "undone";
        QTest::newRow("Ctrl+S Enregistrer") << QKeySequence(Qt::CTRL | Qt::Key_S) << board << "dialog enregistrer";
        QTest::newRow("Ctrl+O Ouvrir") << QKeySequence(Qt::CTRL | Qt::Key_O) << board << "dialog ouvrir";
        QTest::newRow("Ctrl+P Imprimer") << QKeySequence(Qt::CTRL | Qt::Key_P) << board << "dialog confimp";
        QTest::newRow("Ctrl+Q Fermer") << QKeySequence(Qt::CTRL | Qt::Key_Q) << board << "asked Fermer";
        QTest::newRow("Ctrl+N Nouveau") << QKeySequence(Qt::CTRL | Qt::Key_N) << board << "menu nbdel";
        QTest::newRow("Ctrl+S from the text") << QKeySequence(Qt::CTRL | Qt::Key_S) << "supertext" << "dialog enregistrer";
        QTest::newRow("Ctrl+Z in the text") << QKeySequence(Qt::CTRL | Qt::Key_Z) << "supertext" << "text undone";
        QTest::newRow("Alt+N still") << QKeySequence(Qt::ALT | Qt::Key_N) << board << "menu nbdel";
        QTest::newRow("Alt+O still") << QKeySequence(Qt::ALT | Qt::Key_O) << board << "dialog ouvrir";
    }
    void shortcuts() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, focus);
        QFETCH(QString, effect);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        fx.build("54222222242232222222322");
        // Just saved: Ouvrir and Fermer have no series question to ask first.
        window->workspace().seriesSaved();
        auto* text = window->findChild<QTextEdit*>(QStringLiteral("supertext"));
        // As after opening an exercise: the pupil may type.
        text->setReadOnly(false);
        text->setPlainText(QString());
        QWidget* target = focus == QLatin1String("board") ? static_cast<QWidget*>(window->board()) : text;
        target->setFocus();
        if (target == text) QTest::keyClicks(text, QStringLiteral("eau"));
        QStringList seen;
        ModalHooks::dialog = [&](QDialog& d) {
            seen << QStringLiteral("dialog ") + d.objectName();
            return int(QDialog::Rejected);
        };
        ModalHooks::menu = [&](QMenu& m, const QPoint&) -> QAction* {
            seen << QStringLiteral("menu ") + m.objectName();
            return nullptr;
        };
        testing::MessageCapture boxes;
        boxes.start(QMessageBox::Cancel);
        QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());
        const auto observed = [&] {
            QStringList all = seen;
            if (board() == QLatin1String("22222222222222222222222")) all << QStringLiteral("undone");
            if (target == text && text->toPlainText() != QLatin1String("eau")) all << QStringLiteral("text undone");
            for (const QString& title : boxes.titles) all << QStringLiteral("asked ") + title;
            return all;
        };
        // A button's Alt+letter presses it after a short animation.
        QTRY_COMPARE(observed(), QStringList{effect});
        QVERIFY(window->isVisible());
    }

    void closingAsksAndCancelKeepsTheWindow_data() {
        QTest::addColumn<bool>("seriesModified");
        QTest::addColumn<bool>("textModified");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("expectedTitles");
        QTest::addColumn<bool>("closes");
        const QString discard = utf8(ui::board_texts::kDiscardTitle);
        const QString series = utf8(ui::board_texts::kSeriesModifiedTitle);
        const int cancel = QMessageBox::Cancel, ok = QMessageBox::Ok;
        QTest::newRow("cancel quit") << false << false << "button" << QList<int>{cancel} << QStringList{"Fermer"} << false;
        QTest::newRow("ok quit") << false << false << "button" << QList<int>{ok} << QStringList{"Fermer"} << true;
        QTest::newRow("cancel discard") << false << true << "button" << QList<int>{cancel} << QStringList{discard} << false;
        QTest::newRow("ok discard, cancel quit")
            << false << true << "button" << QList<int>{ok, cancel} << QStringList{discard, "Fermer"} << false;
        // A modified series is asked about first, however the window is closed; its Annuler keeps
        // the window, "Ne pas enregistrer" goes on without the quit question, and "Enregistrer"
        // closes only once the series is written.
        QTest::newRow("series, Ctrl+Q, Annuler") << true << false << "ctrl+q" << QList<int>{cancel} << QStringList{series} << false;
        QTest::newRow("series, close box, Annuler") << true << false << "close box" << QList<int>{cancel} << QStringList{series} << false;
        QTest::newRow("series, Ctrl+Q, ne pas enregistrer")
            << true << false << "ctrl+q" << QList<int>{QMessageBox::Discard} << QStringList{series} << true;
        QTest::newRow("series, close box, save dialog cancelled")
            << true << false << "close box" << QList<int>{QMessageBox::Save} << QStringList{series} << false;
        QTest::newRow("series then text, Annuler")
            << true << true << "button" << QList<int>{QMessageBox::Discard, cancel} << QStringList{series, discard} << false;
    }
    void closingAsksAndCancelKeepsTheWindow() {
        QFETCH(bool, seriesModified);
        QFETCH(bool, textModified);
        QFETCH(QString, how);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, expectedTitles);
        QFETCH(bool, closes);
        if (seriesModified) fx.build("54222222242232222222322");
        window->workspace().setTextModified(textModified);
        const auto before = window->workspace().seriesEntries();
        QStringList dialogs;
        ModalHooks::dialog = [&](QDialog& d) {
            dialogs << d.objectName();
            return int(QDialog::Rejected);
        };
        testing::MessageCapture boxes;
        boxes.start(QMessageBox::Cancel);
        boxes.answers = answers;
        if (how == QLatin1String("button")) window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        else if (how == QLatin1String("ctrl+q")) QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        else window->close();
        ModalHooks::dialog = nullptr;
        QCOMPARE(boxes.titles, expectedTitles);
        QVERIFY(boxes.buttonTexts.contains(QStringLiteral("Annuler")));
        QCOMPARE(dialogs, answers.contains(QMessageBox::Save) ? QStringList{"enregistrer"} : QStringList{});
        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(window->workspace().textModified(), textModified);
        if (!closes) {
            QCOMPARE(window->workspace().seriesEntries(), before);
            QCOMPARE(window->workspace().seriesModified(), seriesModified);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

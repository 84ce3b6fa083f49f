// The calculator window driven as a pupil would: mouse on the keys, keyboard on the display
// or on the window, and the picture it paints.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QFontMetrics>
#include <QTest>

#include <memory>

#include "core/calculator/calculator_keys.hpp"
#include "ui/calculator/calculator_window.hpp"
#include "core/calculator/machine_background.hpp"
#include "core/calculator/texts.hpp"
#include "ui/calculator/texts.hpp"

using tavir::CalcKey;
using tavir::CalculatorMemory;
using tavir::ui::CalculatorWindow;

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QColor qc(tavir::Rgb c) { return QColor(c.r, c.g, c.b); }
}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private:
    CalculatorMemory memory_;
    std::unique_ptr<CalculatorWindow> window_;
    QLineEdit* z1_ = nullptr;

    void click(const QString& name) {
        auto* b = window_->findChild<QAbstractButton*>(name);
        QVERIFY2(b, qPrintable("no key " + name));
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    void init() {
        memory_ = {};
        window_ = std::make_unique<CalculatorWindow>(memory_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        z1_ = window_->findChild<QLineEdit*>(QStringLiteral("z1"));
        QVERIFY(z1_);
    }
    void cleanup() { window_.reset(); }

    void isTheModalMachine() {
        QCOMPARE(window_->objectName(), QStringLiteral("Machine"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Machine à calculer"));
        QVERIFY(window_->isModal());
        QCOMPARE(window_->size(), QSize(tavir::kMachineWidth, tavir::kMachineHeight));
    }

    void everyKeyIsAButtonNamedAfterItsControl() {
        for (const auto& info : tavir::calculatorKeys()) {
            QAbstractButton* b = window_->button(info.key);
            QVERIFY2(b, info.name.data());
            QCOMPARE(b->toolTip(), qs(info.tooltip));
            if (info.caption.empty()) QVERIFY2(!b->icon().isNull(), info.name.data());  // picture keys
            else QCOMPARE(b->text(), qs(info.caption));
            if (info.key < CalcKey::degres) {
                QCOMPARE(b->objectName(), qs(info.name));
                QVERIFY(qobject_cast<QPushButton*>(b));
            } else {
                QVERIFY(qobject_cast<QRadioButton*>(b));
            }
        }
        const QStringList options = {"angle0", "angle1", "C0", "C1"};
        for (const QString& name : options) QVERIFY(window_->findChild<QRadioButton*>(name));
        QVERIFY(window_->findChild<QRadioButton*>("angle0")->isChecked());
        QVERIFY(window_->findChild<QRadioButton*>("C1")->isChecked());
        QCOMPARE(window_->findChild<QRadioButton*>("C0")->text(), QStringLiteral("Scientifique"));
        QStringList frames;
        for (auto* box : window_->findChildren<QGroupBox*>()) frames << box->title();
        frames.sort();
        QCOMPARE(frames, QStringList({"Affichage", "Angles"}));
    }

    void keysLieInsideTheWindowWithoutOverlapping() {
        const QList<QPushButton*> keys = window_->findChildren<QPushButton*>();
        QCOMPARE(keys.size(), 49);
        const QRect inside(2, 2, 297, 426);  // within the white frame
        const QRect panel(QPoint(82, 290), QPoint(205, 420));
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QVERIFY2(inside.contains(keys[i]->geometry()), qPrintable(keys[i]->objectName()));
            for (qsizetype j = i + 1; j < keys.size(); ++j)
                QVERIFY2(!keys[i]->geometry().intersects(keys[j]->geometry()),
                         qPrintable(keys[i]->objectName() + " / " + keys[j]->objectName()));
        }
        for (const char* digit : {"B0", "B1", "B5", "B9", "Bpoint", "BtoEXP"})
            QVERIFY2(panel.contains(window_->findChild<QPushButton*>(digit)->geometry()), digit);
    }

    void mouseComputes_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("display");
        QTest::newRow("molar mass") << QStringList{"B1", "B2", "Bpoint", "B0", "B1", "B1", "plus", "B4", "multip",
                                                   "B1", "Bpoint", "B0", "B0", "B8", "EXE"}
                                    << "" << " 16.043";
        QTest::newRow("power of ten with prefix")
            << QStringList{"B10x", "B3", "multip", "B2", "B5", "mil", "EXE"} << "" << " 25";
        QTest::newRow("sin 30 degrees") << QStringList{"bsin", "B3", "B0", "EXE"} << "" << " .5";
        QTest::newRow("sin 30 radians") << QStringList{"angle1", "bsin", "B3", "B0", "EXE"} << ""
                                        << "-.988031624092862";
        QTest::newRow("unbalanced") << QStringList{"Bpo", "B2", "plus", "B3", "EXE"} << "(2 + 3"
                                    << qs(tavir::calculator_texts::kParentheses);
        QTest::newRow("scientific") << QStringList{"C0", "B5", "B0", "B0", "EXE"} << "" << "5.E+02";
        QTest::newRow("back to standard") << QStringList{"C0", "B5", "B0", "B0", "EXE", "C1"} << "" << " 500";
        QTest::newRow("backspace by token") << QStringList{"B2", "Bcos", "EFFACE"} << "2 * " << "2 * ";
        QTest::newRow("all clear") << QStringList{"B2", "plus", "RAZ"} << "" << "";
    }
    void mouseComputes() {
        QFETCH(QStringList, keys);
        QFETCH(QString, line);
        QFETCH(QString, display);
        for (const QString& k : keys) click(k);
        QCOMPARE(QString::fromStdString(window_->keys().line()), line);
        QCOMPARE(z1_->text(), display);
    }

    void keyboardComputes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("onWindow");
        QTest::addColumn<QString>("display");
        QTest::newRow("molar mass") << "12.011+4*1.008\r" << false << " 16.043";
        QTest::newRow("molar mass on the window") << "12.011+4*1.008\r" << true << " 16.043";
        QTest::newRow("exponent letters") << "2d3+1e-3\r" << false << " 2000.001";
        QTest::newRow("power") << "2^10\r" << false << " 1024";
        QTest::newRow("unbalanced") << "(2+3\r" << false << qs(tavir::calculator_texts::kParentheses);
        QTest::newRow("other keys do nothing") << "a5 x,\r" << false << " 5";
        QTest::newRow("implicit times") << "2(3)\r" << true << " 6";
        QTest::newRow("not yet evaluated") << "2*3" << false << "2 * 3";
    }
    void keyboardComputes() {
        QFETCH(QString, typed);
        QFETCH(bool, onWindow);
        QFETCH(QString, display);
        QWidget* target = onWindow ? static_cast<QWidget*>(window_.get()) : z1_;
        for (QChar ch : typed) {
            if (ch == '\r') QTest::keyClick(target, Qt::Key_Return);
            else QTest::keyClicks(target, QString(ch));
        }
        QCOMPARE(z1_->text(), display);
    }

    void backspaceAndEnterKeys() {
        QTest::keyClicks(z1_, "25");
        QTest::keyClick(z1_, Qt::Key_Backspace);
        QCOMPARE(z1_->text(), QStringLiteral("2"));
        QTest::keyClick(z1_, Qt::Key_Enter);  // the keypad's Enter
        QCOMPARE(z1_->text(), QStringLiteral(" 2"));
    }

    void mnemonicPressesItsKey() {
        QTest::keyClick(z1_, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(QString::fromStdString(window_->keys().line()), QStringLiteral("sin "));
    }

    // Typing keeps the caret after the last character; a result or a message shows whole, from
    // its first character, even the longest message.
    void displayShowsTypingFromTheEndAndMessagesWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("caretAtEnd");
        QTest::newRow("short line") << QStringLiteral("2*3") << true;
        QTest::newRow("line wider than the display") << QStringLiteral("123456789+123456789+123456789+1") << true;
        QTest::newRow("result") << QStringLiteral("2*3\r") << false;
        QTest::newRow("operators message") << QStringLiteral("2*+3\r") << false;
        QTest::newRow("parentheses message") << QStringLiteral("(2+3\r") << false;
        QTest::newRow("long result") << QStringLiteral("1/3\r") << false;
    }
    void displayShowsTypingFromTheEndAndMessagesWhole() {
        QFETCH(QString, typed);
        QFETCH(bool, caretAtEnd);
        for (QChar ch : typed) {
            if (ch == '\r') QTest::keyClick(z1_, Qt::Key_Return);
            else QTest::keyClicks(z1_, QString(ch));
        }
        QCOMPARE(QApplication::focusWidget(), z1_);
        if (caretAtEnd) {
            QCOMPARE(z1_->cursorPosition(), static_cast<int>(z1_->text().size()));
            return;
        }
        QCOMPARE(z1_->cursorPosition(), 0);
        // Whole: the text is not wider than the inside of the display.
        const int inside = z1_->width() - 2 * z1_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
        QVERIFY2(QFontMetrics(z1_->font()).horizontalAdvance(z1_->text()) < inside, qPrintable(z1_->text()));
        QVERIFY(z1_->font().pixelSize() >= 10);
        // The next key types in the display's own size again.
        QTest::keyClicks(z1_, QStringLiteral("4"));
        QCOMPARE(z1_->font().pixelSize(), 16);
    }

    void typingIsNotEditing() {
        QTest::keyClicks(z1_, "12");
        QApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClick(z1_, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(z1_, Qt::Key_Home);
        QTest::keyClick(z1_, Qt::Key_Delete);
        QTest::mouseClick(z1_, Qt::MiddleButton);
        QCOMPARE(z1_->text(), QStringLiteral("12"));
        QCOMPARE(QString::fromStdString(window_->keys().line()), QStringLiteral("12"));
    }

    void escapeKeepsTheWindowOpen() {
        QTest::keyClick(z1_, Qt::Key_Escape);
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(window_->isVisible());
    }

    void beepsOnErrorsOnly() {
        QSignalSpy beeps(window_.get(), &CalculatorWindow::beeped);
        QTest::keyClicks(z1_, "1/4\r");
        QCOMPARE(beeps.count(), 0);
        QTest::keyClicks(z1_, "1/0\r");
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(z1_->text(), QStringLiteral("Calcul impossible"));
        click("RAZ");
        QTest::keyClicks(z1_, "1e400\r");
        QCOMPARE(beeps.count(), 2);
        QCOMPARE(z1_->text(), QStringLiteral("Dépassement de capacité"));
    }

    void memorySurvivesReopening() {
        QTest::keyClicks(z1_, "12.5\r");
        click("Command1");
        window_.reset();
        window_ = std::make_unique<CalculatorWindow>(memory_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        z1_ = window_->findChild<QLineEdit*>(QStringLiteral("z1"));
        QCOMPARE(z1_->text(), QString());
        click("Command3");
        QCOMPARE(z1_->text(), QStringLiteral("12.5"));
        click("C0");
        click("RAZ");
        click("Command3");
        QCOMPARE(z1_->text(), QStringLiteral("1.25E+01"));
    }

    void paintsItsBackground() {
        const QImage image = window_->grab().toImage();
        const QColor white(255, 255, 255), black(0, 0, 0), cyan(0, 128, 128);
        // Gradient where no control covers it: the left margin and between the keys.
        QCOMPARE(image.pixelColor(0, 200), qc(tavir::machineGradient(0)));
        QCOMPARE(image.pixelColor(2, 200), qc(tavir::machineGradient(2)));
        QCOMPARE(image.pixelColor(150, 270), QColor(125, 175, 175));
        QCOMPARE(image.pixelColor(301, 200), QColor(50, 100, 100));
        // The frame's black top and left edges, over its white outline.
        QCOMPARE(image.pixelColor(150, 1), black);
        QCOMPARE(image.pixelColor(1, 200), black);
        // The panel: cyan outline one pixel up and left of the white one.
        QCOMPARE(image.pixelColor(81, 350), cyan);
        QCOMPARE(image.pixelColor(82, 350), white);
        QCOMPARE(image.pixelColor(140, 289), cyan);
        QCOMPARE(image.pixelColor(140, 290), white);
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"

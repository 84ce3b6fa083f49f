// The window opens at 800 x 600 pixels, centred, on a 1024 x 768 screen; it may grow, not shrink.
#include <QTemporaryDir>
#include <QtTest>

#include "ui/common/modal_hooks.hpp"
#include "support/screen_main.hpp"
#include "ui/mainwindow/main_window.hpp"

class SizeRuleTest : public QObject {
    Q_OBJECT
private slots:
    void opensCentredThenGrowsButNeverShrinks() {
        tavir::ui::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry(), QRect(112, 84, 800, 600));
        window.resize(500, 400);
        QCOMPARE(window.frameGeometry().size(), QSize(800, 600));
        window.move(0, 0);
        window.resize(900, 700);
        QCOMPARE(window.frameGeometry(), QRect(0, 0, 904, 704));
        tavir::ui::ModalHooks::message = [](QMessageBox&) { return int(QMessageBox::Ok); };
    }
};

int main(int argc, char** argv) { return tavir::ui::testing::runOnScreen<SizeRuleTest>(argc, argv, 1024, 768); }

#include "size_rule_test.moc"

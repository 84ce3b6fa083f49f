// The yardstick of the whole-process start-up benchmark: an empty main window of the same
// toolkit and size, built with the program's own flags.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("empty-qt-window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}

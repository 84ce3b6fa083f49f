// The second yardstick of the whole-process start-up benchmark: the empty main window showing
// one line of text, which is what the toolkit costs before a program draws anything of its
// own (the font database, the first font and its shaping).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("text-qt-window"));
    window.resize(800, 600);
    window.setCentralWidget(new QLabel(QStringLiteral("Formule brute : CH4")));
    window.show();
    return QApplication::exec();
}

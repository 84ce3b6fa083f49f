// tavir: the pupil's desktop program.
#include <QApplication>

#include "ui/common/application_setup.hpp"
#include "ui/mainwindow/main_window.hpp"

int main(int argc, char** argv) {
    tavir::ui::preferFrenchSystemLocale();
    QApplication app(argc, argv);
    tavir::ui::setUpApplication(app);

    tavir::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}

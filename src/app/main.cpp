// tavir: the pupil's desktop program. `tavir FILE` opens a series, an exercise or a text.
#include <QApplication>
#include <QStringList>

#include "ui/common/application_setup.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "ui/mainwindow/opened_file.hpp"

int main(int argc, char** argv) {
    tavir::ui::preferFrenchSystemLocale();
    QApplication app(argc, argv);
    tavir::ui::setUpApplication(app);

    // Qt has taken its own options out of the arguments; one file is opened, as the menu
    // entry passes one.
    const QStringList arguments = QApplication::arguments();
    const QString file = arguments.size() > 1 && !arguments.at(1).isEmpty()
                             ? tavir::ui::givenFilePath(arguments.at(1))
                             : QString();

    tavir::ui::MainWindow window;
    window.show();
    if (!file.isEmpty()) tavir::ui::openWhenShown(window, file);
    return QApplication::exec();
}

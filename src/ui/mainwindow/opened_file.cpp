#include "ui/mainwindow/opened_file.hpp"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "core/files/file_io.hpp"
#include "core/session/opened_file_kind.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/exercises/exercise_area.hpp"
#include "ui/mainwindow/main_window.hpp"
#include "ui/series/texts.hpp"

namespace tavir::ui {

namespace {

void openSeries(MainWindow& window, const QString& path) {
    if (!window.confirmSeriesReplaced()) return;
    // As the open dialog: the refused name stays the series file name.
    if (!isOrdinaryFile(path.toStdString())) {
        window.workspace().setSeriesFileName(path.toStdString());
        showMessage(&window, QMessageBox::Critical, utf8(series_texts::kOpenMissingTitle),
                    utf8(series_texts::kOpenMissing));
        return;
    }
    window.loadSeries(path);
}

// Waits for the window's first exposure, then opens the file from the event loop.
class OpenOnExposure : public QObject {
public:
    OpenOnExposure(MainWindow& window, QString path) : QObject(&window), window_(window), path_(std::move(path)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            openSoon(window_, path_);
            deleteLater();
        }
        return false;
    }

    // Queued, so that the window paints itself before a message box may cover it.
    static void openSoon(MainWindow& window, const QString& path) {
        QTimer::singleShot(0, &window, [&window, path] { openGivenFile(window, path); });
    }

private:
    MainWindow& window_;
    QString path_;
};

}  // namespace

QString givenFilePath(const QString& argument) {
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

void openGivenFile(MainWindow& window, const QString& path) {
    switch (openedFileKindOf(path.toStdString())) {
    case OpenedFileKind::Series: openSeries(window, path); return;
    case OpenedFileKind::Exercise: window.exercises()->openExercise(path); return;
    // The text loader refuses the others with their own message.
    case OpenedFileKind::Text:
    case OpenedFileKind::WordProcessorDocument:
    case OpenedFileKind::Unknown: window.exercises()->openText(path); return;
    }
}

void openWhenShown(MainWindow& window, const QString& path) {
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed()) {
        OpenOnExposure::openSoon(window, path);
        return;
    }
    handle->installEventFilter(new OpenOnExposure(window, path));
}

}  // namespace tavir::ui

#include "ui/series/series_dialogs.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QPushButton>

#include "core/session/workspace.hpp"
#include "ui/common/control_setup.hpp"
#include "ui/common/file_lists.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/user_folders.hpp"
#include "core/series/save_name.hpp"
#include "core/series/series_file.hpp"
#include "ui/series/texts.hpp"

namespace tavir::ui {

namespace {

QLabel* label(QWidget* parent, const char* name, std::string_view text, const QRect& geometry) {
    return makeControl<QLabel>(parent, utf8(text)).name(name).geometry(geometry);
}

// Keeps the hourglass on while a save is under way, whichever way the handler leaves; a
// message is shown with the ordinary pointer.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    int message(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
        QApplication::restoreOverrideCursor();
        const int answer = showMessage(parent, icon, utf8(title), utf8(text), buttons);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }
    void failure(QWidget* parent, const FileFailure& failure) {
        QApplication::restoreOverrideCursor();
        showFailure(parent, failure);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
};
}  // namespace

SeriesDialog::SeriesDialog(Workspace& workspace, QWidget* mainWindow, const QString& caption,
                           const QString& actionCaption, const QString& directoryLabel, const QString& filesLabel)
    : QDialog(mainWindow), workspace_(workspace) {
    setWindowTitle(caption);
    setFixedSize(420, 300);
    lists_ = new FileLists(this, utf8(series_texts::kFilePattern));
    QLabel* driveLabel = label(this, "Label1", series_texts::kDriveLabel, QRect(10, 8, 190, 18));
    setUp(lists_->drives()).geometry(10, 26, 190, 24).accessibleName(utf8(series_texts::kA11yDrive));
    QLabel* dirLabel = makeControl<QLabel>(this, directoryLabel).geometry(10, 58, 190, 18);
    setUp(lists_->directories()).geometry(10, 76, 190, 172).accessibleName(utf8(series_texts::kA11yDirectory));
    QLabel* filesLab = makeControl<QLabel>(this, filesLabel).geometry(215, 8, 195, 18);
    lists_->files()->setGeometry(215, 26, 195, 150);
    command1_ = makeControl<QPushButton>(this, actionCaption).name("Command1");
    command2_ = makeControl<QPushButton>(this, utf8(series_texts::kCancelButton))
                    .name("Command2")
                    .accessibleName(utf8(series_texts::kA11yCancelButton));
    connect(command1_, &QPushButton::clicked, this, [this] { action(); });
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
    // A combo box on Linux announces its current item as its name: its label comes from the
    // label that names it as its buddy.
    driveLabel->setBuddy(lists_->drives());
    dirLabel->setBuddy(lists_->directories());
    filesLab->setBuddy(lists_->files());
    if (mainWindow) move(mainWindow->geometry().topLeft() + QPoint(20, 20));
}

QString SeriesDialog::seriesFolder() const {
    const QString series = QString::fromStdString(workspace_.seriesFileName());
    return series.isEmpty() ? QString() : QFileInfo(series).absolutePath();
}

void SeriesDialog::startLists(const QString& folder) {
    if (folder.isEmpty() || !lists_->setPath(folder)) lists_->setPath(QDir::currentPath());
}

OpenSeriesDialog::OpenSeriesDialog(Workspace& workspace, QWidget* mainWindow)
    : SeriesDialog(workspace, mainWindow, utf8(series_texts::kOpenCaption), utf8(series_texts::kOpenButton),
                   utf8(series_texts::kOpenDirectoryLabel), utf8(series_texts::kOpenFilesLabel)) {
    setObjectName(QStringLiteral("ouvrir"));
    ficharge_ = makeControl<QLineEdit>(this)
                    .name("ficharge")
                    .geometry(10, 262, 400, 24)
                    .accessibleName(utf8(series_texts::kA11yOpenPath));
    lists_->files()->setAccessibleName(utf8(series_texts::kA11yOpenFiles));
    setUp(command1_).geometry(215, 190, 92, 30).accessibleName(utf8(series_texts::kA11yOpenButton));
    command2_->setGeometry(318, 190, 92, 30);
    command1_->setDefault(true);

    frame1_ = makeControl<QFrame>(this).name("Frame1").geometry(110, 110, 200, 50);
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setAutoFillBackground(true);
    label(frame1_, "Label4", series_texts::kOpenPatience, QRect(10, 15, 180, 20));
    frame1_->hide();

    connect(lists_, &FileLists::fileClicked, this, [this](const QString& name) {
        ficharge_->setText(QDir(lists_->path()).filePath(name));
        QDir::setCurrent(lists_->path());
    });
    connect(lists_, &FileLists::fileActivated, this, [this](const QString&) { action(); });
    connect(ficharge_, &QLineEdit::returnPressed, this, [this] { action(); });
    startLists(seriesFolder());
}

void SeriesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OpenSeriesDialog::action() {
    const QString path = ficharge_->text().trimmed();
    if (path.isEmpty()) return;
    // The refused name stays the series file name: the save dialog then proposes it.
    workspace_.setSeriesFileName(ficharge_->text().toStdString());
    if (!QFileInfo(path).isFile()) {
        showMessage(this, QMessageBox::Critical, utf8(series_texts::kOpenMissingTitle),
                    utf8(series_texts::kOpenMissing));
        return;
    }
    frame1_->show();
    frame1_->repaint();
    chosen_ = path;
    accept();
}

SaveSeriesDialog::SaveSeriesDialog(Workspace& workspace, QWidget* mainWindow)
    : SeriesDialog(workspace, mainWindow, utf8(series_texts::kSaveCaption), utf8(series_texts::kSaveButton),
                   utf8(series_texts::kSaveDirectoryLabel), utf8(series_texts::kSaveFilesLabel)) {
    setObjectName(QStringLiteral("enregistrer"));
    QLabel* nameLabel = label(this, "Label2", series_texts::kSaveNameLabel, QRect(215, 184, 195, 18));
    // A shipped series (opened with an exercise) is never written over: the same name is
    // proposed in the pupil's documents, and so is the folder when the current one is ours.
    QString proposed = QString::fromStdString(workspace.seriesFileName());
    QString folder = seriesFolder();
    if (insideProgramDirectory(folder.isEmpty() ? QDir::currentPath() : folder)) {
        folder = documentsFolder();
        if (!proposed.isEmpty()) proposed = QDir(folder).filePath(QFileInfo(proposed).fileName());
    }
    text1_ = makeControl<QLineEdit>(this, proposed)
                 .name("Text1")
                 .geometry(215, 202, 195, 24)
                 .accessibleName(utf8(series_texts::kA11ySaveName));
    nameLabel->setBuddy(text1_);
    lists_->files()->setAccessibleName(utf8(series_texts::kA11ySaveFiles));
    setUp(command1_).geometry(215, 236, 92, 30).accessibleName(utf8(series_texts::kA11ySaveButton));
    command2_->setGeometry(318, 236, 92, 30);

    connect(lists_, &FileLists::pathChanged, this, [this](const QString&) {
        const QString name = text1_->text();
        const int slash = name.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0) text1_->setText(name.mid(slash + 1));
    });
    connect(lists_, &FileLists::fileActivated, this, [this](const QString& name) {
        text1_->setText(name);
        action();
    });
    connect(text1_, &QLineEdit::returnPressed, this, [this] { action(); });
    startLists(folder);
    text1_->setFocus();
}

void SaveSeriesDialog::action() {
    WaitCursor hourglass;
    text1_->setText(text1_->text().trimmed());
    const SaveName name = seriesSaveName(text1_->text().toStdString(), lists_->path().toStdString());
    if (!name.ok()) {
        hourglass.message(this, QMessageBox::Critical, name.title, name.message);
        return;
    }
    const QString path = QString::fromStdString(*name.path);
    workspace_.setSeriesFileName(name.path->c_str());
    QDir::setCurrent(lists_->path());
    if (QFileInfo::exists(path) &&
        hourglass.message(this, QMessageBox::Warning, series_texts::kOverwriteTitle, series_texts::kOverwrite,
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const FileDone saved = saveSeriesFile(name.path->c_str(), workspace_.seriesEntries());
    if (!saved) {
        hourglass.failure(this, saved.failure());
        return;
    }
    saved_ = path;
    workspace_.seriesSaved();
    lists_->rescan();
    accept();
}

}  // namespace tavir::ui

#include "ui/common/file_lists.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>

#include "ui/common/file_dialogs.hpp"

namespace tavir::ui {

FileLists::FileLists(QWidget* dialog, const QString& pattern)
    : QObject(dialog), drive1_(new QComboBox(dialog)), dir1_(new QListWidget(dialog)),
      file1_(new QListWidget(dialog)), pattern_(pattern) {
    drive1_->setObjectName(QStringLiteral("Drive1"));
    dir1_->setObjectName(QStringLiteral("Dir1"));
    file1_->setObjectName(QStringLiteral("File1"));
    fillDrives();
    connect(drive1_, &QComboBox::activated, this, &FileLists::driveChosen);
    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
    connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(file1_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) emit fileClicked(item->text());
    });
    connect(file1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit fileActivated(item->text()); });
    dir1_->installEventFilter(this);
}

void FileLists::fillDrives() {
    drive1_->clear();
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root) && QFileInfo(root).isReadable()) roots << root;
    }
    const QString home = QDir::homePath();
    if (!roots.contains(home)) roots.insert(1, home);
    for (const QString& r : roots) drive1_->addItem(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon), r, r);
}

void FileLists::driveChosen(int index) {
    // A drive that cannot be read sends the list back to the folder's own drive.
    if (!setPath(drive1_->itemData(index).toString())) rescan();
}

bool FileLists::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable()) return false;
    path_ = QDir::cleanPath(info.absoluteFilePath());
    rescan();
    emit pathChanged(path_);
    return true;
}

void FileLists::rescan() {
    // The drive list shows the deepest root that holds the folder.
    int best = 0;
    for (int i = 0; i < drive1_->count(); ++i) {
        const QString root = drive1_->itemData(i).toString();
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((path_ == root || path_.startsWith(prefix)) && root.size() >= drive1_->itemData(best).toString().size())
            best = i;
    }
    drive1_->setCurrentIndex(best);
    fillDirectories();
    fillFiles();
}

void FileLists::fillDirectories() {
    dir1_->clear();
    QStringList chain;
    for (QDir d(path_);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    int level = 0;
    for (const QString& p : chain) {
        const QString name = p == QLatin1String("/") ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(open, QString(level * 2, QLatin1Char(' ')) + name, dir1_);
        item->setData(Qt::UserRole, p);
        ++level;
    }
    dir1_->setCurrentRow(dir1_->count() - 1);
    const auto subfolders = QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subfolders) {
        auto* item = new QListWidgetItem(closed, QString(level * 2, QLatin1Char(' ')) + sub.fileName(), dir1_);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }
}

void FileLists::fillFiles() {
    file1_->clear();
    QDir dir(path_);
    dir.setNameFilters({pattern_});
    // Without QDir::CaseSensitive the pattern matches names in any case ("x.c01" too).
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    // QDir counts a link as a file whatever it leads to: a device or a kernel's file too.
    for (const QFileInfo& file : dir.entryInfoList())
        if (ordinaryFile(file.absoluteFilePath())) file1_->addItem(file.fileName());
}

QString FileLists::selectedFile() const {
    const QListWidgetItem* item = file1_->currentItem();
    return item ? item->text() : QString();
}

bool FileLists::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dir1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (const QListWidgetItem* item = dir1_->currentItem()) setPath(item->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavir::ui

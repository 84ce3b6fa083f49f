#include "ui/common/file_dialogs.hpp"

#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "core/files/file_io.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/texts.hpp"

namespace tavir::ui {

namespace {

// The default provider asks the MIME database, which reads a file's first bytes whenever
// its name does not settle the type: on the window's thread, a read of /proc/kmsg or of a
// slow share freezes the window. Names alone decide here.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return utf8(common_texts::kFolderType);
        const QString suffix = info.suffix();
        const QString file = utf8(common_texts::kFileType);
        return suffix.isEmpty() ? file : file + QLatin1Char(' ') + suffix.toUpper();
    }
};

class OrdinaryFilesOnly : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files) return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || ordinaryFile(files->filePath(index));
    }
};

}  // namespace

bool ordinaryFile(const QString& path) { return isOrdinaryFile(QFile::encodeName(path).toStdString()); }

void showOnlyOrdinaryFiles(QFileDialog& dialog) {
    // A desktop's own dialog would take neither the filter nor the provider.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    static NameOnlyIconProvider provider;
    dialog.setIconProvider(&provider);
    dialog.setProxyModel(new OrdinaryFilesOnly(&dialog));
}

}  // namespace tavir::ui

#include "ui/common/user_folders.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/common/program_directory.hpp"

namespace tavir::ui {

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

bool insideProgramDirectory(const QString& path) {
    const QString program = programDirectory();
    if (program.isEmpty() || path.isEmpty()) return false;
    // Through links too: the folder may be reached by another name.
    const auto resolved = [](const QString& p) {
        const QFileInfo info(p);
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty()) return canonical;
        // A file still to be written: its folder decides.
        const QString folder = info.absoluteDir().canonicalPath();
        return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
    };
    const QString root = resolved(program);
    const QString candidate = resolved(path);
    return candidate == root || candidate.startsWith(root + QLatin1Char('/'));
}

}  // namespace tavir::ui

#include "ui/common/program_directory.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tavir::ui {

QString programDirectory() {
    const QDir bin(QCoreApplication::applicationDirPath());
    // Installed: <prefix>/bin/tavir and <prefix>/share/tavir. Build tree: build/src/app/tavir
    // (and the test programs two levels down too) with build/share/tavir.
    for (const char* relative : {"../share/tavir", "../../share/tavir", "../../../share/tavir"}) {
        const QFileInfo candidate(bin.filePath(QString::fromLatin1(relative)));
        if (candidate.isDir()) return QDir::cleanPath(candidate.absoluteFilePath());
    }
    return {};
}

}  // namespace tavir::ui

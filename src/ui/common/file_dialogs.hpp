#pragma once
// Qt's own file dialog, made safe for any folder a pupil may type: it lists only folders and
// ordinary files, and it never reads a file to name its type or pick its icon.
class QFileDialog;
class QString;

namespace tavir::ui {

// Call before the dialog runs, while it has not yet listed its folder.
void showOnlyOrdinaryFiles(QFileDialog& dialog);

// tavir::isOrdinaryFile for a path the dialogs give: a regular file or a link to one.
bool ordinaryFile(const QString& path);

}  // namespace tavir::ui

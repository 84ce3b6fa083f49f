#pragma once
// Where the pupil's own files go by default.
#include <QString>

namespace tavir::ui {

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

// Whether a file or folder lies inside the program's own data folder (or is it).
bool insideProgramDirectory(const QString& path);

}  // namespace tavir::ui

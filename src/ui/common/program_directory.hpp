#pragma once
#include <QString>

namespace tavir::ui {

// Where the program's data lies (exercises, guided tour, help pages): share/tavir beside the
// program's bin/ folder once installed, or build/share/tavir in the build tree. The folder
// ends without a separator; empty when neither exists.
QString programDirectory();

}  // namespace tavir::ui

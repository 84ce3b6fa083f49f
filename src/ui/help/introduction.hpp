#pragma once
class QTextEdit;

namespace tavir::ui {

// Writes the introduction into the exercise area and makes it read-only.
void intro(QTextEdit& supertext);

}  // namespace tavir::ui

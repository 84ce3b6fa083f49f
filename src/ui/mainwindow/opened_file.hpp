#pragma once
// A file handed to the program on its command line ("tavir FILE", the desktop's "Open with"):
// opened as the menu made for its kind would open it, with that menu's messages.
#include <QString>

namespace tavir::ui {

class MainWindow;

// The path of a command-line argument: a file URL becomes its local path, and a relative path
// is taken from the current folder now, before an exercise moves it.
QString givenFilePath(const QString& argument);

// A series as "&Ouvrir", an exercise as the chooser, a text as "Retrouver un texte"; the kind
// is the core's openedFileKindOf. A refused file leaves the window as it was.
void openGivenFile(MainWindow& window, const QString& path);

// openGivenFile once the window is on screen, so that a message box comes over it.
void openWhenShown(MainWindow& window, const QString& path);

}  // namespace tavir::ui

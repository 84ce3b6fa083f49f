#pragma once
// What the desktop expects of the program as a whole: its name and desktop entry, its icon,
// and French in Qt's own dialogs whatever the system's language.
#include <QIcon>

class QApplication;

namespace tavir::ui {

// The name of the installed desktop entry, without ".desktop".
inline constexpr const char* kDesktopFileName = "fr.tavir.Tavir";

// Before the QApplication is made: Qt takes the system's locale as French, so that the file
// dialogs show French sizes, dates and month names. The process's environment and the C
// library's locale are left as the user has them.
void preferFrenchSystemLocale();

// The program's name, desktop entry and window icon; French as the default locale; Qt's
// French texts, with the few its catalogue lacks.
void setUpApplication(QApplication& app);

QIcon programIcon();

}  // namespace tavir::ui

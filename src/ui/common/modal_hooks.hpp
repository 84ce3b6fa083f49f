#pragma once
// Every modal message box and popup menu of the program runs through here, so that window
// tests can answer them without a person.
#include <QMessageBox>
#include <QPoint>
#include <functional>

#include "core/files/file_result.hpp"
#include "core/session/workspace.hpp"

class QMenu;
class QAction;
class QDialog;
class QDrag;

namespace tavir::ui {

struct ModalHooks {
    // Returns the button pressed (a QMessageBox::StandardButton).
    static std::function<int(QMessageBox&)> message;
    // Returns the chosen action or nullptr.
    static std::function<QAction*(QMenu&, const QPoint&)> menu;
    // Runs a modal dialog; returns its result code.
    static std::function<int(QDialog&)> dialog;
    // Runs a drag and drop; returns the drop action.
    static std::function<Qt::DropAction(QDrag&)> drag;
};

// A French message box: the buttons read "OK", "Annuler", "Oui", "Non" whatever the locale.
int showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok);
// One of the session's questions, with its own buttons: GoOn for OK or "Ne pas enregistrer",
// Save for "Enregistrer", Keep for "Annuler" (and the window's close box, and Escape).
enum class Answer { GoOn, Save, Keep };
Answer askQuestion(QWidget* parent, const Question& question);
// How wide a window must be for its title bar to show `title` whole.
int titleBarWidth(const QString& title, const QFont& font);
// The critical message box of a file that could not be loaded or saved: its message with the
// system's reason under it.
void showFailure(QWidget* parent, const FileFailure& failure);
// Shows a popup menu; the chosen item has been triggered when it is returned.
QAction* popupMenu(QMenu& menu, const QPoint& globalPos);
int runDialog(QDialog& dialog);
Qt::DropAction runDrag(QDrag& drag);

}  // namespace tavir::ui

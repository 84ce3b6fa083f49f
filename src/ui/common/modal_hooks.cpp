#include "ui/common/modal_hooks.hpp"

#include <QAbstractButton>
#include <QDialog>
#include <QDrag>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMenu>

#include "core/board/texts.hpp"
#include "ui/common/qt_text.hpp"

namespace tavir::ui {

namespace {
// A message box is as wide as its text only: a long title over a short question was cut by
// the desktop's title bar ("Ce fichie…ste déjà!"). The box gets room for the whole title, in
// the bold face title bars use, beside the title bar's own buttons.
void makeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont bold = box.font();
    bold.setBold(true);
    grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle(), bold), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}
}  // namespace

int titleBarWidth(const QString& title, const QFont& font) {
    constexpr int kTitleBarButtons = 120;  // close, maximise, minimise and the window's icon
    return QFontMetrics(font).horizontalAdvance(title) * 6 / 5 + kTitleBarButtons;
}

std::function<int(QMessageBox&)> ModalHooks::message;
std::function<QAction*(QMenu&, const QPoint&)> ModalHooks::menu;
std::function<int(QDialog&)> ModalHooks::dialog;
std::function<Qt::DropAction(QDrag&)> ModalHooks::drag;

int showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    const std::pair<QMessageBox::StandardButton, const char*> french[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Annuler"},
        {QMessageBox::Yes, "Oui"}, {QMessageBox::No, "Non"}};
    for (const auto& [which, caption] : french)
        if (QAbstractButton* b = box.button(which)) b->setText(QString::fromUtf8(caption));
    makeRoomForTitle(box);
    if (ModalHooks::message) return ModalHooks::message(box);
    return box.exec();
}

Answer askQuestion(QWidget* parent, const Question& question) {
    if (question.answers == Question::Answers::OkCancel)
        return showMessage(parent, QMessageBox::Question, utf8(question.title), utf8(question.text),
                           QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
                   ? Answer::GoOn
                   : Answer::Keep;
    QMessageBox box(QMessageBox::Question, utf8(question.title), utf8(question.text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(utf8(board_texts::kAnswerSave));
    box.button(QMessageBox::Discard)->setText(utf8(board_texts::kAnswerDontSave));
    box.button(QMessageBox::Cancel)->setText(utf8(board_texts::kAnswerCancel));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    makeRoomForTitle(box);
    const int pressed = ModalHooks::message ? ModalHooks::message(box) : box.exec();
    if (pressed == QMessageBox::Save) return Answer::Save;
    if (pressed == QMessageBox::Discard) return Answer::GoOn;
    return Answer::Keep;
}

void showFailure(QWidget* parent, const FileFailure& failure) {
    // The reason under the message, as the companion prints it after its line.
    showMessage(parent, QMessageBox::Critical, utf8(failure.title), utf8(failure.withReason()));
}

QAction* popupMenu(QMenu& menu, const QPoint& globalPos) {
    if (ModalHooks::menu) {
        // As QMenu::exec does, the chosen item is triggered before it is returned.
        QAction* chosen = ModalHooks::menu(menu, globalPos);
        if (chosen) chosen->trigger();
        return chosen;
    }
    return menu.exec(globalPos);
}

int runDialog(QDialog& dialog) {
    if (ModalHooks::dialog) return ModalHooks::dialog(dialog);
    return dialog.exec();
}

}  // namespace tavir::ui

namespace tavir::ui {

Qt::DropAction runDrag(QDrag& drag) {
    if (ModalHooks::drag) return ModalHooks::drag(drag);
    return drag.exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

}  // namespace tavir::ui

#pragma once
// Answers every message box of the program, as a pupil would, and keeps what each one said.
#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>

#include "ui/common/modal_hooks.hpp"

namespace tavir::ui::testing {

struct MessageCapture {
    QStringList messages;  // "title | text" of each box, in order
    QStringList titles;
    QStringList buttonTexts;  // of every box shown
    QList<int> answers;       // the buttons pressed, in order; then `fallback`
    int fallback = QMessageBox::Ok;

    // Starts afresh and takes over the message boxes.
    void start(int fallbackAnswer = QMessageBox::Ok) {
        messages.clear();
        titles.clear();
        buttonTexts.clear();
        answers.clear();
        fallback = fallbackAnswer;
        ModalHooks::message = [this](QMessageBox& box) {
            messages << box.windowTitle() + QStringLiteral(" | ") + box.text();
            titles << box.windowTitle();
            for (const QAbstractButton* b : box.buttons()) buttonTexts << b->text();
            return answers.isEmpty() ? fallback : answers.takeFirst();
        };
    }
    ~MessageCapture() { ModalHooks::message = nullptr; }
};

}  // namespace tavir::ui::testing

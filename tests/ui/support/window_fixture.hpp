#pragma once
// A main window for one test: opened and shown, then closed without its closing questions.
#include <QtTest>
#include <memory>

#include "core/board/construction.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/mainwindow/main_window.hpp"

namespace tavir::ui::testing {

struct WindowFixture {
    std::unique_ptr<MainWindow> window;

    bool open() {
        window = std::make_unique<MainWindow>();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    void close() {
        ModalHooks::menu = nullptr;
        ModalHooks::drag = nullptr;
        ModalHooks::dialog = nullptr;
        window->workspace().setTextModified(false);
        ModalHooks::message = [](QMessageBox&) { return int(QMessageBox::Ok); };
        window.reset();
        ModalHooks::message = nullptr;
    }
    template <typename T = QWidget>
    T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }
    // Puts a construction on the board and runs the analysis, as after a drop.
    void build(const char* construction) { window->workspace().build(*Construction::parse(construction)); }
    QString board() const { return QString::fromStdString(window->workspace().board().record.toString()); }
};

}  // namespace tavir::ui::testing

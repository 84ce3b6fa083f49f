#pragma once
// The set-up the windows' controls share: made on their parent, then given the name tests find
// them by, their place, and where they have them their font, tooltip and accessible name.
//   command1_ = makeControl<QPushButton>(this, caption).name("Command1").geometry(215, 190, 92, 30);
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

namespace tavir::ui {

template <typename W>
class ControlSetup {
public:
    explicit ControlSetup(W* widget) : widget_(widget) {}

    ControlSetup& name(const char* objectName) {
        widget_->setObjectName(QString::fromLatin1(objectName));
        return *this;
    }
    ControlSetup& name(const QString& objectName) {
        widget_->setObjectName(objectName);
        return *this;
    }
    ControlSetup& geometry(const QRect& rect) {
        widget_->setGeometry(rect);
        return *this;
    }
    ControlSetup& geometry(int x, int y, int width, int height) { return geometry(QRect(x, y, width, height)); }
    ControlSetup& font(const QFont& font) {
        widget_->setFont(font);
        return *this;
    }
    ControlSetup& toolTip(const QString& text) {
        widget_->setToolTip(text);
        return *this;
    }
    ControlSetup& accessibleName(const QString& text) {
        widget_->setAccessibleName(text);
        return *this;
    }

    W* widget() const { return widget_; }
    operator W*() const { return widget_; }

private:
    W* widget_;
};

// new W(args..., parent), ready to be set up.
template <typename W, typename... Args>
ControlSetup<W> makeControl(QWidget* parent, Args&&... args) {
    return ControlSetup<W>(new W(std::forward<Args>(args)..., parent));
}

// An existing control (a file list's, a window's own) set up the same way.
template <typename W>
ControlSetup<W> setUp(W* widget) {
    return ControlSetup<W>(widget);
}

}  // namespace tavir::ui

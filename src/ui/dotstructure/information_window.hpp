#pragma once
// The information window `ftavir`, opened by a click on the picture over a rejected structure.
#include <QDialog>

namespace tavir::ui {

class InformationWindow : public QDialog {
    Q_OBJECT
public:
    // topLeft: the screen position of the dot-structure box, where the window opens.
    InformationWindow(const QPoint& topLeft, QWidget* parent = nullptr);
};

}  // namespace tavir::ui

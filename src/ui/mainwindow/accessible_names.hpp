#pragma once
// What a screen reader hears of the main window's result views: the formula as text, and the
// geometry text of the 3D view.
class QWidget;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

struct ResultViews {
    QWidget* brute;
    QWidget* fdev;
    QWidget* d3d;
};

// Each view's description follows what it shows; only a real change reaches the screen reader.
void describeResultViews(const ResultViews& views, const Workspace& workspace);

}  // namespace tavir::ui

#pragma once
// What a screen reader announces for the main window's controls whose caption is missing or
// does not say what they are, and what its result views currently show.
class QWidget;

namespace tavir {
struct ViewState;
}

namespace tavir::ui {

// Names (and where useful describes) the controls of the main window, found by their names.
void nameMainWindowControls(QWidget& window);
// The formula box, the dot-structure box and the 3D view carry what they show in their
// descriptions: the formula as text, the geometry text.
void describeMainWindowViews(QWidget& window, const ViewState& view);

}  // namespace tavir::ui

#pragma once
// The formula box `brute`.
#include <QWidget>

class QPainter;

namespace tavir {
class Workspace;
struct ViewState;
}

namespace tavir::ui {

class FormulaView : public QWidget {
    Q_OBJECT
public:
    FormulaView(const Workspace& workspace, QWidget* parent);
    static QColor backColour() { return QColor(224, 224, 224); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Workspace& workspace_;
};

// Draws the formula box as it shows, on any painter.
void paintFormula(QPainter& painter, const ViewState& view);

}  // namespace tavir::ui

#pragma once
// The formula box `brute`.
#include <QWidget>

namespace tavir {
class Workspace;
}

namespace tavir::ui {

class FormulaView : public QWidget {
    Q_OBJECT
public:
    FormulaView(const Workspace& workspace, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Workspace& workspace_;
};

}  // namespace tavir::ui

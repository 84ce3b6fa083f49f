#include "dotstructure/formula_view.hpp"

#include <QPainter>

#include "board/workspace.hpp"

namespace tavir::ui {

FormulaView::FormulaView(const Workspace& workspace, QWidget* parent) : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("brute"));
    setFixedSize(129, 33);
}

void FormulaView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(224, 224, 224));
}

}  // namespace tavir::ui

#include "ui/dotstructure/formula_view.hpp"

#include <QPainter>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"
#include "ui/common/qt_text.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/texts.hpp"

namespace tavir::ui {

FormulaView::FormulaView(const Workspace& workspace, QWidget* parent) : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("brute"));
    setFixedSize(129, 33);
    setAccessibleName(utf8(dot_texts::kA11yFormula));
}

void FormulaView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFormula(p, workspace_.view());
}

}  // namespace tavir::ui

namespace tavir::ui {

void paintFormula(QPainter& p, const ViewState& view) {
    p.setRenderHint(QPainter::TextAntialiasing);
    QtCanvas canvas(p, QRect(0, 0, 129, 33), FormulaView::backColour());
    formulebrute(view.formula, canvas, 129, 33);
}

}  // namespace tavir::ui

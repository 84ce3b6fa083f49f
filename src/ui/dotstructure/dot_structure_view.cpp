#include "ui/dotstructure/dot_structure_view.hpp"

#include <QPainter>

#include "core/session/workspace.hpp"
#include "ui/common/qt_canvas.hpp"
#include "ui/common/qt_text.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "core/dotstructure/texts.hpp"

namespace tavir::ui {

DotStructureView::DotStructureView(const Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("fdev"));
    setFixedSize(265, 201);
    setAccessibleName(utf8(dot_texts::kA11yDotStructure));
}

void DotStructureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintDotStructure(p, workspace_.view());
}

void paintDotStructure(QPainter& p, const ViewState& view) {
    // Crisp one-pixel strokes in their pure colours.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The box's user scale puts its top-left corner at (-60, -36).
    p.translate(60, 36);
    QtCanvas canvas(p, QRect(-60, -36, 265, 201), Qt::white);
    if (!view.dotDrawn) {
        canvas.clear();
        return;
    }
    reptavir(view.dotStructure, view.dotPositions, DotOptions{view.check1, view.check2, view.check3}, canvas);
}

void DotStructureView::mousePressEvent(QMouseEvent*) { emit pressed(); }

}  // namespace tavir::ui

#include "dotstructure/dot_structure_view.hpp"

#include <QPainter>

#include "board/workspace.hpp"

namespace tavir::ui {

DotStructureView::DotStructureView(const Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("fdev"));
    setFixedSize(265, 201);
}

void DotStructureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
}

void DotStructureView::mousePressEvent(QMouseEvent*) { emit pressed(); }

}  // namespace tavir::ui

#include "ui/output/print_job.hpp"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>

#include "ui/board/board_view.hpp"
#include "core/session/workspace.hpp"
#include "ui/dotstructure/dot_structure_view.hpp"
#include "ui/geometry3d/animation_view.hpp"

namespace tavir::ui {

QSize PagedDeviceTarget::pageSize() const { return QSize(device_.width(), device_.height()); }
double PagedDeviceTarget::dpiX() const { return device_.logicalDpiX(); }
double PagedDeviceTarget::dpiY() const { return device_.logicalDpiY(); }
bool PagedDeviceTarget::begin(QPainter& painter) { return painter.begin(&device_); }
void PagedDeviceTarget::newPage(QPainter&) { device_.newPage(); }
void PagedDeviceTarget::end(QPainter& painter) { painter.end(); }

namespace {

// One picture at its place: the view's own drawing in screen pixels, scaled to the device.
void drawPicture(QPainter& painter, Workspace& workspace, const output::PrintStep& step) {
    const output::PictureSize size = output::screenSize(step.picture);
    painter.save();
    painter.translate(step.x, step.y);
    painter.scale(step.width / size.width, step.height / size.height);
    painter.setClipRect(QRect(0, 0, size.width, size.height));
    switch (step.picture) {
        case output::Picture::Board: paintBoard(painter, workspace.board()); break;
        case output::Picture::DotStructure: paintDotStructure(painter, workspace.view()); break;
        case output::Picture::Animation:
            // As the white copy without background: the current pose drawn afresh around it.
            workspace.beginAnimationCopy();
            paintAnimation(painter, workspace.view(), Qt::white, QPixmap());
            workspace.endAnimationCopy();
            break;
    }
    painter.restore();
}

}  // namespace

PrintResult printPictures(Workspace& workspace, const output::PrintRequest& request, PrintTarget& target) {
    if (!request.anyPicture()) return PrintResult::NothingChecked;
    const std::vector<int> constructions =
        output::chosenConstructions(workspace.seriesEntries(), request.series, workspace.currentConstruction());
    if (constructions.empty()) return PrintResult::EmptySeries;

    const QSize size = target.pageSize();
    const output::PrintPlan plan = output::planPrint(
        request, constructions, output::PageGeometry{double(size.width()), double(size.height()), target.dpiX(), target.dpiY()});
    if (plan.steps.empty()) return PrintResult::NothingChecked;

    QPainter painter;
    if (!target.begin(painter)) return PrintResult::CannotStart;
    const int current = workspace.currentConstruction();
    int selected = 0;
    int copy = 0;
    for (const output::PrintStep& step : plan.steps) {
        if (step.newPageBefore) target.newPage(painter);
        if (request.series && (step.construction != selected || step.copy != copy))
            workspace.Option3_Click(step.construction - 1);
        selected = step.construction;
        copy = step.copy;
        drawPicture(painter, workspace, step);
    }
    target.end(painter);
    if (request.series) workspace.Option3_Click(current - 1);
    return PrintResult::Printed;
}

PrintResult printPictures(Workspace& workspace, const output::PrintRequest& request, QPagedPaintDevice& device) {
    PagedDeviceTarget target(device);
    return printPictures(workspace, request, target);
}

}  // namespace tavir::ui

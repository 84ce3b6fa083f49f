#include "ui/output/print_job.hpp"

#include <QPagedPaintDevice>
#include <QPainter>

#include "core/session/workspace.hpp"
#include "ui/common/view_painter.hpp"

namespace tavir::ui {

QSize PagedDeviceTarget::pageSize() const { return QSize(device_.width(), device_.height()); }
double PagedDeviceTarget::dpiX() const { return device_.logicalDpiX(); }
double PagedDeviceTarget::dpiY() const { return device_.logicalDpiY(); }
bool PagedDeviceTarget::begin(QPainter& painter) { return painter.begin(&device_); }
void PagedDeviceTarget::newPage(QPainter&) { device_.newPage(); }
void PagedDeviceTarget::end(QPainter& painter) { painter.end(); }

namespace {

// One picture at its place: the view's own drawing in screen pixels, scaled to the device.
// The 3D view is printed on white, without its background picture.
void drawPicture(QPainter& painter, const Workspace& workspace, const Analysis& analysis,
                 const output::PrintStep& step) {
    const ViewGeometry size = viewGeometry(step.picture);
    painter.save();
    painter.translate(step.x, step.y);
    painter.scale(step.width / size.width, step.height / size.height);
    painter.setClipRect(QRect(0, 0, size.width, size.height));
    const ViewLook look = step.picture == View::Animation ? ViewLook{Qt::white, {}} : screenLook(step.picture);
    paintView(painter, step.picture, analysis, workspace.view().options, workspace.pose(), look);
    painter.restore();
}

}  // namespace

PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, PrintTarget& target) {
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
    // Each construction is drawn from its own analysis: the board and the selector stay as they are.
    Analysis analysis;
    int analysed = 0;
    for (const output::PrintStep& step : plan.steps) {
        if (step.newPageBefore) target.newPage(painter);
        if (step.construction != analysed) {
            analysis = workspace.analysisOf(step.construction);
            analysed = step.construction;
        }
        drawPicture(painter, workspace, analysis, step);
    }
    target.end(painter);
    return PrintResult::Printed;
}

PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, QPagedPaintDevice& device) {
    PagedDeviceTarget target(device);
    return printPictures(workspace, request, target);
}

}  // namespace tavir::ui

#include "ui/output/print_job.hpp"

#include <QPagedPaintDevice>
#include <QPainter>

#include "core/session/workspace.hpp"
#include "core/output/print_drawing.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

QSize PagedDeviceTarget::pageSize() const { return QSize(device_.width(), device_.height()); }
double PagedDeviceTarget::dpiX() const { return device_.logicalDpiX(); }
double PagedDeviceTarget::dpiY() const { return device_.logicalDpiY(); }
bool PagedDeviceTarget::begin(QPainter& painter) { return painter.begin(&device_); }
void PagedDeviceTarget::newPage(QPainter&) { device_.newPage(); }
void PagedDeviceTarget::end(QPainter& painter) { painter.end(); }

PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, PrintTarget& target) {
    const QSize size = target.pageSize();
    const output::PrintOutcome outcome =
        output::planPrintOf(request, workspace.seriesEntries(), workspace.currentConstruction(),
                            output::PageGeometry{double(size.width()), double(size.height()), target.dpiX(), target.dpiY()});
    switch (outcome.refusal) {
    case output::PrintRefusal::NothingChecked: return PrintResult::NothingChecked;
    case output::PrintRefusal::EmptySeries: return PrintResult::EmptySeries;
    case output::PrintRefusal::None: break;
    }
    const output::PrintPlan& plan = outcome.plan;

    QPainter painter;
    if (!target.begin(painter)) return PrintResult::CannotStart;
    // Each construction is drawn from its own analysis: the board and the selector stay as they are.
    QtCanvas canvas(painter);
    output::drawPrintPlan(
        plan, [&workspace](int n) { return workspace.analysisOf(n); }, workspace.view().options, workspace.pose(),
        canvas, [&] { target.newPage(painter); });
    target.end(painter);
    return PrintResult::Printed;
}

PrintResult printPictures(const Workspace& workspace, const output::PrintRequest& request, QPagedPaintDevice& device) {
    PagedDeviceTarget target(device);
    return printPictures(workspace, request, target);
}

}  // namespace tavir::ui

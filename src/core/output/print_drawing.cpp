#include "core/output/print_drawing.hpp"

namespace tavir::output {

ViewLook printLook(View view) { return view == View::Animation ? whiteLook(false) : screenLook(view); }

void drawPrintPlan(const PrintPlan& plan, const std::function<Analysis(int construction)>& analysisOf,
                   const ViewOptions& options, Pose pose, Canvas& canvas, const std::function<void()>& newPage) {
    Analysis analysis;
    int analysed = 0;
    for (const PrintStep& step : plan.steps) {
        if (step.newPageBefore && newPage) newPage();
        if (step.construction != analysed) {
            analysis = analysisOf(step.construction);
            analysed = step.construction;
        }
        const ViewGeometry size = viewGeometry(step.picture);
        canvas.save();
        canvas.translate(step.x, step.y);
        canvas.scale(step.width / size.width, step.height / size.height);
        canvas.clipRect(0, 0, size.width, size.height);
        drawViewPicture(step.picture, analysis, options, pose, printLook(step.picture), canvas);
        canvas.restore();
    }
}

}  // namespace tavir::output

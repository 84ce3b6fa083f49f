#include "core/output/print_drawing.hpp"

#include "core/dotstructure/formula.hpp"
#include "core/output/texts.hpp"

namespace tavir::output {

namespace {

const Font kCaptionFont{12, true};

void drawCaption(const PrintStep& step, const Analysis& analysis, Canvas& canvas) {
    // The formula box shows a formula for an accepted construction with atoms only.
    const bool withFormula = !analysis.formula.empty();
    const std::string heading = captionText(step.construction, withFormula);
    canvas.save();
    canvas.translate(step.x, step.y);
    canvas.scale(step.scaleX, step.scaleY);
    const Rgb black = paletteColour(palette::kBlack);
    // Centred on the line as in the formula box, so that the charge above and the counts
    // below stay inside it.
    const int y = (static_cast<int>(kCaptionHeight) - canvas.textHeight("N", kCaptionFont)) / 2;
    canvas.text(0, y, heading, kCaptionFont, black);
    if (withFormula) drawFormula(analysis.board.record, canvas, canvas.textWidth(heading, kCaptionFont), y);
    canvas.restore();
}

}  // namespace

std::string captionText(int construction, bool withFormula) {
    std::string text = std::string(output_texts::kCaptionConstruction) + std::to_string(construction);
    if (withFormula) text += output_texts::kCaptionFormulaSeparator;
    return text;
}

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
        if (step.kind == PrintStep::Kind::Caption) {
            drawCaption(step, analysis, canvas);
            continue;
        }
        const ViewGeometry size = viewGeometry(step.picture);
        canvas.save();
        canvas.translate(step.x, step.y);
        canvas.scale(step.scaleX, step.scaleY);
        canvas.clipRect(0, 0, size.width, size.height);
        drawViewPicture(step.picture, analysis, options, pose, printLook(step.picture), canvas);
        canvas.restore();
    }
}

}  // namespace tavir::output

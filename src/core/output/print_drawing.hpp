#pragma once
// The pictures of a print plan drawn on the pages of any canvas: a printer, a PDF writer, the
// browser's print pages or a recording in tests.
#include <functional>
#include <string>

#include "core/output/print_plan.hpp"

namespace tavir::output {

// The look of a printed picture: the 3D view on white, without its bands.
ViewLook printLook(View view);

// What a construction's caption reads before its formula: "Construction 3 : ", or
// "Construction 3" when no formula is shown.
std::string captionText(int construction, bool withFormula);

// Each step's picture drawn afresh from its construction's analysis, scaled from screen pixels
// to the device and clipped to its place, and each caption in the formula's own type with its
// subscripts; newPage runs before each step that starts a page.
void drawPrintPlan(const PrintPlan& plan, const std::function<Analysis(int construction)>& analysisOf,
                   const ViewOptions& options, Pose pose, Canvas& canvas, const std::function<void()>& newPage);

}  // namespace tavir::output

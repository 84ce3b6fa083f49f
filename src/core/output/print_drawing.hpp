#pragma once
// The pictures of a print plan drawn on the pages of any canvas: a printer, a PDF writer, the
// browser's print pages or a recording in tests.
#include <functional>

#include "core/output/print_plan.hpp"

namespace tavir::output {

// The look of a printed picture: the 3D view on white, without its bands.
ViewLook printLook(View view);

// Each step's picture drawn afresh from its construction's analysis, scaled from screen pixels
// to the device and clipped to its place; newPage runs before each step that starts a page.
void drawPrintPlan(const PrintPlan& plan, const std::function<Analysis(int construction)>& analysisOf,
                   const ViewOptions& options, Pose pose, Canvas& canvas, const std::function<void()>& newPage);

}  // namespace tavir::output

#include "core/session/shown_views.hpp"

#include "core/session/workspace.hpp"

namespace tavir {

void drawShownView(const Workspace& workspace, View view, const ViewLook& look, int focusedCell, Canvas& canvas) {
    if (view == View::Animation) {
        const ShownFrame& frame = workspace.view().d3d;
        ViewOptions options;
        options.frame = frame.options;
        // A cleared view is drawn as for the empty board, which shows nothing.
        static const Analysis nothing;
        drawViewPicture(view, frame.cleared() ? nothing : frame.analysis, options, frame.pose, look, canvas);
        return;
    }
    ViewOptions options = workspace.view().options;
    options.focusedCell = focusedCell;
    drawViewPicture(view, workspace.analysis(), options, workspace.pose(), look, canvas);
}

}  // namespace tavir

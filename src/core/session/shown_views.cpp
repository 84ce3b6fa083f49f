#include "core/session/shown_views.hpp"

#include "core/dotstructure/texts.hpp"
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

namespace {

// Runs of spaces and line breaks become one space, none at either end.
std::string oneLine(const std::string& text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

}  // namespace

ResultDescriptions describeResults(const Workspace& workspace) {
    const Analysis& analysis = workspace.analysis();
    const ViewState& view = workspace.view();
    return {analysis.formula, analysis.shown() ? analysis.formula : std::string(dot_texts::kA11yNoDotStructure),
            view.d3d.cleared() ? std::string() : oneLine(view.c3dText)};
}

}  // namespace tavir

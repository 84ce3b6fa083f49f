#pragma once
// The views as the session shows them, for every front end: the board, the formula and the
// dot structure from the current analysis and options, the 3D view as its last tick drew it.
#include "core/views/views.hpp"

namespace tavir {

class Workspace;

// focusedCell: the board's keyboard frame, -1 for none.
void drawShownView(const Workspace& workspace, View view, const ViewLook& look, int focusedCell, Canvas& canvas);

// What a screen reader hears of the result views: the formula as text, the formula or why
// there is no dot structure, and the geometry text of the 3D view on one line.
struct ResultDescriptions {
    std::string formula;
    std::string dotStructure;
    std::string animation;
};
ResultDescriptions describeResults(const Workspace& workspace);

}  // namespace tavir

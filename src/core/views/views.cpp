#include "core/views/views.hpp"

#include "core/board/board_drawing.hpp"
#include "core/dotstructure/formula.hpp"

namespace tavir {

void drawView(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, Canvas& canvas) {
    const Board& board = analysis.board;
    switch (view) {
    case View::Board:
        drawBoard(board, canvas);
        drawCellFocus(board, canvas, options.focusedCell);
        return;
    case View::Formula: {
        if (!analysis.accepted) break;
        const ViewGeometry g = viewGeometry(View::Formula);
        formulebrute(board.record, canvas, g.width, g.height);
        return;
    }
    case View::DotStructure:
        if (!analysis.shown()) break;
        reptavir(board.record, board.position, options.dot, canvas);
        return;
    case View::Animation:
        if (!analysis.shown()) break;
        drawGeometryFrame(analysis.geometry, pose.counter, pose.rotationSign, options.frame, canvas);
        return;
    }
    canvas.clear();
}

}  // namespace tavir

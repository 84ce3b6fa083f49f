#include "core/views/views.hpp"

#include "core/board/board_drawing.hpp"
#include "core/dotstructure/formula.hpp"

namespace tavir {

static_assert(viewGeometry(View::DotStructure).originX == dotStructureBounds().left &&
              viewGeometry(View::DotStructure).originY == dotStructureBounds().top &&
              viewGeometry(View::DotStructure).width == dotStructureBounds().width &&
              viewGeometry(View::DotStructure).height == dotStructureBounds().height);

ViewLook screenLook(View view) {
    switch (view) {
    case View::Board: return {paletteColour(palette::kWhite), Backdrop::CellGrid};
    case View::Formula: return {Rgb{224, 224, 224}, Backdrop::None};
    case View::DotStructure: return {paletteColour(palette::kWhite), Backdrop::None};
    case View::Animation: return {Rgb{232, 213, 191}, Backdrop::Gradient};
    }
    return {};
}

ViewLook whiteLook(bool withBackdrop) {
    return {paletteColour(palette::kWhite), withBackdrop ? Backdrop::Gradient : Backdrop::None};
}

ViewLook bareLook() { return {std::nullopt, Backdrop::None}; }

void drawViewPicture(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, const ViewLook& look,
                     Canvas& canvas) {
    const ViewGeometry g = viewGeometry(view);
    canvas.save();
    canvas.setAntialiasing(view == View::Animation);
    canvas.translate(-g.originX, -g.originY);
    canvas.setBackground({g.originX, g.originY, g.width, g.height, look.back, look.backdrop});
    drawView(view, analysis, options, pose, canvas);
    canvas.restore();
}

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

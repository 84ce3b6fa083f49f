#include "core/views/views.hpp"

#include <algorithm>

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

ViewGeometry pictureGeometry(View view, const Analysis& analysis, const ViewOptions& options, Canvas& canvas) {
    const ViewGeometry whole = viewGeometry(view);
    if (view != View::DotStructure || !analysis.shown()) return whole;
    const auto box = dotStructureDrawingBox(analysis.board.record, analysis.board.position, options.dot, canvas);
    if (!box) return whole;
    const int left = std::max(whole.originX, box->left - kPictureMargin);
    const int top = std::max(whole.originY, box->top - kPictureMargin);
    const int right = std::min(whole.originX + whole.width, box->left + box->width + kPictureMargin);
    const int bottom = std::min(whole.originY + whole.height, box->top + box->height + kPictureMargin);
    if (right <= left || bottom <= top) return whole;
    return {right - left, bottom - top, left, top};
}

void drawViewPicture(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, const ViewLook& look,
                     Canvas& canvas) {
    drawViewPicture(view, analysis, options, pose, look, viewGeometry(view), canvas);
}

void drawViewPicture(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, const ViewLook& look,
                     const ViewGeometry& g, Canvas& canvas) {
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

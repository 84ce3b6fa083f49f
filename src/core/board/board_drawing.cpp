#include "core/board/board_drawing.hpp"

#include "core/board/topology.hpp"

namespace tavir {

namespace {
constexpr int kBondLineWidth = 2;

struct Centre {
    int x, y;
};
Centre cellCentre(const Board& b, int cell) {
    return {b.position[cell].left + kCellSize / 2, b.position[cell].top + kCellSize / 2};
}
}  // namespace

void dessliaison(const Board& board, Canvas& canvas, int dep, int arr, int nb) {
    if (nb < 1 || nb > 3) return;
    const Centre a = cellCentre(board, dep);
    const Centre b = cellCentre(board, arr);
    const int xa = a.x, ya = a.y, xb = b.x, yb = b.y;
    int ox = 0;
    int oy = 0;
    if (xa == xb) {
        ox = 3;
    } else if (ya == yb) {
        oy = 3;
    } else {
        ox = (arr == 3 || arr == 8) ? -2 : 2;
        oy = 2;
    }
    const Rgb grey = paletteColour(palette::kGrey);
    auto stroke = [&](int k) {
        canvas.line(xa + k * ox, ya + k * oy, xb + k * ox, yb + k * oy, grey, kBondLineWidth);
    };
    if (nb == 1) {
        stroke(0);
    } else if (nb == 2) {
        stroke(-1);
        stroke(1);
    } else {
        stroke(0);
        stroke(-2);
        stroke(2);
    }
}

void drawBoard(const Board& board, Canvas& canvas) {
    canvas.clear();
    const auto& s = board.record.slot;
    dessliaison(board, canvas, 0, 1, s[1]);
    for (int k : kCentre0Cells) dessliaison(board, canvas, 0, k, s[k]);
    for (int k : kCentre1CellsBySlot) dessliaison(board, canvas, 1, k, s[k]);
    for (int i = 0; i < kCellCount; ++i) {
        if (board.record.code[i] != 0)
            canvas.sprite(board.position[i].left, board.position[i].top, board.record.code[i]);
    }
}

void drawCellFocus(const Board& board, Canvas& canvas, int cell) {
    if (cell < 0 || cell >= kCellCount) return;
    const int left = board.position[cell].left;
    const int top = board.position[cell].top;
    const Rgb blue = paletteColour(palette::kLightBlue);
    for (int inset = 0; inset < 2; ++inset)
        canvas.box(left + inset, top + inset, left + kCellSize - 1 - inset, top + kCellSize - 1 - inset, blue, false);
}

}  // namespace tavir

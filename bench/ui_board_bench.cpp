// Redrawing the board (clear, strokes, twelve pictures) into an offscreen image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "board/board_drawing.hpp"
#include "board/workspace.hpp"
#include "common/qt_canvas.hpp"

namespace {

void BM_boardRedraw(benchmark::State& state) {
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    // A full board: two carbons with five neighbours each, bonded corners included.
    tavir::Workspace ws;
    tavir::Construction c;
    c.code = {1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    ws.setBoard(c);
    ws.majliaison();
    QImage image(129, 97, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        tavir::ui::QtCanvas canvas(p, image.rect(), Qt::white);
        tavir::drawBoard(ws.board(), canvas);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_boardRedraw)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

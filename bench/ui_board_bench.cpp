// Redrawing the board (clear, strokes, twelve pictures) into an offscreen image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/session/workspace.hpp"
#include "ui/common/view_painter.hpp"

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
    ws.build(c);
    QImage image(tavir::ui::viewSize(tavir::View::Board), QImage::Format_ARGB32_Premultiplied);
    const tavir::ViewLook white = tavir::whiteLook(false);
    for (auto _ : state) {
        QPainter p(&image);
        tavir::ui::paintView(p, tavir::View::Board, ws.analysis(), {}, ws.pose(), white);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_boardRedraw)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

namespace {

// One 3D frame of each kind of model into an offscreen image of the 3D view's size.
void BM_animationFrame(benchmark::State& state, const char* construction, const char* routine) {
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    static QGuiApplication* app = QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
    tavir::Workspace ws;
    ws.setFigure(true);
    ws.build(*tavir::Construction::parse(construction));
    ws.tick();
    if (!ws.view().lastTick || tavir::geometryName(*ws.view().lastTick) != routine) {
        state.SkipWithError("construction does not reach its routine");
        return;
    }
    const tavir::ViewLook look = tavir::screenLook(tavir::View::Animation);
    QImage image(tavir::ui::viewSize(tavir::View::Animation), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ws.tick();
        QPainter p(&image);
        tavir::ui::paintShownView(p, ws, tavir::View::Animation, look);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_animationFrame, methane_r3dax4, "34222424242232223232322", "r3dax4");
BENCHMARK_CAPTURE(BM_animationFrame, methanal_kax3, "35222422242242223222322", "kax3");
BENCHMARK_CAPTURE(BM_animationFrame, ethene_Kax3ax3, "33422224244243222232332", "Kax3ax3");
BENCHMARK_CAPTURE(BM_animationFrame, ketene_Kx2x3, "33224225224242232242232", "Kx2x3");
BENCHMARK_CAPTURE(BM_animationFrame, hydrogen_chloride_r3dlin2, "47222222222232222222222", "r3dlin2");
BENCHMARK_CAPTURE(BM_animationFrame, carbon_dioxide_r3dlin3, "35222225222242222242222", "r3dlin3");
BENCHMARK_CAPTURE(BM_animationFrame, ethyne_r3dlin4, "33422224222253222232222", "r3dlin4");
BENCHMARK_CAPTURE(BM_animationFrame, ethane_r3dax4ax4, "33442444244233332323232", "r3dax4ax4");
BENCHMARK_CAPTURE(BM_animationFrame, ethanal_r3dax4ax3, "33524424242234233232322", "r3dax4ax3");
BENCHMARK_CAPTURE(BM_animationFrame, ethanedial_r3dax3ax3s, "33425422252233243222422", "r3dax3ax3s");
BENCHMARK_CAPTURE(BM_animationFrame, acetonitrile_r3dax4ax2, "33622424242235223232322", "r3dax4ax2");
BENCHMARK_CAPTURE(BM_animationFrame, formyl_cyanide_r3dax3ax2, "33622422252235223222422", "r3dax3ax2");

}  // namespace

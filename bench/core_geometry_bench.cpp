// One 3D frame of each geometry routine, drawn on a recording canvas; and the dispatch alone.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/board/construction.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/geometry3d/classification.hpp"
#include "core/geometry3d/drawing.hpp"

namespace {

using tavir::Construction;

Construction make(std::initializer_list<std::pair<int, int>> cells, std::initializer_list<std::pair<int, int>> slots) {
    Construction c;
    for (auto [cell, code] : cells) c.code[cell] = static_cast<int16_t>(code);
    for (auto [slot, order] : slots) c.slot[slot] = static_cast<int16_t>(order);
    return c;
}

constexpr int C = 1, H = 2, O = 3, N = 4, Cl = 5;

struct Sample {
    const char* name;
    Construction c;
};

// One accepted construction per routine, as the analysis leaves them.
const std::vector<Sample>& samples() {
    static const std::vector<Sample> s{
        {"r3dax4", make({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}})},
        {"kax3", make({{0, C}, {1, O}, {5, H}, {9, H}}, {{1, 2}, {5, 1}, {9, 1}})},
        {"Kax3ax3", make({{0, C}, {1, C}, {5, H}, {9, H}, {2, H}, {10, H}},
                         {{1, 2}, {5, 1}, {9, 1}, {2, 1}, {10, 1}})},
        {"Kx2x3", make({{0, C}, {1, C}, {7, O}, {10, H}, {4, H}}, {{1, 2}, {7, 2}, {10, 1}, {4, 1}})},
        {"r3dlin2", make({{0, H}, {1, Cl}}, {{1, 1}})},
        {"r3dlin3", make({{0, C}, {1, O}, {7, O}}, {{1, 2}, {7, 2}})},
        {"r3dlin4", make({{0, C}, {1, C}, {7, H}, {2, H}}, {{1, 3}, {7, 1}, {2, 1}})},
        {"r3dax4ax4", make({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {10, H}, {2, H}, {4, H}},
                           {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {10, 1}, {2, 1}, {4, 1}})},
        {"r3dax4ax3", make({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, O}, {4, H}},
                           {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 2}, {4, 1}})},
        {"r3dax3ax3s", make({{0, C}, {1, C}, {5, H}, {9, O}, {2, H}, {4, O}},
                            {{1, 1}, {5, 1}, {9, 2}, {2, 1}, {4, 2}})},
        {"r3dax4ax2", make({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, N}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 3}})},
        {"r3dax3ax2", make({{0, C}, {1, C}, {5, H}, {9, O}, {2, N}}, {{1, 1}, {5, 1}, {9, 2}, {2, 3}})},
    };
    return s;
}

void BM_GeometryFrame(benchmark::State& state) {
    const Sample& sample = samples()[static_cast<std::size_t>(state.range(0))];
    const tavir::GeometryDecision decision = tavir::decideGeometry(sample.c);
    if (tavir::geometryName(decision.routine) != sample.name) {
        state.SkipWithError("sample does not reach its routine");
        return;
    }
    const tavir::FrameOptions options{false, state.range(1) != 0};
    tavir::RecordingCanvas canvas;
    int frame = 0;
    for (auto _ : state) {
        canvas.reset();
        tavir::drawGeometryFrame(decision, frame, 1, options, canvas);
        benchmark::DoNotOptimize(canvas.calls().data());
        frame = frame == 627 ? 0 : frame + 1;
    }
    state.SetLabel(std::string(sample.name) + (options.figure ? "+figure" : ""));
}

void BM_DecideGeometry(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavir::decideGeometry(samples()[i].c));
        i = (i + 1) % samples().size();
    }
}

void frameArgs(benchmark::internal::Benchmark* b) {
    for (int i = 0; i < static_cast<int>(samples().size()); ++i)
        for (int figure : {0, 1}) b->Args({i, figure});
}

}  // namespace

BENCHMARK(BM_GeometryFrame)->Apply(frameArgs);
BENCHMARK(BM_DecideGeometry);

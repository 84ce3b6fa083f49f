// The analysis run after every change, over random boards a pupil could make.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/session/workspace.hpp"

namespace {

std::vector<tavir::Construction> randomBoards(int count) {
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> element(0, 5);
    std::uniform_int_distribution<int> order(0, 3);
    std::vector<tavir::Construction> boards(static_cast<std::size_t>(count));
    for (auto& c : boards) {
        for (auto& code : c.code) code = static_cast<int16_t>(element(rng) % 2 ? element(rng) : 0);
        for (int k = 1; k < tavir::kSlotCount; ++k) c.slot[k] = static_cast<int16_t>(order(rng));
    }
    return boards;
}

void BM_majliaison(benchmark::State& state) {
    const auto boards = randomBoards(1000);
    tavir::Workspace ws;
    std::size_t i = 0;
    for (auto _ : state) {
        ws.build(boards[i]);
        benchmark::DoNotOptimize(ws.board().record);
        i = (i + 1) % boards.size();
    }
}
BENCHMARK(BM_majliaison)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

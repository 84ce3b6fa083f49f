// Evaluation time of expressions as the calculator's keys build them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/calculator/calculator_keys.hpp"
#include "core/calculator/evaluator.hpp"
#include "core/calculator/number_text.hpp"

namespace {

void evaluate(benchmark::State& state, const std::string& expression, std::int16_t angleMode) {
    std::int16_t code = 0;
    for (auto _ : state) {
        std::string text = expression;
        tavir::calcexpr(text, code, angleMode);
        benchmark::DoNotOptimize(text);
    }
    if (code != 0) state.SkipWithError("expression did not evaluate");
    state.SetLabel(std::to_string(expression.size()) + " characters");
}

// A typical pupil's line: a molar mass, a function, a group and a prefix (40 characters).
void BM_TypicalExpression(benchmark::State& state) {
    evaluate(state, "(12.011 + 4 * 1.008) * 2 + sin 30 / 5E-3", tavir::kDegrees);
}
BENCHMARK(BM_TypicalExpression);

void BM_MolarMass(benchmark::State& state) { evaluate(state, "12.011 + 4 * 1.008", tavir::kDegrees); }
BENCHMARK(BM_MolarMass);

void BM_NestedFunctions(benchmark::State& state) {
    evaluate(state, "cos (sin 30) + ln (2 + 3) * SQR 16 - 10 ^ -2", tavir::kDegrees);
}
BENCHMARK(BM_NestedFunctions);

// The longest line accepted, made of many small operations.
void BM_LongestExpression(benchmark::State& state) {
    std::string text = "1";
    while (text.size() + 8 <= tavir::kMaxExpressionLength) text += " + 2 * 3";
    evaluate(state, text, tavir::kDegrees);
}
BENCHMARK(BM_LongestExpression);

void BM_NumberText(benchmark::State& state) {
    double x = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavir::numberText(x));
        x *= 1.0001;
    }
}
BENCHMARK(BM_NumberText);

void BM_ExeKey(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavir::evaluateForDisplay("(12.011 + 4 * 1.008) * 2 + sin 30 / 5E-3", false, true));
    }
}
BENCHMARK(BM_ExeKey);

}  // namespace

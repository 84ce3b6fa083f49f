// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include "../../fuzz/calcexpr_check.hpp"
#include "support/corpus.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(CalcexprCorpus, EveryInputGivesACodeOrANumber) {
    replayCorpus("calcexpr", 20u, fuzz::checkCalcexpr);
}

}  // namespace
}  // namespace tavir

// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include "../../fuzz/calcexpr_check.hpp"
#include "support/corpus.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(CalcexprCorpus, EveryInputGivesACodeOrANumber) {
    const auto files = corpusFiles("calcexpr");
    ASSERT_GE(files.size(), 20u);
    for (const auto& file : files) EXPECT_EQ(fuzz::checkCalcexpr(fileBytes(file)), "") << file.filename();
}

}  // namespace
}  // namespace tavir

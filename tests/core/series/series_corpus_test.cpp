// Replays the series loader fuzzer's corpus, so that every input it kept runs with the
// ordinary tests.
#include <gtest/gtest.h>

#include "../../fuzz/series_loader_check.hpp"
#include "support/corpus.hpp"
#include "support/verdict.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(SeriesLoaderCorpus, EveryInputLoadsWholeOrIsRefused) {
    replayCorpus("series_loader", 4u, fuzz::checkSeriesLoader);
}

// The seeds keep their meaning, so the corpus goes on covering each verdict.
struct SeedCase {
    const char* file;
    std::string verdict;
};
class SeriesLoaderSeed : public ::testing::TestWithParam<SeedCase> {};

TEST_P(SeriesLoaderSeed, GivesItsVerdict) {
    const auto path = corpusFolder("series_loader") / GetParam().file;
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(verdict(decodeSeries(fileBytes(path))), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeriesLoaderSeed,
                         ::testing::Values(SeedCase{"seed_valid", ""},
                                           SeedCase{"seed_short", kSeriesUnreadable},
                                           SeedCase{"seed_wrong_magic", kSeriesNotOurs},
                                           SeedCase{"seed_length_200", kSeriesUnreadable}),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
}  // namespace tavir

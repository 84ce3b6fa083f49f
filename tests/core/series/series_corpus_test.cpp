// Replays the series loader fuzzer's corpus, so that every input it kept runs with the
// ordinary tests.
#include <gtest/gtest.h>

#include "../../fuzz/series_loader_check.hpp"
#include "support/corpus.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(SeriesLoaderCorpus, EveryInputLoadsWholeOrIsRefused) {
    replayCorpus("series_loader", 4u, fuzz::checkSeriesLoader);
}

// The seeds keep their meaning, so the corpus goes on covering each verdict.
struct SeedCase {
    const char* file;
    SeriesLoadStatus status;
};
class SeriesLoaderSeed : public ::testing::TestWithParam<SeedCase> {};

TEST_P(SeriesLoaderSeed, GivesItsVerdict) {
    const auto path = corpusFolder("series_loader") / GetParam().file;
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(decodeSeries(fileBytes(path)).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeriesLoaderSeed,
                         ::testing::Values(SeedCase{"seed_valid", SeriesLoadStatus::Ok},
                                           SeedCase{"seed_short", SeriesLoadStatus::ReadError},
                                           SeedCase{"seed_wrong_magic", SeriesLoadStatus::WrongMagic},
                                           SeedCase{"seed_length_200", SeriesLoadStatus::ReadError}),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
}  // namespace tavir

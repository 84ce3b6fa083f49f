// Replays the series loader fuzzer's corpus, so that every input it kept runs with the
// ordinary tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../fuzz/series_loader_check.hpp"

namespace tavir {
namespace {

std::filesystem::path corpusFolder() {
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / "series_loader";
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(SeriesLoaderCorpus, EveryInputLoadsWholeOrIsRefused) {
    const auto folder = corpusFolder();
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    ASSERT_GE(files.size(), 4u);
    for (const auto& file : files) EXPECT_EQ(fuzz::checkSeriesLoader(fileBytes(file)), "") << file.filename();
}

// The seeds keep their meaning, so the corpus goes on covering each verdict.
struct SeedCase {
    const char* file;
    SeriesLoadStatus status;
};
class SeriesLoaderSeed : public ::testing::TestWithParam<SeedCase> {};

TEST_P(SeriesLoaderSeed, GivesItsVerdict) {
    const auto path = corpusFolder() / GetParam().file;
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

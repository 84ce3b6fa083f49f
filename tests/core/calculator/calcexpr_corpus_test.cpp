// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../fuzz/calcexpr_check.hpp"

namespace tavir {
namespace {

std::filesystem::path corpusFolder() {
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / "calcexpr";
}

TEST(CalcexprCorpus, EveryInputGivesACodeOrANumber) {
    const auto folder = corpusFolder();
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    ASSERT_GE(files.size(), 20u);
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(fuzz::checkCalcexpr(input), "") << file.filename();
    }
}

}  // namespace
}  // namespace tavir

#pragma once
// The fuzzers' corpora, replayed by the ordinary tests: tests/fuzz/corpus/<name>/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace tavir::testing {

inline std::filesystem::path corpusFolder(const std::string& name) {
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / name;
}

inline std::vector<std::filesystem::path> corpusFiles(const std::string& name) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(corpusFolder(name), error))
        if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
}

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs a fuzzer's check over every input of its corpus: each must give "" (no fault found).
// The corpus must hold at least `atLeast` inputs, so that a lost folder cannot pass.
inline void replayCorpus(const std::string& name, std::size_t atLeast,
                         const std::function<std::string(const std::string&)>& check) {
    const auto files = corpusFiles(name);
    ASSERT_GE(files.size(), atLeast) << name;
    for (const auto& file : files) EXPECT_EQ(check(fileBytes(file)), "") << file.filename();
}

}  // namespace tavir::testing

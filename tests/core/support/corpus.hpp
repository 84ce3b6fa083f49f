#pragma once
// The fuzzers' corpora, replayed by the ordinary tests: tests/fuzz/corpus/<name>/.
#include <filesystem>
#include <fstream>
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

}  // namespace tavir::testing

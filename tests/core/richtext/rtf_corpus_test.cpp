// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "richtext/rtf_roundtrip_check.hpp"

namespace tavir {
namespace {

std::filesystem::path corpusFolder() {
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / "rtf_reader";
}

TEST(RtfReaderCorpus, EveryInputReadsBackThroughTheWriter) {
    const auto folder = corpusFolder();
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    ASSERT_GE(files.size(), 6u);
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(fuzz::checkRtfRoundTrip(input), "") << file.filename();
    }
}

// The seeds written by hand are real editors' files: they must read without damage.
TEST(RtfReaderCorpus, EditorSeedsAreNotDamaged) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpusFolder())) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("wordpad_") && !name.starts_with("libreoffice_") && !name.starts_with("textedit_"))
            continue;
        ++seeds;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const RtfReadResult result = readRtf(input);
        EXPECT_EQ(result.source, RtfSource::Rtf) << name;
        EXPECT_FALSE(result.damaged) << name;
        EXPECT_FALSE(result.document.paragraphs.empty()) << name;
    }
    EXPECT_GE(seeds, 3);
}

}  // namespace
}  // namespace tavir

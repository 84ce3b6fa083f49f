// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include "richtext/rtf_roundtrip_check.hpp"
#include "support/corpus.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(RtfReaderCorpus, EveryInputReadsBackThroughTheWriter) {
    replayCorpus("rtf_reader", 6u, fuzz::checkRtfRoundTrip);
}

// The seeds written by hand are real editors' files: they must read without damage.
TEST(RtfReaderCorpus, EditorSeedsAreNotDamaged) {
    int seeds = 0;
    for (const auto& file : corpusFiles("rtf_reader")) {
        const std::string name = file.filename().string();
        if (!name.starts_with("wordpad_") && !name.starts_with("libreoffice_") && !name.starts_with("textedit_"))
            continue;
        ++seeds;
        const RtfReadResult result = readRtf(fileBytes(file));
        EXPECT_EQ(result.source, RtfSource::Rtf) << name;
        EXPECT_FALSE(result.damaged) << name;
        EXPECT_FALSE(result.document.paragraphs.empty()) << name;
    }
    EXPECT_GE(seeds, 3);
}

}  // namespace
}  // namespace tavir

// Replays the fuzzer's corpus, so that every input it kept (crashes included, once fixed)
// runs with the ordinary tests.
#include <gtest/gtest.h>

#include "richtext/describe.hpp"
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
        EXPECT_FALSE(result.document.blocks.empty()) << name;
    }
    EXPECT_GE(seeds, 3);
}

// The worksheet LibreOffice Writer saved from a teacher's HTML page: every part of it is there.
TEST(RtfReaderLibreOffice, WorksheetKeepsScriptsTableImageAndBullets) {
    const RtfReadResult result = readRtf(fileBytes(corpusFolder("rtf_reader") / "libreoffice_worksheet.rtf"));
    EXPECT_FALSE(result.damaged);
    EXPECT_TRUE(result.dropped.empty());
    const std::string serif = "[Liberation Serif 12]";
    const std::string sub = "[Liberation Serif 12 sub]";
    const std::string super = "[Liberation Serif 12 super]";
    // The spacing Writer gives its heading and body styles; the bullets are a real list.
    const std::string body = "left sa140 sl276x:";
    const std::string bullet = "left li709 fi-283 sl276x list:bullet.0#2:" + serif;
    EXPECT_EQ(test::describe(result.document),
              "left sb200 sa120:[Liberation Serif 18 b]Fiche : les ions et les molécules / " + body + serif + "Le méthane CH" + sub + "4" +
                  serif + ", l'ion oxonium H" + sub + "3" + serif + "O" + super + "+" + serif + " et une mole : 6,02×10" +
                  super + "23" + serif + " entités. / table{(3241)left:" + serif + "Molécule (6143)left:" + serif +
                  "Formule (10205)left:" + serif + "Géométrie | (3241)left:" + serif + "eau (6143)left:" + serif + "H" + sub +
                  "2" + serif + "O (10205)left:" + serif + "coudée | (3241)left:" + serif + "méthane (6143)left:" + serif +
                  "CH" + sub + "4 (10205)left:" + serif + "tétraédrique} / " + body + serif + "Le modèle : " + serif +
                  "<png 600x300 93B> / " + bullet + "compter les doublets liants ; / left li709 fi-283 sa140 sl276x list:bullet.0#2:" +
                  serif + "placer les doublets non liants.");

    // And a save gives it back whole.
    const RtfReadResult saved = readRtf(writeRtf(result.document));
    EXPECT_FALSE(saved.damaged);
    EXPECT_TRUE(saved.document == result.document);
}

}  // namespace
}  // namespace tavir

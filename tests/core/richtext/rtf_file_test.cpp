#include "core/richtext/rtf_file.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "richtext/describe.hpp"
#include "support/hostile_paths.hpp"
#include "support/verdict.hpp"

namespace tavir {
namespace {

namespace fs = std::filesystem;

class RtfFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tavir_rtf_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    int entries() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++n;
        return n;
    }

    fs::path folder_;
};

RichDocument sample() {
    Paragraph p;
    p.alignment = Alignment::Center;
    TextRun r;
    r.text = "Énoncé";
    r.bold = true;
    p.append(r);
    return RichDocument{{p}};
}

TEST_F(RtfFile, SavedFileLoadsBack) {
    const fs::path file = folder_ / "texte.rtf";
    ASSERT_TRUE(saveRtfFile(file, sample()));
    const auto loaded = loadRtfFile(file);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->source, RtfSource::Rtf);
    EXPECT_TRUE(loaded->document == sample());
    EXPECT_EQ(entries(), 1) << "no temporary file left";
}

TEST_F(RtfFile, SaveReplacesAnOlderFile) {
    const fs::path file = folder_ / "texte.rtf";
    { std::ofstream(file) << "ancien contenu"; }
    ASSERT_TRUE(saveRtfFile(file, sample()));
    EXPECT_TRUE(contents(file).starts_with("{\\rtf1"));
}

TEST_F(RtfFile, FailedSaveLeavesNothingBehind) {
    const fs::path file = folder_ / "absent" / "texte.rtf";
    EXPECT_EQ(testing::verdict(saveRtfFile(file, sample())),
              "Enregistrement impossible | Impossible d'enregistrer le fichier " + file.string());
    EXPECT_FALSE(fs::exists(folder_ / "absent"));

    // A folder in the way of the target: the save fails and the folder stays as it was.
    const fs::path blocked = folder_ / "dossier.rtf";
    fs::create_directories(blocked / "dedans");
    EXPECT_FALSE(saveRtfFile(blocked, sample()).ok());
    EXPECT_TRUE(fs::is_directory(blocked / "dedans"));
    EXPECT_EQ(entries(), 1) << "no temporary file left";
}

TEST_F(RtfFile, BinaryFileIsRefused) {
    { std::ofstream(folder_ / "image.rtf", std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0", 10); }
    EXPECT_EQ(testing::verdict(loadRtfFile(folder_ / "image.rtf")),
              "Lecture impossible | Ce fichier n'est pas un texte\u00a0: ni texte au format RTF, ni texte simple.");
}

// Refused from its size alone: the sparse file would read as megabytes of zeros.
TEST_F(RtfFile, FileOverTheLimitIsRefusedFromItsSize) {
    const auto big = folder_ / "grand.rtf";
    { std::ofstream(big, std::ios::binary) << "{\\rtf1 a}"; }
    std::filesystem::resize_file(big, kMaxRtfFileBytes + 1);
    EXPECT_EQ(testing::verdict(loadRtfFile(big)),
              "Texte trop long | Ce fichier est trop gros pour la fenêtre exercice\u00a0: elle ouvre les textes d'au plus 32 Mo, "
              "images comprises.");
}

class RtfHostilePath : public testing::HostilePathTest {};

TEST_P(RtfHostilePath, IsRefusedAtOnce) {
    EXPECT_EQ(testing::verdict(loadRtfFile(path())), "Lecture impossible | Impossible de lire le fichier " + path().string());
}

INSTANTIATE_TEST_SUITE_P(Paths, RtfHostilePath, ::testing::ValuesIn(testing::kHostilePaths), testing::hostileName);

}  // namespace
}  // namespace tavir

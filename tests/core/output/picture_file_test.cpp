// The picture files: the format a chosen name asks for, and a write that never half-replaces.
#include <gtest/gtest.h>

#include "core/output/picture_file.hpp"
#include "support/scratch_folder.hpp"

namespace tavir::output {
namespace {

struct NameCase {
    const char* name;
    const char* chosen;
    PictureFormat filter;
    PictureFile expected;
};
class PictureFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PictureFileName, TheExtensionDecidesElseTheFilter) {
    const auto& p = GetParam();
    EXPECT_EQ(pictureFile(p.chosen, p.filter), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PictureFileName,
    ::testing::Values(
        NameCase{"plain_name_takes_the_filter", "/d/eau", PictureFormat::Svg, {"/d/eau.svg", PictureFormat::Svg}},
        NameCase{"extension_beats_the_filter", "/d/eau.pdf", PictureFormat::Png, {"/d/eau.pdf", PictureFormat::Pdf}},
        NameCase{"any_case", "/d/EAU.Png", PictureFormat::Pdf, {"/d/EAU.Png", PictureFormat::Png}},
        NameCase{"other_extension_kept_and_completed", "/d/eau.jpg", PictureFormat::Png,
                 {"/d/eau.jpg.png", PictureFormat::Png}},
        NameCase{"dot_in_a_folder_name_only", "/d/images.svg/eau", PictureFormat::Pdf,
                 {"/d/images.svg/eau.pdf", PictureFormat::Pdf}},
        NameCase{"hidden_name_is_no_extension", "/d/.png", PictureFormat::Svg, {"/d/.png.svg", PictureFormat::Svg}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFileWrite, AFailureLeavesTheOldFileAndSaysWhere) {
    testing::ScratchFolder folder;
    const auto file = folder / "eau.png";
    testing::writeBytes(file, "old");
    // Nothing drawn: refused, the old picture stays.
    const FileDone empty = savePictureFile(file, "");
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.failure().title, "Enregistrement impossible");
    EXPECT_EQ(empty.failure().message, "Impossible d'enregistrer l'image dans le fichier " + file.string());
    EXPECT_EQ(testing::readBytes(file), "old");

    const auto nowhere = folder / "absent" / "eau.png";
    const FileDone missing = savePictureFile(nowhere, "png bytes");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().message, "Impossible d'enregistrer l'image dans le fichier " + nowhere.string());
    EXPECT_FALSE(missing.failure().detail.empty());

    ASSERT_TRUE(savePictureFile(file, "new"));
    EXPECT_EQ(testing::readBytes(file), "new");
    EXPECT_EQ(testing::entryCount(folder.path()), 1);
}

}  // namespace
}  // namespace tavir::output

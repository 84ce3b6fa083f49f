// A file handed to the program opens by its menu: told by its content first, then its name.
#include "core/session/opened_file_kind.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/exercises/exercise_file.hpp"
#include "core/series/series_file.hpp"
#include "support/scratch_folder.hpp"
#include "support/zip_package.hpp"

namespace tavir {
namespace {

std::string series() { return *encodeSeries({"54222222242232222222322"}); }
std::string exercise() {
    return *encodeExercise({"enonce.rtf", "depart.C01", "", "", 1, {"Octet"}, "Le méthane"});
}
const std::string kRtf = "{\\rtf1\\ansi\\deff0 Construire le m\\'e9thane.\\par}";
const std::string kPng = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

struct KindCase {
    const char* name;
    std::string fileName;
    std::string bytes;
    OpenedFileKind kind;
};
class OpenedFileKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(OpenedFileKinds, FollowContentThenName) {
    EXPECT_EQ(openedFileKind(GetParam().fileName, GetParam().bytes), GetParam().kind);
}

using K = OpenedFileKind;
INSTANTIATE_TEST_SUITE_P(
    Files, OpenedFileKinds,
    ::testing::Values(
        KindCase{"series", "serie.C01", series(), K::Series},
        KindCase{"series_lower_case", "serie.c01", series(), K::Series},
        KindCase{"series_renamed", "serie.sauvegarde", series(), K::Series},
        KindCase{"series_named_as_an_exercise", "serie.E06", series(), K::Series},
        // Its loader says it is not ours, as "&Ouvrir" would.
        KindCase{"text_named_as_a_series", "notes.C01", kRtf, K::Series},
        KindCase{"exercise", "methane.E06", exercise(), K::Exercise},
        KindCase{"exercise_lower_case", "methane.e06", exercise(), K::Exercise},
        KindCase{"exercise_renamed", "methane.bin", exercise(), K::Unknown},
        KindCase{"rtf", "fiche.rtf", kRtf, K::Text},
        KindCase{"rtf_without_extension", "fiche", kRtf, K::Text},
        KindCase{"plain_text", "notes.txt", "Le m\xC3\xA9thane CH4\n", K::Text},
        KindCase{"utf16_text", "notes.txt", std::string("\xFF\xFEO\0K\0", 6), K::Text},
        KindCase{"empty", "vide.txt", "", K::Text},
        KindCase{"docx", "fiche.docx", testing::wordDocument().bytes(), K::WordProcessorDocument},
        KindCase{"docx_renamed", "fiche.rtf", testing::wordDocument().bytes(), K::WordProcessorDocument},
        KindCase{"odt", "fiche.odt", testing::openDocument().bytes(), K::WordProcessorDocument},
        KindCase{"spreadsheet", "notes.ods",
                 testing::openDocument("application/vnd.oasis.opendocument.spreadsheet").bytes(), K::Unknown},
        KindCase{"picture", "photo.png", kPng, K::Unknown}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenedFileKindOf, ReadsTheFileOrGoesByItsName) {
    const testing::ScratchFolder folder;
    testing::writeBytes(folder / "fiche.docx", testing::wordDocument().bytes());
    testing::writeBytes(folder / "copie", series());
    EXPECT_EQ(openedFileKindOf(folder / "fiche.docx"), OpenedFileKind::WordProcessorDocument);
    EXPECT_EQ(openedFileKindOf(folder / "copie"), OpenedFileKind::Series);
    // Unread, a file goes to the loader its name calls for, which tells why.
    EXPECT_EQ(openedFileKindOf(folder / "absente.C01"), OpenedFileKind::Series);
    EXPECT_EQ(openedFileKindOf(folder / "absent.E06"), OpenedFileKind::Exercise);
    EXPECT_EQ(openedFileKindOf(folder / "absent.rtf"), OpenedFileKind::Text);
    EXPECT_EQ(openedFileKindOf(folder.path()), OpenedFileKind::Text);
}

}  // namespace
}  // namespace tavir

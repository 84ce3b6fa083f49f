// A file handed to the program opens by its menu: told by its content first, then its name;
// word-processor packages by their parts, however they are laid out.
#include "core/session/opened_file_kind.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/exercises/exercise_file.hpp"
#include "core/series/series_file.hpp"
#include "support/zip_package.hpp"

namespace tavir {
namespace {

using testing::ZipPackage;
using K = OpenedFileKind;

const std::string kSeries = *encodeSeries({"54222222242232222222322"});
const std::string kExercise = *encodeExercise({"enonce.rtf", "depart.C01", "", "", 1, {"Octet"}, "Le méthane"});
const std::string kRtf = "{\\rtf1\\ansi\\deff0 Construire le m\\'e9thane.\\par}";

std::string docx(void (*change)(ZipPackage&) = [](ZipPackage&) {}) {
    ZipPackage package = testing::wordDocument();
    change(package);
    return package.bytes();
}

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

INSTANTIATE_TEST_SUITE_P(
    Files, OpenedFileKinds,
    ::testing::Values(
        KindCase{"series", "serie.C01", kSeries, K::Series},
        KindCase{"series_renamed", "serie.E06", kSeries, K::Series},
        // Its loader then says it is not ours, as "&Ouvrir" would.
        KindCase{"text_named_as_a_series", "notes.c01", kRtf, K::Series},
        KindCase{"exercise", "methane.e06", kExercise, K::Exercise},
        KindCase{"rtf_without_extension", "fiche", kRtf, K::Text},
        KindCase{"plain_text", "notes.txt", "Le m\xC3\xA9thane CH4\n", K::Text},
        KindCase{"utf16_text", "notes.txt", std::string("\xFF\xFEO\0K\0", 6), K::Text},
        KindCase{"empty", "vide.txt", "", K::Text},
        KindCase{"picture", "photo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), K::Unknown},
        KindCase{"docx_renamed", "fiche.rtf", docx(), K::WordProcessorDocument},
        KindCase{"docx_streamed", "f.docx", docx([](ZipPackage& z) { z.sizesAfterData = true; }),
                 K::WordProcessorDocument},
        KindCase{"docx_with_a_comment", "f.docx", docx([](ZipPackage& z) { z.comment = std::string(300, 'x'); }),
                 K::WordProcessorDocument},
        // Without its directory, or with a damaged one, the entries are walked from the front...
        KindCase{"docx_cut_short", "f.docx", docx([](ZipPackage& z) { z.directory = false; }),
                 K::WordProcessorDocument},
        KindCase{"docx_bad_directory", "f.docx", docx([](ZipPackage& z) { z.directoryShift = 1000; }),
                 K::WordProcessorDocument},
        // ...as far as their sizes are known.
        KindCase{"docx_streamed_and_cut_short", "f.docx", docx([](ZipPackage& z) {
                     z.sizesAfterData = true;
                     z.directory = false;
                 }), K::Unknown},
        KindCase{"odt", "fiche.odt", testing::openDocument().bytes(), K::WordProcessorDocument},
        KindCase{"ods", "f.ods", testing::openDocument("application/vnd.oasis.opendocument.spreadsheet").bytes(),
                 K::Unknown},
        KindCase{"xlsx", "f.xlsx", ZipPackage({{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<x/>"}}).bytes(),
                 K::Unknown},
        KindCase{"a_near_name", "f.docx", ZipPackage({{"word/document.xml.bak", "<w/>"}, {"a", "b"}}).bytes(),
                 K::Unknown},
        KindCase{"text_after_a_zip_signature", "notes.txt", "PK\x03\x04 une ligne", K::Text}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

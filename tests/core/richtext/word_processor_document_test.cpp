// Word-processor documents are told by their parts, and the exercise area's reader refuses
// them with how to make an RTF of them.
#include "core/richtext/word_processor_document.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/richtext/rtf_file.hpp"
#include "core/richtext/texts.hpp"
#include "support/verdict.hpp"
#include "support/zip_package.hpp"

namespace tavir {
namespace {

using testing::ZipPackage;

struct PackageCase {
    const char* name;
    std::string bytes;
    WordProcessorFormat format;
};
class WordProcessorPackages : public ::testing::TestWithParam<PackageCase> {};

TEST_P(WordProcessorPackages, AreToldByTheirParts) { EXPECT_EQ(wordProcessorFormat(GetParam().bytes), GetParam().format); }

ZipPackage with(ZipPackage package, void (*change)(ZipPackage&)) {
    change(package);
    return package;
}

INSTANTIATE_TEST_SUITE_P(
    Packages, WordProcessorPackages,
    ::testing::Values(
        PackageCase{"docx", testing::wordDocument().bytes(), WordProcessorFormat::Docx},
        PackageCase{"docx_streamed", with(testing::wordDocument(), [](ZipPackage& z) { z.sizesAfterData = true; }).bytes(),
                    WordProcessorFormat::Docx},
        PackageCase{"docx_with_a_comment", with(testing::wordDocument(), [](ZipPackage& z) {
                        z.comment = std::string(300, 'x');
                    }).bytes(), WordProcessorFormat::Docx},
        // Without its directory, or with a damaged one, the entries are walked from the front.
        PackageCase{"docx_cut_short", with(testing::wordDocument(), [](ZipPackage& z) { z.directory = false; }).bytes(),
                    WordProcessorFormat::Docx},
        PackageCase{"docx_bad_directory", with(testing::wordDocument(), [](ZipPackage& z) {
                        z.directoryShift = 1000;
                    }).bytes(), WordProcessorFormat::Docx},
        PackageCase{"docx_streamed_and_cut_short", with(testing::wordDocument(), [](ZipPackage& z) {
                        z.sizesAfterData = true;
                        z.directory = false;
                    }).bytes(), WordProcessorFormat::None},
        PackageCase{"odt", testing::openDocument().bytes(), WordProcessorFormat::Odt},
        PackageCase{"odt_template", testing::openDocument(std::string(testing::kOdtMimetype) + "-template").bytes(),
                    WordProcessorFormat::Odt},
        PackageCase{"ods", testing::openDocument("application/vnd.oasis.opendocument.spreadsheet").bytes(),
                    WordProcessorFormat::None},
        PackageCase{"xlsx", ZipPackage({{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<workbook/>"}}).bytes(),
                    WordProcessorFormat::None},
        PackageCase{"a_near_name", ZipPackage(ZipPackage::Entries{{"word/document.xml.bak", "<w:document/>"}}).bytes(),
                    WordProcessorFormat::None},
        PackageCase{"rtf", "{\\rtf1\\ansi word/document.xml}", WordProcessorFormat::None},
        PackageCase{"text_after_the_signature", "PK\x03\x04 une ligne de texte", WordProcessorFormat::None},
        PackageCase{"empty", "", WordProcessorFormat::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordProcessorDocuments, AreRefusedWithHowToMakeAnRtf) {
    const std::string refused = "Lecture impossible | " + std::string(richtext_texts::kWordProcessorDocument);
    EXPECT_EQ(testing::verdict(decodeRtf(testing::wordDocument().bytes())), refused);
    EXPECT_EQ(testing::verdict(decodeRtf(testing::openDocument().bytes())), refused);
    // Any other package is no text at all.
    EXPECT_EQ(testing::verdict(decodeRtf(testing::openDocument("application/vnd.oasis.opendocument.spreadsheet").bytes())),
              "Lecture impossible | " + std::string(richtext_texts::kNotText));
}

}  // namespace
}  // namespace tavir

// The 128-byte record codec.
#include <gtest/gtest.h>

#include <string>

#include "core/files/record_file.hpp"

namespace tavir {
namespace {

// --- cp1252 at the boundary

struct CharCase {
    const char* name;
    std::string cp1252;
    std::string utf8;
};
class Cp1252 : public ::testing::TestWithParam<CharCase> {};

TEST_P(Cp1252, ConvertsBothWays) {
    EXPECT_EQ(cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp1252,
    ::testing::Values(CharCase{"ascii", "TAVIR 0", "TAVIR 0"},
                      CharCase{"latin1_letters", "\xE9l\xE8ve \xE0 \xC7", "\xC3\xA9l\xC3\xA8ve \xC3\xA0 \xC3\x87"},
                      CharCase{"euro", "\x80", "\xE2\x82\xAC"},
                      CharCase{"oe_ligature", "\x8C\x9C", "\xC5\x92\xC5\x93"},
                      CharCase{"quotes_and_dashes", "\x92\x96\x97", "\xE2\x80\x99\xE2\x80\x93\xE2\x80\x94"},
                      CharCase{"y_diaeresis_both", "\x9F\xFF", "\xC5\xB8\xC3\xBF"},
                      CharCase{"undefined_byte_kept", "\x81\x9D", "\xC2\x81\xC2\x9D"},
                      CharCase{"degree_and_nbsp", "\xB0\xA0", "\xC2\xB0\xC2\xA0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string cp1252;
};
class Utf8Foreign : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Foreign, BecomesQuestionMarks) { EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252); }

INSTANTIATE_TEST_SUITE_P(Inputs, Utf8Foreign,
                         ::testing::Values(Utf8Case{"arrow", "a\xE2\x86\x92" "b", "a?b"},
                                           Utf8Case{"emoji", "\xF0\x9F\x98\x80", "?"},
                                           Utf8Case{"lone_lead_byte_at_end", "x\xC3", "x?"},
                                           Utf8Case{"lone_continuation", "\x80x", "?x"},
                                           Utf8Case{"overlong_slash", "\xC0\xAF", "??"},
                                           Utf8Case{"surrogate", "\xED\xA0\x80", "???"},
                                           Utf8Case{"cut_three_byte", "\xE2\x82", "??"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- reading records from bytes

std::string lengthBytes(unsigned n) { return {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)}; }

struct ReadCase {
    const char* name;
    std::string file;
    int record;
    RecordStatus status;
    std::string text;
};
class ReadRecord : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRecord, StatusAndText) {
    const auto& p = GetParam();
    const RecordRead r = readRecord(p.file, p.record);
    EXPECT_EQ(r.status, p.status);
    EXPECT_EQ(r.text, p.text);
    // The raw reading agrees: empty past the end, nothing for a damaged record.
    const auto raw = readRecordBytes(p.file, p.record);
    EXPECT_EQ(raw.has_value(), p.status == RecordStatus::Ok || p.status == RecordStatus::PastEnd);
}

const std::string kTwoRecords = lengthBytes(3) + "abc" + std::string(123, '\0') + lengthBytes(2) + "\xE9t";

INSTANTIATE_TEST_SUITE_P(
    Records, ReadRecord,
    ::testing::Values(
        ReadCase{"first", kTwoRecords, 1, RecordStatus::Ok, "abc"},
        ReadCase{"second_unpadded_last_record", kTwoRecords, 2, RecordStatus::Ok, "\xC3\xA9t"},
        ReadCase{"past_the_end_is_empty", kTwoRecords, 3, RecordStatus::PastEnd, ""},
        ReadCase{"far_past_the_end", kTwoRecords, 40000, RecordStatus::PastEnd, ""},
        ReadCase{"record_zero", kTwoRecords, 0, RecordStatus::PastEnd, ""},
        ReadCase{"empty_file", "", 1, RecordStatus::PastEnd, ""},
        ReadCase{"length_0", lengthBytes(0), 1, RecordStatus::Ok, ""},
        ReadCase{"length_126_fills_the_record", lengthBytes(126) + std::string(126, 'x'), 1, RecordStatus::Ok,
                 std::string(126, 'x')},
        ReadCase{"length_127", lengthBytes(127) + std::string(126, 'x'), 1, RecordStatus::TooLong, ""},
        ReadCase{"length_65535", lengthBytes(65535) + std::string(200, 'x'), 1, RecordStatus::TooLong, ""},
        ReadCase{"length_high_byte_only", lengthBytes(256) + std::string(300, 'x'), 1, RecordStatus::TooLong, ""},
        ReadCase{"text_cut_short", lengthBytes(10) + "12345", 1, RecordStatus::CutShort, ""},
        ReadCase{"length_cut_short", std::string(128, '\0') + "\x05", 2, RecordStatus::CutShort, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- writing records

TEST(EncodeRecord, LengthTextAndZeroPadding) {
    const auto r = encodeRecord("\xC3\xA9" "23");  // "é23"
    ASSERT_TRUE(r);
    std::string expected(128, '\0');
    expected[0] = 3;
    expected[2] = '\xE9';
    expected[3] = '2';
    expected[4] = '3';
    EXPECT_EQ(*r, expected);
}

struct FitCase {
    const char* name;
    std::string text;
    bool fits;
};
class EncodeFits : public ::testing::TestWithParam<FitCase> {};

TEST_P(EncodeFits, OnlyWhatARecordHolds) {
    const auto r = encodeRecord(GetParam().text);
    ASSERT_EQ(r.has_value(), GetParam().fits);
    if (r) {
        EXPECT_EQ(readRecord(*r, 1).text, GetParam().text);
    }
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

INSTANTIATE_TEST_SUITE_P(Texts, EncodeFits,
                         ::testing::Values(FitCase{"empty", "", true}, FitCase{"126_ascii", std::string(126, 'a'), true},
                                           FitCase{"127_ascii", std::string(127, 'a'), false},
                                           // Counted in cp1252 bytes, not UTF-8 bytes.
                                           FitCase{"126_accented", repeat("\xC3\xA9", 126), true},
                                           FitCase{"127_accented", repeat("\xC3\xA9", 127), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeRecords, OneRecordPerTextAtItsOffset) {
    const auto file = encodeRecords({"a", "", "ccc"});
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 3 * 128u);
    EXPECT_EQ(readRecord(*file, 1).text, "a");
    EXPECT_EQ(readRecord(*file, 2).text, "");
    EXPECT_EQ(file->substr(256, 5), std::string("\x03\x00" "ccc", 5));
    EXPECT_FALSE(encodeRecords({"a", std::string(127, 'b')}));
}

}  // namespace
}  // namespace tavir

#include "core/text/encoding.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace tavir {
namespace {

struct Cp1252Case {
    std::string name;
    int byte;
    char32_t character;
};

void PrintTo(const Cp1252Case& c, std::ostream* os) { *os << c.name; }

class RtfCp1252 : public testing::TestWithParam<Cp1252Case> {};

TEST_P(RtfCp1252, DecodesTheWindowsCharacter) {
    EXPECT_EQ(cp1252ToUnicode(static_cast<std::uint8_t>(GetParam().byte)), GetParam().character);
}

INSTANTIATE_TEST_SUITE_P(
    RtfTextEncoding, RtfCp1252,
    testing::Values(Cp1252Case{"Ascii", 0x41, U'A'}, Cp1252Case{"Euro", 0x80, U'€'},
                    Cp1252Case{"Apostrophe", 0x92, U'’'}, Cp1252Case{"OpeningQuote", 0x93, U'“'},
                    Cp1252Case{"Ellipsis", 0x85, U'…'}, Cp1252Case{"Oe", 0x9C, U'œ'},
                    Cp1252Case{"YDiaeresis", 0x9F, U'Ÿ'}, Cp1252Case{"NoBreakSpace", 0xA0, U'\u00a0'},
                    Cp1252Case{"EAcute", 0xE9, U'é'}, Cp1252Case{"LastByte", 0xFF, U'ÿ'},
                    Cp1252Case{"Undefined81", 0x81, kReplacementCharacter},
                    Cp1252Case{"Undefined9D", 0x9D, kReplacementCharacter}),
    [](const testing::TestParamInfo<Cp1252Case>& info) { return info.param.name; });

TEST(RtfTextEncoding, EveryDefinedByteEncodesBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = cp1252ToUnicode(static_cast<std::uint8_t>(byte));
        if (c == kReplacementCharacter) continue;
        EXPECT_EQ(unicodeToCp1252(c), byte) << byte;
    }
    EXPECT_EQ(unicodeToCp1252(U'\u0080'), -1);  // the C1 controls are not the 0x80 row
    EXPECT_EQ(unicodeToCp1252(U'α'), -1);
    EXPECT_EQ(unicodeToCp1252(kReplacementCharacter), -1);
}

struct Utf8Case {
    std::string name;
    std::string bytes;
    char32_t first;
    std::size_t advance;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }

class RtfUtf8Decoding : public testing::TestWithParam<Utf8Case> {};

TEST_P(RtfUtf8Decoding, DecodesOrReplacesAndMovesOn) {
    std::size_t pos = 0;
    EXPECT_EQ(nextUtf8(GetParam().bytes, pos), GetParam().first);
    EXPECT_EQ(pos, GetParam().advance);
}

INSTANTIATE_TEST_SUITE_P(
    RtfTextEncoding, RtfUtf8Decoding,
    testing::Values(Utf8Case{"Ascii", "a", U'a', 1}, Utf8Case{"TwoBytes", "é", U'é', 2},
                    Utf8Case{"ThreeBytes", "€", U'€', 3}, Utf8Case{"FourBytes", "😀", U'😀', 4},
                    Utf8Case{"Overlong", "\xC0\xAF", kReplacementCharacter, 1},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", kReplacementCharacter, 1},
                    Utf8Case{"PastLastPlane", "\xF4\x90\x80\x80", kReplacementCharacter, 1},
                    Utf8Case{"Truncated", "\xE2\x82", kReplacementCharacter, 1},
                    Utf8Case{"LoneContinuation", "\x80" "a", kReplacementCharacter, 1},
                    Utf8Case{"BadContinuation", "\xC3" "a", kReplacementCharacter, 1}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return info.param.name; });

TEST(RtfTextEncoding, Utf8EncodingRoundTrips) {
    for (char32_t c : {U'\t', U'A', U'é', U'€', U'\uFFFD', U'😀', U'\U0010FFFF'}) {
        std::string bytes;
        appendUtf8(bytes, c);
        std::size_t pos = 0;
        EXPECT_EQ(nextUtf8(bytes, pos), c);
        EXPECT_EQ(pos, bytes.size());
        EXPECT_TRUE(isValidUtf8(bytes));
    }
    std::string bad;
    appendUtf8(bad, 0xD800);
    appendUtf8(bad, 0x110000);
    EXPECT_EQ(bad, "\uFFFD\uFFFD");
    EXPECT_FALSE(isValidUtf8("caf\xe9"));
}

}  // namespace
}  // namespace tavir

namespace tavir {
namespace {

struct Utf16Case {
    std::string name;
    std::string bytes;
    std::optional<std::string> utf8;
};

void PrintTo(const Utf16Case& c, std::ostream* os) { *os << c.name; }

class Utf16Decoding : public testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16Decoding, DecodesOnlyBehindItsMark) { EXPECT_EQ(utf16WithMarkToUtf8(GetParam().bytes), GetParam().utf8); }

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    RtfTextEncoding, Utf16Decoding,
    testing::Values(Utf16Case{"LittleEndian", "\xFF\xFEH\0\xE9\0\r\0\n\0"s, "H\u00E9\r\n"},
                    Utf16Case{"BigEndian", "\xFE\xFF\0H\x20\x82"s, "H\u2082"},
                    Utf16Case{"SurrogatePair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "\U0001F600"},
                    Utf16Case{"LoneHighSurrogate", "\xFF\xFE\x3D\xD8" "a\0"s, "\uFFFDa"},
                    Utf16Case{"LoneLowSurrogate", "\xFF\xFE\x00\xDE"s, "\uFFFD"},
                    Utf16Case{"OddLastByte", "\xFF\xFE" "a\0b"s, "a\uFFFD"},
                    Utf16Case{"NoMark", "a\0b\0"s, std::nullopt},
                    Utf16Case{"Utf8Mark", "\xEF\xBB\xBF" "abc"s, std::nullopt}),
    [](const testing::TestParamInfo<Utf16Case>& info) { return info.param.name; });

}  // namespace
}  // namespace tavir

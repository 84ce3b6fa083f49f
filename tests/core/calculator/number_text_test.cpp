// Numbers as the calculator writes and reads them, whatever the user's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "core/calculator/number_text.hpp"

namespace tavir {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
std::string textName(const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; }

class NumberText : public ::testing::TestWithParam<TextCase> {};
TEST_P(NumberText, WritesThe15DigitForm) { EXPECT_EQ(numberText(GetParam().value), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(
    Forms, NumberText,
    ::testing::Values(TextCase{"zero", 0.0, "0"},
                      TextCase{"negative_zero", -0.0, "0"},
                      TextCase{"integer", 5, "5"},
                      TextCase{"half_without_leading_zero", 0.5, ".5"},
                      TextCase{"negative_quarter", -0.25, "-.25"},
                      TextCase{"decimal", 16.043, "16.043"},
                      TextCase{"rounded_to_15_digits", 1.0 / 3.0, ".333333333333333"},
                      TextCase{"rounding_up_carries", 2.0 / 3.0, ".666666666666667"},
                      TextCase{"pi", 3.14159265358979323846, "3.14159265358979"},
                      TextCase{"smallest_plain", 0.0001, ".0001"},
                      TextCase{"first_small_exponent", 0.00001, "1E-05"},
                      TextCase{"small_with_digits", -0.0000125, "-1.25E-05"},
                      TextCase{"largest_plain", 123456789012345.0, "123456789012345"},
                      TextCase{"plain_with_zeros", 1e14, "100000000000000"},
                      TextCase{"first_large_exponent", 1e15, "1E+15"},
                      TextCase{"rounding_reaches_the_switch", 999999999999999.9, "1E+15"},
                      TextCase{"twentieth_power", 1e20, "1E+20"},
                      TextCase{"three_digit_exponent", 1e100, "1E+100"},
                      TextCase{"tiny_exponent", 2.5e-300, "2.5E-300"},
                      TextCase{"largest_double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                      TextCase{"not_finite_writes_nothing", std::numeric_limits<double>::infinity(), ""}),
    textName);

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
class ReadNumber : public ::testing::TestWithParam<ReadCase> {};
TEST_P(ReadNumber, ReadsTheLeadingNumber) {
    const auto v = readNumber(GetParam().text);
    ASSERT_TRUE(v.has_value());
    EXPECT_DOUBLE_EQ(*v, GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    ::testing::Values(ReadCase{"integer", "42", 42},
                      ReadCase{"leading_blanks_and_sign", "   -2.5", -2.5},
                      ReadCase{"plus_sign", "+7", 7},
                      ReadCase{"point_first", ".5", 0.5},
                      ReadCase{"point_last", "5.", 5},
                      ReadCase{"stops_at_parenthesis", "5)", 5},
                      ReadCase{"stops_at_blank", "5 3", 5},
                      ReadCase{"second_point_ends", "1.2.3", 1.2},
                      ReadCase{"exponent", "2E+3", 2000},
                      ReadCase{"negative_exponent", "25E-1", 2.5},
                      ReadCase{"d_exponent", "1D2", 100},
                      ReadCase{"lower_case_exponent", "1e-2", 0.01},
                      ReadCase{"scientific_display", "5.E+02", 500},
                      ReadCase{"exponent_without_digits", "2E", 2},
                      ReadCase{"exponent_sign_without_digits", "2E+)", 2},
                      ReadCase{"no_digit", "E5", 0},
                      ReadCase{"message_reads_as_zero", "Calcul impossible", 0},
                      ReadCase{"empty", "", 0},
                      ReadCase{"lone_sign", "-", 0},
                      ReadCase{"leading_zeros", "000.0025", 0.0025},
                      ReadCase{"underflow", "1E-400", 0},
                      ReadCase{"zero_with_huge_exponent", "0E999999", 0},
                      ReadCase{"many_digits", "123456789012345678901234567890", 1.2345678901234568e29},
                      ReadCase{"standard_display_blank", " 16.043", 16.043}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadNumber, OverflowIsReported) {
    EXPECT_FALSE(readNumber("1E400").has_value());
    EXPECT_FALSE(readNumber("-1E400").has_value());
    EXPECT_FALSE(readNumber("1.79769313486232E+308").has_value());  // rounding pushed it over
    EXPECT_FALSE(readNumber("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(readNumber("1E99999999999999999999").has_value());
}

TEST(NumberText, ReadsBackWithin15Digits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);  // normal doubles: full precision
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = numberText(v);
        ASSERT_EQ(text.find(' '), std::string::npos) << text;
        const auto back = readNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(numberText(*back), text);
        EXPECT_LE(std::abs(*back - v), std::abs(v) * 1e-14) << text;
    }
}

TEST(NumberText, IgnoresTheUserLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool french = std::setlocale(LC_ALL, "fr_FR.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(numberText(1.5), "1.5");
    EXPECT_EQ(scientificFormat(1.25), "1.25E+00");
    EXPECT_DOUBLE_EQ(*readNumber("1.5"), 1.5);
    std::setlocale(LC_ALL, saved.c_str());
    if (!french) GTEST_SKIP() << "no comma locale installed; checked in the C locale only";
}

struct FormatCase {
    const char* name;
    double value;
    const char* standard;
    const char* scientific;
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }
class DisplayFormats : public ::testing::TestWithParam<FormatCase> {};
TEST_P(DisplayFormats, StandardAndScientific) {
    EXPECT_EQ(standardFormat(GetParam().value), GetParam().standard);
    EXPECT_EQ(scientificFormat(GetParam().value), GetParam().scientific);
}
INSTANTIATE_TEST_SUITE_P(
    Values, DisplayFormats,
    ::testing::Values(FormatCase{"five", 5, " 5", "5.E+00"},
                      FormatCase{"half", 0.5, " .5", "5.E-01"},
                      FormatCase{"minus_two", -2, "-2", "-2.E+00"},
                      FormatCase{"five_hundred", 500, " 500", "5.E+02"},
                      FormatCase{"one_and_a_quarter", 1.25, " 1.25", "1.25E+00"},
                      FormatCase{"zero", 0, " 0", "0.E+00"},
                      FormatCase{"eight_digits_kept", 1.23456789, " 1.23456789", "1.2345679E+00"},
                      FormatCase{"rounding_carries_exponent", 9.999999999, " 9.999999999", "1.E+01"},
                      FormatCase{"large", 6.02214076e23, " 6.02214076E+23", "6.0221408E+23"},
                      FormatCase{"three_digit_exponent", -1e-100, "-1E-100", "-1.E-100"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

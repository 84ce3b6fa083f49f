// The printf way of writing and reading doubles, used where the standard library has no
// floating-point to_chars and from_chars (the browser's), gives what those give.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "core/calculator/float_chars.hpp"

namespace tavir::float_chars {
namespace {

std::vector<double> sampleValues() {
    std::vector<double> values{0.1, 0.5, 1, 2.5, 100000, 1e5, 123456, 1e15, 1e16, 1e21, 1e22, 1.5e-7, 0.0001, 1e-5,
                               5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 1.0 / 3, 2.0 / 3, 9007199254740993.0,
                               -0.25, -1e100, 3.14159, 299792458, 6.02214076e23, 1.602176634e-19};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v)) values.push_back(v);
    }
    std::uniform_real_distribution<double> everyday(-1000, 1000);
    for (int i = 0; i < 5000; ++i) values.push_back(std::round(everyday(random) * 1000) / 1000);
    return values;
}

TEST(FloatChars, PrintfWayWritesWhatTheLibraryWrites) {
    for (double v : sampleValues()) {
        ASSERT_EQ(by_printf::shortest(v), shortest(v)) << v;
        for (int precision : {0, 7, 14}) ASSERT_EQ(by_printf::scientific(v, precision), scientific(v, precision)) << v;
    }
}

struct ParseCase {
    const char* text;
    bool outOfRange;
    double value;
};

class FloatCharsParse : public testing::TestWithParam<ParseCase> {};

TEST_P(FloatCharsParse, BothWaysReadAlike) {
    const ParseCase& c = GetParam();
    for (const Parsed p : {parse(c.text), by_printf::parse(c.text)}) {
        EXPECT_EQ(p.outOfRange, c.outOfRange) << c.text;
        if (!c.outOfRange) {
            EXPECT_EQ(p.value, c.value) << c.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FloatCharsParse,
                         testing::Values(ParseCase{"15e-1", false, 1.5}, ParseCase{"1e-310", false, 1e-310},
                                         ParseCase{"5e-324", false, 5e-324}, ParseCase{"1e-400", true, 0},
                                         ParseCase{"1e400", true, 0}, ParseCase{"18e307", true, 0},
                                         ParseCase{"17976931348623157e292", false, 1.7976931348623157e308}));

}  // namespace
}  // namespace tavir::float_chars

#include "core/board/construction.hpp"

#include <gtest/gtest.h>

#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(ConstructionString, RoundTripKeepsEveryCodeAndOrder) {
    const auto ethene = makeConstruction({{0, C}, {1, C}, {7, H}, {9, H}, {2, H}, {10, H}},
                                         {{1, 2}, {7, 1}, {9, 1}, {2, 1}, {10, 1}});
    const std::string text = ethene.toString();
    EXPECT_EQ(text.size(), 23u);
    EXPECT_EQ(text, "33422224244243222232332");
    EXPECT_EQ(Construction::fromString(text), ethene);
    EXPECT_EQ(Construction{}.toString(), kEmptyConstructionString);
}

struct DamagedCase {
    const char* text;
    const char* readsAs;
};
class DamagedString : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedString, DamagedPositionsReadAsZero) {
    const auto c = Construction::fromString(GetParam().text);
    EXPECT_EQ(c.toString(), GetParam().readsAs);
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(c.code[i] >= 0 && c.code[i] <= 5);
    for (int k = 1; k < 12; ++k) EXPECT_TRUE(c.slot[k] >= 0 && c.slot[k] <= 3);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedString,
    ::testing::Values(DamagedCase{"", "22222222222222222222222"},
                      DamagedCase{"   ", "22222222222222222222222"},
                      DamagedCase{"3", "32222222222222222222222"},
                      DamagedCase{"39222222222222222222222", "32222222222222222222222"},
                      DamagedCase{"3322222222226222222222A", "33222222222222222222222"},
                      DamagedCase{"33222222222232222222222xyz", "33222222222232222222222"},
                      DamagedCase{"\x01\xff" "2222222222222222222222", "22222222222222222222222"}));

TEST(ConstructionString, StrictParseRefusesAnythingOffTheAlphabet) {
    EXPECT_TRUE(Construction::parse("54222222242232222222322"));
    EXPECT_FALSE(Construction::parse("5422222224223222222232"));    // 22 characters
    EXPECT_FALSE(Construction::parse("542222222422322222223222"));  // 24 characters
    EXPECT_FALSE(Construction::parse("84222222242232222222322"));   // code 6
    EXPECT_FALSE(Construction::parse("54222222242262222222322"));   // order 4
    EXPECT_FALSE(Construction::parse("1422222224223222222232 "));
}

// A carbocation's vacancy rides on a 24th character; every other construction keeps the 23
// characters that old series files hold.
TEST(ConstructionString, VacancyAddsOneCharacterOnlyWhenThere) {
    auto methylium = makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}, {{1, 1}, {5, 1}, {9, 1}});
    const std::string pair = methylium.toString();
    methylium.vacancy[0] = true;
    EXPECT_EQ(methylium.toString(), pair + "3");
    EXPECT_EQ(Construction::fromString(pair + "3"), methylium);
    EXPECT_FALSE(Construction::fromString(pair).hasVacancy());
    EXPECT_TRUE(Construction::parse(pair + "3"));
    // A vacancy only stands on a carbon: on the hydrogen of centre 1 it reads as none.
    EXPECT_FALSE(Construction::fromString(pair + "4").hasVacancy());
    EXPECT_FALSE(Construction::parse(pair + "4"));
    EXPECT_EQ(Construction::fromString(pair + "9").toString(), pair);
}

struct BondCountCase {
    int cell;
    int expected;
};
class BondCount : public ::testing::TestWithParam<BondCountCase> {};

TEST_P(BondCount, SumsTheSlotsThatTouchTheCell) {
    // Slots 1 = 2, 5 = 1, 9 = 1; slot 3 = 3 on the other centre.
    const auto c = makeConstruction({}, {{1, 2}, {5, 1}, {9, 1}, {3, 3}});
    EXPECT_EQ(bondCount(c, GetParam().cell), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BondCount,
                         ::testing::Values(BondCountCase{0, 4}, BondCountCase{1, 5}, BondCountCase{9, 1},
                                           BondCountCase{5, 1}, BondCountCase{3, 3}, BondCountCase{7, 0}));

TEST(BondCount, AtomOutsideTheBoardLeavesResultUnchanged) {
    const auto c = makeConstruction({}, {{1, 2}});
    int16_t resul = 42;
    nbliaison(c, 12, resul);
    EXPECT_EQ(resul, 42);
    nbliaison(c, -1, resul);
    EXPECT_EQ(resul, 42);
}

}  // namespace
}  // namespace tavir

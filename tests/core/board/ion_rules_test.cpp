// What a chemist accepts with the formal charges shown: ions and molecules drawn with charges
// are kept as built and accepted, absurd species are refused, each for one stated reason.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "core/board/acceptance.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

Construction fromText(const char* text) { return *Construction::parse(text); }
Construction withVacancy(Construction c, int centre, int other = -1) {
    c.vacancy[static_cast<std::size_t>(centre)] = true;
    if (other >= 0) c.vacancy[static_cast<std::size_t>(other)] = true;
    return c;
}

using Charges = std::vector<std::pair<int, int>>;  // (cell, formal charge) of the charged atoms

struct RuleCase {
    const char* name;
    Construction built;  // as the pupil left it
    int dragFlag;
    IonVerdict verdict;
    const char* formula;  // "" when refused
    Charges charges;
};
void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
class IonRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(IonRules, AcceptanceChargesAndFormula) {
    const RuleCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.built, tc.dragFlag, AnalysisOptions{true});
    const Construction& r = a.board.record;
    EXPECT_EQ(ionVerdictName(ionVerdict(r)), ionVerdictName(tc.verdict));
    const bool accepted = tc.verdict == IonVerdict::accepted || tc.verdict == IonVerdict::uncharged;
    EXPECT_EQ(a.accepted, accepted);
    EXPECT_EQ(a.formula, tc.formula);
    // Nothing the pupil built is lowered, moved or lost.
    EXPECT_EQ(r.code, tc.built.code);
    EXPECT_EQ(r.vacancy, tc.built.vacancy);
    for (int s = 1; s < kSlotCount; ++s) {
        if (tc.built.slot[s] != 0) {
            EXPECT_EQ(r.slot[s], tc.built.slot[s]) << "slot " << s;
        }
    }
    Charges charges;
    for (int i = 0; i < kCellCount; ++i)
        if (r.code[i] != 0 && formalCharge(r, i) != 0) charges.emplace_back(i, formalCharge(r, i));
    EXPECT_EQ(charges, tc.charges);
}

using V = IonVerdict;
const auto nitrate = fromText("65222522252222222222422");
INSTANTIATE_TEST_SUITE_P(
    Table, IonRules,
    ::testing::Values(
        // As drawn in the textbooks: N+ and O+ keep a multiple bond.
        RuleCase{"nitrate", nitrate, 0, V::accepted, "NO3-", {{0, 1}, {1, -1}, {5, -1}}},
        RuleCase{"iminium", fromText("36424224242242222222222"), 0, V::accepted, "CNH4+", {{1, 1}}},
        RuleCase{"ozone", fromText("55222222252242222222222"), 0, V::accepted, "O3", {{0, 1}, {9, -1}}},
        RuleCase{"carbon_monoxide", fromText("35222222222252222222222"), 0, V::accepted, "CO", {{0, -1}, {1, 1}}},
        RuleCase{"nitric_acid", fromText("65422522252222222222422"), 0, V::accepted, "NHO3", {{0, 1}, {5, -1}}},
        RuleCase{"nitronium", makeConstruction({{0, N}, {1, O}, {7, O}}, {{1, 2}, {7, 2}}), 0, V::accepted, "NO2+",
                 {{0, 1}}},
        RuleCase{"nitrosonium", makeConstruction({{0, N}, {1, O}}, {{1, 3}}), 0, V::accepted, "NO+", {{1, 1}}},
        RuleCase{"nitromethane", makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, O}, {4, O}}, {{2, 2}}),
                 0, V::accepted, "CNH3O2", {{1, 1}, {4, -1}}},
        RuleCase{"azide", makeConstruction({{0, N}, {1, N}, {7, N}}, {{1, 2}, {7, 2}}), 0, V::accepted, "N3-",
                 {{0, 1}, {1, -1}, {7, -1}}},
        RuleCase{"nitrous_oxide", makeConstruction({{0, N}, {1, O}, {7, N}}, {{7, 3}}), 0, V::accepted, "N2O",
                 {{0, 1}, {1, -1}}},
        RuleCase{"protonated_methanal", makeConstruction({{0, C}, {1, O}, {7, H}, {9, H}, {2, H}}, {{1, 2}}), 0,
                 V::accepted, "CH3O+", {{1, 1}}},
        RuleCase{"hydrazinium", makeConstruction({{0, N}, {1, N}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}}), 0,
                 V::accepted, "N2H5+", {{0, 1}}},
        RuleCase{"methylammonium", makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}, {10, H}}),
                 0, V::accepted, "CNH6+", {{1, 1}}},
        // The ions accepted before, unchanged.
        RuleCase{"oxonium", makeConstruction({{0, O}, {1, H}, {5, H}, {9, H}}), 0, V::accepted, "H3O+", {{0, 1}}},
        RuleCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}), 0, V::accepted, "NH4+",
                 {{0, 1}}},
        RuleCase{"hydroxide", makeConstruction({{0, O}, {1, H}}), 0, V::accepted, "HO-", {{0, -1}}},
        RuleCase{"cyanide", makeConstruction({{0, C}, {1, N}}, {{1, 3}}), 0, V::accepted, "CN-", {{0, -1}}},
        RuleCase{"chloride", makeConstruction({{0, Cl}}), 0, V::accepted, "Cl-", {{0, -1}}},
        RuleCase{"amide", makeConstruction({{0, N}, {1, H}, {5, H}}), 0, V::accepted, "NH2-", {{0, -1}}},
        RuleCase{"methanolate", makeConstruction({{0, C}, {1, O}, {5, H}, {7, H}, {9, H}}), 0, V::accepted, "CH3O-",
                 {{1, -1}}},
        RuleCase{"methanoate", makeConstruction({{0, C}, {1, O}, {7, H}, {9, O}}, {{9, 2}}), 0, V::accepted, "CHO2-",
                 {{1, -1}}},
        RuleCase{"ethanoate", makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, O}, {4, O}}, {{2, 2}}), 0,
                 V::accepted, "C2H3O2-", {{4, -1}}},
        RuleCase{"carbonate", makeConstruction({{0, C}, {1, O}, {5, O}, {9, O}}, {{9, 2}}), 0, V::accepted, "CO3 2-",
                 {{1, -1}, {5, -1}}},
        RuleCase{"hydrogencarbonate", makeConstruction({{0, C}, {1, O}, {2, H}, {5, O}, {9, O}}, {{9, 2}}), 0,
                 V::accepted, "CHO3-", {{5, -1}}},
        RuleCase{"nitrite", makeConstruction({{0, N}, {1, O}, {9, O}}, {{1, 2}}), 0, V::accepted, "NO2-", {{9, -1}}},
        RuleCase{"hypochlorite", makeConstruction({{0, Cl}, {1, O}}), 0, V::accepted, "ClO-", {{1, -1}}},
        // The two atoms of a dianion each hold one charge, side by side.
        RuleCase{"peroxide", makeConstruction({{0, O}, {1, O}}), 0, V::accepted, "O2 2-", {{0, -1}, {1, -1}}},
        RuleCase{"acetylide", makeConstruction({{0, C}, {1, C}}, {{1, 3}}), 0, V::accepted, "C2 2-",
                 {{0, -1}, {1, -1}}},
        RuleCase{"hydrogenperoxide_ion", makeConstruction({{0, O}, {1, O}, {9, H}}), 0, V::accepted, "HO2-",
                 {{1, -1}}},
        RuleCase{"oxalate", makeConstruction({{0, C}, {1, C}, {7, O}, {9, O}, {2, O}, {4, O}}, {{7, 2}, {2, 2}}), 0,
                 V::accepted, "C2O4 2-", {{4, -1}, {9, -1}}},
        // Carbanion and carbocation: a lone pair or a vacancy on a carbon with three bonds.
        RuleCase{"methanide", makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), 0, V::accepted, "CH3-", {{0, -1}}},
        RuleCase{"methylium", withVacancy(makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), 0), 0, V::accepted,
                 "CH3+", {{0, 1}}},
        RuleCase{"ethylium", withVacancy(makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}}), 1),
                 0, V::accepted, "C2H5+", {{1, 1}}},
        RuleCase{"methane_is_neutral", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}), 0, V::uncharged,
                 "CH4", {}},
        // Refused.
        RuleCase{"two_adjacent_carbanions", fromText("33422224244233222232332"), 0, V::likeChargesBonded, "",
                 {{0, -1}, {1, -1}}},
        RuleCase{"two_adjacent_oxoniums", fromText("55422224244233222232332"), 0, V::likeChargesBonded, "",
                 {{0, 1}, {1, 1}}},
        RuleCase{"two_adjacent_carbocations",
                 withVacancy(makeConstruction({{0, C}, {1, C}, {7, H}, {9, H}, {2, H}, {4, H}}), 0, 1), 0,
                 V::likeChargesBonded, "", {{0, 1}, {1, 1}}},
        RuleCase{"methanol_with_a_misplaced_hydrogen", fromText("35422224244233222232332"), 0, V::misplacedHydrogen,
                 "", {{0, -1}, {1, 1}}},
        RuleCase{"hydroxylamine_with_a_misplaced_hydrogen", makeConstruction({{0, N}, {1, O}, {5, H}, {7, H}, {9, H}}),
                 0, V::misplacedHydrogen, "", {{0, 1}, {1, -1}}},
        // The proton would move two bonds away: the same misdrawing.
        RuleCase{"aminomethanol_as_a_zwitterion",
                 makeConstruction({{0, C}, {1, N}, {5, O}, {7, H}, {9, H}, {2, H}, {4, H}, {10, H}}), 0,
                 V::misplacedHydrogen, "", {{1, 1}, {5, -1}}},
        RuleCase{"methanal_as_a_carbocation_and_an_oxide",
                 withVacancy(makeConstruction({{0, C}, {1, O}, {7, H}, {9, H}}), 0), 0, V::vacancyWithNegative, "",
                 {{0, 1}, {1, -1}}},
        RuleCase{"two_separate_chlorides", fromText("72722222222222222222222"), 1, V::notJoined, "",
                 {{0, -1}, {2, -1}}},
        RuleCase{"charge_six_minus", fromText("33525525255233233232332"), 0, V::netChargeBeyondTwo, "",
                 {{2, -1}, {4, -1}, {5, -1}, {7, -1}, {9, -1}, {10, -1}}},
        RuleCase{"dication", fromText("35522522222234225222222"), 0, V::dication, "", {{1, 1}, {5, 1}}},
        RuleCase{"two_carbanions_apart", makeConstruction({{0, C}, {1, C}, {7, C}, {2, C}}, {{7, 3}, {2, 3}}), 0,
                 V::dianionOffOxygen, "", {{2, -1}, {7, -1}}},
        RuleCase{"lone_oxygen", makeConstruction({{0, O}}), 0, V::chargeBeyondOne, "", {{0, -2}}},
        RuleCase{"hydrogen_with_two_bonds", makeConstruction({{0, H}, {1, O}, {5, H}}), 1, V::chargedHydrogen, "",
                 {{0, 1}, {1, -1}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

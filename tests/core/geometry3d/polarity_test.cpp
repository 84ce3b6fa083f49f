// Polarised bonds and polar molecules: the partial charges each atom bears, and whether the
// molecule is polar, from the shape the 3D view draws.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "core/analysis/analysis.hpp"
#include "core/geometry3d/polarity.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

struct PolarityCase {
    const char* name;
    Construction built;
    bool charges;                // analysed with the formal charges shown
    std::optional<bool> polar;   // nothing: no sentence
    std::map<int, std::string> delta;  // cells bearing a partial charge
};
void PrintTo(const PolarityCase& c, std::ostream* os) { *os << c.name; }
class Polarity : public ::testing::TestWithParam<PolarityCase> {};

TEST_P(Polarity, PartialChargesAndMolecule) {
    const PolarityCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.built, 0, AnalysisOptions{tc.charges});
    ASSERT_TRUE(a.shown());
    EXPECT_EQ(a.polar, tc.polar);
    std::map<int, std::string> delta;
    const auto p = partialCharges(a.board.record);
    for (int cell = 0; cell < kCellCount; ++cell)
        if (!partialChargeName(p[cell]).empty()) delta[cell] = partialChargeName(p[cell]);
    EXPECT_EQ(delta, tc.delta);
}

const std::optional<bool> kPolar = true, kApolar = false, kUntold = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Table, Polarity,
    ::testing::Values(
        // C-H differs by 0.35: not polarised.
        PolarityCase{"methane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}), false, kApolar, {}},
        PolarityCase{"carbon_dioxide", makeConstruction({{7, O}, {0, C}, {1, O}}, {{7, 2}, {1, 2}}), false, kApolar,
                     {{0, "+"}, {1, "-"}, {7, "-"}}},
        PolarityCase{"water", makeConstruction({{0, O}, {1, H}, {9, H}}), false, kPolar,
                     {{0, "-"}, {1, "+"}, {9, "+"}}},
        PolarityCase{"ammonia", makeConstruction({{0, N}, {1, H}, {7, H}, {9, H}}), false, kPolar,
                     {{0, "-"}, {1, "+"}, {7, "+"}, {9, "+"}}},
        PolarityCase{"hydrogen_chloride", makeConstruction({{0, H}, {1, Cl}}), false, kPolar, {{0, "+"}, {1, "-"}}},
        PolarityCase{"chloromethane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, Cl}}), false, kPolar,
                     {{0, "+"}, {9, "-"}}},
        PolarityCase{"tetrachloromethane", makeConstruction({{0, C}, {1, Cl}, {5, Cl}, {7, Cl}, {9, Cl}}), false,
                     kApolar, {{0, "+"}, {1, "-"}, {5, "-"}, {7, "-"}, {9, "-"}}},
        PolarityCase{"dichloromethane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, Cl}, {9, Cl}}), false, kPolar,
                     {{0, "+"}, {7, "-"}, {9, "-"}}},
        PolarityCase{"methanal", makeConstruction({{0, C}, {1, O}, {7, H}, {9, H}}, {{1, 2}}), false, kPolar,
                     {{0, "+"}, {1, "-"}}},
        PolarityCase{"hydrogen_cyanide", makeConstruction({{0, H}, {1, C}, {2, N}}, {{2, 3}}), false, kPolar,
                     {{1, "+"}, {2, "-"}}},
        PolarityCase{"dichlorine", makeConstruction({{0, Cl}, {1, Cl}}), false, kApolar, {}},
        // N-Cl differs by 0.12 only.
        PolarityCase{"nitrogen_trichloride", makeConstruction({{0, N}, {1, Cl}, {7, Cl}, {9, Cl}}), false, kApolar, {}},
        // Cis and trans as the board places them: same side (cells 9 and 10) or across (9 and 4).
        PolarityCase{"cis_dichloroethene", makeConstruction({{0, C}, {1, C}, {5, H}, {9, Cl}, {10, Cl}, {4, H}}, {{1, 2}}),
                     false, kPolar, {{0, "+"}, {1, "+"}, {9, "-"}, {10, "-"}}},
        PolarityCase{"trans_dichloroethene", makeConstruction({{0, C}, {1, C}, {5, H}, {9, Cl}, {10, H}, {4, Cl}}, {{1, 2}}),
                     false, kApolar, {{0, "+"}, {1, "+"}, {4, "-"}, {9, "-"}}},
        // Across a single bond the ends turn: some conformation has a dipole, or none has.
        PolarityCase{"dichloroethane", makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, Cl}, {2, H}, {4, H}, {10, Cl}}),
                     false, kPolar, {{0, "+"}, {1, "+"}, {9, "-"}, {10, "-"}}},
        PolarityCase{"hexachloroethane",
                     makeConstruction({{0, C}, {1, C}, {5, Cl}, {7, Cl}, {9, Cl}, {2, Cl}, {4, Cl}, {10, Cl}}), false,
                     kApolar, {{0, "+"}, {1, "+"}, {2, "-"}, {4, "-"}, {5, "-"}, {7, "-"}, {9, "-"}, {10, "-"}}},
        PolarityCase{"ethane", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, C}, {2, H}, {4, H}, {10, H}}), false,
                     kApolar, {}},
        PolarityCase{"methanol", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, O}, {2, H}}), false, kPolar,
                     {{0, "+"}, {1, "-"}, {2, "+"}}},
        PolarityCase{"hydrogen_peroxide", makeConstruction({{0, O}, {9, H}, {1, O}, {4, H}}), false, kPolar,
                     {{0, "-"}, {1, "-"}, {4, "+"}, {9, "+"}}},
        // N-O differs by exactly 0.40: polarised, so this nitrogen bears both signs.
        PolarityCase{"hydroxylamine", makeConstruction({{0, N}, {1, O}, {2, H}, {7, H}, {9, H}}), false, kPolar,
                     {{0, "+-"}, {1, "-"}, {2, "+"}, {7, "+"}, {9, "+"}}},
        // Formal charges make their own dipole: nothing is said of ions or of ozone.
        PolarityCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}), true, kUntold,
                     {{0, "-"}, {1, "+"}, {5, "+"}, {7, "+"}, {9, "+"}}},
        PolarityCase{"ozone", *Construction::parse("55222222252242222222222"), true, kUntold, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolaritySentence, OnALineOfItsOwnOrAlone) {
    EXPECT_EQ(withPolarity("On dit que la structure est coudée.", true),
              "On dit que la structure est coudée.\r\nLa molécule est polaire.");
    EXPECT_EQ(withPolarity("", false), "La molécule est apolaire.");
    EXPECT_EQ(withPolarity("texte", std::nullopt), "texte");
}

}  // namespace
}  // namespace tavir

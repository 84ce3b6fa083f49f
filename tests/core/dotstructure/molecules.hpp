#pragma once
// Real molecules as a pupil builds them, with what the formula and the dot structure must show.
#include <map>
#include <string>
#include <vector>

#include "core/analysis/analysis.hpp"
#include "support/boards.hpp"

namespace tavir::testing {

struct Molecule {
    const char* name;
    Construction built;          // as dropped on the board, before the analysis
    const char* formula;         // as drawn: C, N, H, Cl, O
    const char* measuring;       // C, H, O, N, Cl
    std::map<int, std::vector<std::string>> pairs;  // cells with bars, in drawing order
};

// The board as the analysis leaves it.
inline Board analysedBoard(const Construction& built) { return analyse(built).board; }

inline const std::vector<Molecule>& molecules() {
    static const std::vector<Molecule> table{
        {"methane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}), "CH4", "CH4", {}},
        {"water", makeConstruction({{0, O}, {1, H}, {9, H}}), "H2O", "H2O", {{0, {"left", "bottom"}}}},
        {"ammonia", makeConstruction({{0, N}, {1, H}, {7, H}, {9, H}}), "NH3", "H3N", {{0, {"bottom"}}}},
        {"hydrogen_chloride", makeConstruction({{0, H}, {1, Cl}}), "HCl", "HCl",
         {{1, {"right", "bottom", "top"}}}},
        {"dichlorine", makeConstruction({{0, Cl}, {1, Cl}}), "Cl2", "Cl2",
         {{0, {"left", "bottom", "top"}}, {1, {"right", "bottom", "top"}}}},
        {"dioxygen", makeConstruction({{0, O}, {1, O}}, {{1, 2}}), "O2", "O2",
         {{0, {"lower-left", "upper-left"}}, {1, {"upper-right", "lower-right"}}}},
        {"dinitrogen", makeConstruction({{0, N}, {1, N}}, {{1, 3}}), "N2", "N2", {{0, {"left"}}, {1, {"right"}}}},
        {"carbon_dioxide", makeConstruction({{7, O}, {0, C}, {1, O}}, {{7, 2}, {1, 2}}), "CO2", "CO2",
         {{1, {"upper-right", "lower-right"}}, {7, {"upper-left", "lower-left"}}}},
        {"hydrogen_cyanide", makeConstruction({{0, H}, {1, C}, {2, N}}, {{2, 3}}), "CNH", "CHN", {{2, {"right"}}}},
        {"methanal", makeConstruction({{0, C}, {1, O}, {7, H}, {9, H}}, {{1, 2}}), "CH2O", "CH2O",
         {{1, {"upper-right", "lower-right"}}}},
        {"methanol", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, O}, {2, H}}), "CH4O", "CH4O",
         {{1, {"bottom", "top"}}}},
        {"methylamine", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, N}, {2, H}, {10, H}}), "CNH5",
         "CH5N", {{1, {"bottom"}}}},
        {"chloromethane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, Cl}}), "CH3Cl", "CH3Cl",
         {{9, {"right", "left", "top"}}}},
        {"ethane", makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, C}, {2, H}, {4, H}, {10, H}}), "C2H6",
         "C2H6", {}},
        {"ethene", makeConstruction({{0, C}, {1, C}, {6, H}, {8, H}, {3, H}, {11, H}}, {{1, 2}}), "C2H4", "C2H4",
         {}},
        {"ethyne", makeConstruction({{0, C}, {1, C}, {7, H}, {2, H}}, {{1, 3}}), "C2H2", "C2H2", {}},
        {"hydrogen_peroxide", makeConstruction({{0, O}, {9, H}, {1, O}, {4, H}}), "H2O2", "H2O2",
         {{0, {"left", "bottom"}}, {1, {"right", "top"}}}},
        {"hydrazine", makeConstruction({{0, N}, {6, H}, {8, H}, {1, N}, {3, H}, {11, H}}), "N2H4", "H4N2",
         {{0, {"left"}}, {1, {"right"}}}},
    };
    return table;
}

inline void PrintTo(const Molecule& m, std::ostream* os) { *os << m.name; }

inline std::string moleculeName(const ::testing::TestParamInfo<Molecule>& info) { return info.param.name; }

}  // namespace tavir::testing

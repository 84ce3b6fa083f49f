#pragma once
// Polarised bonds and polar molecules, as the French programme states them: a bond is
// polarised when the Pauling electronegativities of its atoms differ by at least 0.4, the
// less electronegative atom bearing a partial charge δ+ and the other δ-; a molecule is polar
// when the centres of its partial charges do not coincide, which its 3D shape decides.
#include <array>
#include <optional>
#include <string>

#include "core/board/construction.hpp"
#include "core/geometry3d/classification.hpp"

namespace tavir {

// The threshold in hundredths, as `electronegativity` counts.
constexpr int kPolarisedBondThreshold = 40;

bool isPolarisedBond(int codeA, int codeB);

// The partial charges an atom bears from its polarised bonds. Most atoms bear one sign; a
// nitrogen bonded to oxygen and to hydrogen or carbon bears both, one per bond.
struct PartialCharges {
    bool plus = false;
    bool minus = false;
    bool operator==(const PartialCharges&) const = default;
};
std::array<PartialCharges, kCellCount> partialCharges(const Construction& c);
// "+", "-", "+-" or "" for a cell, as the companion writes it.
std::string partialChargeName(const PartialCharges& p);

// Whether the molecule is polar, from the shape the 3D view draws: each polarised bond is a
// dipole weighted by the difference of electronegativities, from δ+ to δ-; the molecule is
// polar when their sum is not zero. Across a single bond between two centres the ends turn
// freely: the molecule is polar when any conformation gives a non-zero sum (1,2-dichloroethane
// is polar, hexachloroethane is not). Nothing is said for a construction with a formal charge
// (an ion, or ozone and carbon monoxide, whose formal charges add a dipole the
// electronegativities do not tell), nor for a shape the view does not draw.
std::optional<bool> isPolarMolecule(const Construction& c, const GeometryDecision& decision);

// The geometry text with "La molécule est polaire." or "La molécule est apolaire." on a line
// of its own, or alone after an empty text; the text unchanged when nothing is said.
std::string withPolarity(const std::string& text, std::optional<bool> polar);

}  // namespace tavir

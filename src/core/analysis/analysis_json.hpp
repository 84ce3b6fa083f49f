#pragma once
// The analysis of a construction as the companions print it: one JSON object on one line.
#include <string>

#include "core/analysis/analysis.hpp"

namespace tavir {

// withCharges adds the formal charge of each cell, as the charges box shows them; withPolarity
// adds whether the molecule is polar and the δ sign of each cell ("+", "-", "+-" or ""), and
// the geometry text gets its sentence on polarity, as "Afficher la polarité" shows them.
std::string analysisJson(const Analysis& analysis, bool withCharges, bool withPolarity = false);

}  // namespace tavir

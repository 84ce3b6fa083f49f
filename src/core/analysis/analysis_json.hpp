#pragma once
// The analysis of a construction as the companions print it: one JSON object on one line.
#include <string>

#include "core/analysis/analysis.hpp"

namespace tavir {

// withCharges adds the formal charge of each cell, as the charges box shows them.
std::string analysisJson(const Analysis& analysis, bool withCharges);

}  // namespace tavir

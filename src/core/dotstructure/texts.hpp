#pragma once
// Texts of the formula box and of the dot-structure box, exactly as the pupil sees them.
#include <array>
#include <string_view>

namespace tavir::dot_texts {

// Element symbols by cell element code (index 0 is the empty cell).
inline constexpr std::array<std::string_view, 6> kSymbols{"", "C", "H", "O", "N", "Cl"};

// Charge signs, for the formula's suffix and the formal-charge marks.
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kPlus = "+";
// Partial charges of the atoms of polarised bonds.
inline constexpr std::string_view kDeltaPlus = "δ+";
inline constexpr std::string_view kDeltaMinus = "δ−";

// Names of the non-bonding bar positions, as the companion reports them.
inline constexpr std::string_view kTop = "top";
inline constexpr std::string_view kBottom = "bottom";
inline constexpr std::string_view kLeft = "left";
inline constexpr std::string_view kRight = "right";
inline constexpr std::string_view kUpperLeft = "upper-left";
inline constexpr std::string_view kUpperRight = "upper-right";
inline constexpr std::string_view kLowerLeft = "lower-left";
inline constexpr std::string_view kLowerRight = "lower-right";

}  // namespace tavir::dot_texts

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
inline constexpr std::string_view kDrawnMinus = "\u2212";
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

// The windows' own texts, for the desktop window and the browser page alike.

// Title strip of the dot-structure box (`Label2`).
inline constexpr std::string_view kLabel2Caption = " Représentation de Tavir";

// Option boxes of the dot-structure box.
inline constexpr std::string_view kCheck1Caption = "Colorer doublets liants en rouge";
inline constexpr std::string_view kCheck2Caption = "Colorer doublets non-liants en bleu";
inline constexpr std::string_view kCheck3Caption = "Afficher les charges formelles";
inline constexpr std::string_view kCheck4Caption = "Afficher la polarité";

// Names and descriptions a screen reader announces for the formula box, the dot-structure
// box and the two pictures that tell whether the construction is accepted.
inline constexpr std::string_view kA11yFormula = "Formule brute";
inline constexpr std::string_view kA11yDotStructure = "Représentation de Tavir";
// The dot-structure box's description while it shows nothing.
inline constexpr std::string_view kA11yNoDotStructure =
    "Aucune représentation : la construction est vide ou n'est pas acceptée.";
inline constexpr std::string_view kA11ySmile = "Construction acceptée";
inline constexpr std::string_view kA11ySmileDescription = "Chaque atome a exactement sa valence habituelle.";
inline constexpr std::string_view kA11yInformationPicture = "Information sur la représentation de Tavir";
inline constexpr std::string_view kA11yInformationPictureDescription =
    "La construction est vide ou n'est pas acceptée. Cliquer pour lire la note sur la représentation de Tavir.";

}  // namespace tavir::dot_texts

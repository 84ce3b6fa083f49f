#pragma once
// The windows' texts around the formula box and the dot-structure box, exactly as the pupil sees them.
#include <string_view>

#include "core/dotstructure/texts.hpp"

namespace tavir::ui::dot_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::dot_texts;

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

}  // namespace tavir::ui::dot_texts

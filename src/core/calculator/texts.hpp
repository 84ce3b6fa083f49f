#pragma once
// The calculator's own French texts, exactly as the pupil sees them (UTF-8).
#include <string_view>

namespace tavir::calculator_texts {

// Display messages.
inline constexpr std::string_view kCalculImpossible = "Calcul impossible";
inline constexpr std::string_view kParentheses = "Erreur saisie: revoir les parenthèses";
inline constexpr std::string_view kOperateurs = "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
inline constexpr std::string_view kDepassement = "Dépassement de capacité";

// Option frames and buttons.
inline constexpr std::string_view kDegres = "Degrés";
inline constexpr std::string_view kRadians = "Radians";
inline constexpr std::string_view kScientifique = "Scientifique";
inline constexpr std::string_view kStandard = "Standard";

// Key tooltips.
inline constexpr std::string_view kTipExp = "x 10ª";
inline constexpr std::string_view kTipKilo = "kilo";
inline constexpr std::string_view kTipMega = "Méga";
inline constexpr std::string_view kTipGiga = "Giga";
inline constexpr std::string_view kTipTera = "Téra";
inline constexpr std::string_view kTipMilli = "milli";
inline constexpr std::string_view kTipMicro = "micro";
inline constexpr std::string_view kTipNano = "nano";
inline constexpr std::string_view kTipPico = "pico";
inline constexpr std::string_view kTipSin = "Sinus";
inline constexpr std::string_view kTipCos = "Cosinus";
inline constexpr std::string_view kTipTan = "Tangente";
inline constexpr std::string_view kTipInvSin = "Inverse sinus";
inline constexpr std::string_view kTipInvCos = "Inverse cosinus";
inline constexpr std::string_view kTipInvTan = "Inverse tangente";
inline constexpr std::string_view kTipRacine = "Racine carré";
inline constexpr std::string_view kTipInverse = "Inverse";
inline constexpr std::string_view kTipPi = "3.1415927";
inline constexpr std::string_view kTipCalculer = "Calculer";
inline constexpr std::string_view kTipAns = "Dernière réponse";
inline constexpr std::string_view kTipEfface = "Effacer dernier caractère";
inline constexpr std::string_view kTipRaz = "Tout effacer";
inline constexpr std::string_view kTipMPlus = "Ajouter à la méoire";
inline constexpr std::string_view kTipMMinus = "Soustraire à la mémoire";
inline constexpr std::string_view kTipRm = "Rappel mémoire";
inline constexpr std::string_view kTipCm = "Effacer la mémoire";

}  // namespace tavir::calculator_texts

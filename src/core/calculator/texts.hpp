#pragma once
// The calculator's own French texts, exactly as the pupil sees them (UTF-8).
#include <string_view>

namespace tavir::calculator_texts {

// Display messages.
inline constexpr std::string_view kCalculImpossible = "Calcul impossible";
inline constexpr std::string_view kParentheses = "Erreur saisie\u00a0: revoir les parenthèses";
inline constexpr std::string_view kOperateurs = "Erreur saisie\u00a0: incompréhension sur opérateurs\u00a0: ^ * / + -";
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
inline constexpr std::string_view kTipMPlus = "Ajouter à la mémoire";
inline constexpr std::string_view kTipMMinus = "Soustraire à la mémoire";
inline constexpr std::string_view kTipRm = "Rappel mémoire";
inline constexpr std::string_view kTipCm = "Effacer la mémoire";

// The calculator window's own texts, on the desktop and in the browser.
inline constexpr std::string_view kTitle = "Machine à calculer";

// Display messages.
inline constexpr std::string_view kPatience = "    Patience... Calculs en cours.     ";

// Option frames and buttons.
inline constexpr std::string_view kAngles = "Angles";
inline constexpr std::string_view kAffichage = "Affichage";

// Names a screen reader announces for the display and for the keys whose caption is a
// picture, a symbol or an abbreviation; by control name. The digits say themselves.
inline constexpr std::string_view kA11yDisplay = "Écran de la calculatrice";
struct KeyName {
    std::string_view control;
    std::string_view name;
};
inline constexpr KeyName kA11yKeyNames[] = {
    {"Bpoint", "Point décimal"},
    {"BtoEXP", "Fois dix puissance"},
    {"kilo", "Kilo"},
    {"mega", "Méga"},
    {"giga", "Giga"},
    {"tera", "Téra"},
    {"mil", "Milli"},
    {"micro", "Micro"},
    {"nano", "Nano"},
    {"pico", "Pico"},
    {"Bpo", "Parenthèse ouvrante"},
    {"bpf", "Parenthèse fermante"},
    {"bsin", "Sinus"},
    {"Bcos", "Cosinus"},
    {"Btan", "Tangente"},
    {"invsin", "Arc sinus"},
    {"invcos", "Arc cosinus"},
    {"Btoncommande3", "Arc tangente"},
    {"Bln", "Logarithme népérien"},
    {"Blog", "Logarithme décimal"},
    {"Bexp", "Exponentielle"},
    {"racine", "Racine carrée"},
    {"B10x", "Dix puissance x"},
    {"Command5", "Inverse"},
    {"pi", "Pi"},
    {"multip", "Multiplié par"},
    {"div", "Divisé par"},
    {"plus", "Plus"},
    {"moins", "Moins"},
    {"puissance", "Puissance"},
    {"btcarre", "Carré"},
    {"EXE", "Calculer"},
    {"ANS", "Dernière réponse"},
    {"EFFACE", "Effacer le dernier caractère"},
    {"RAZ", "Tout effacer"},
    {"Command1", "Ajouter à la mémoire"},
    {"Command2", "Soustraire de la mémoire"},
    {"Command3", "Rappel de la mémoire"},
    {"Command4", "Effacer la mémoire"},
};

}  // namespace tavir::calculator_texts

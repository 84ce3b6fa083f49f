#pragma once
// The calculator window's own French texts, exactly as the pupil sees them (UTF-8).
#include <string_view>

#include "core/calculator/texts.hpp"

namespace tavir::ui::calculator_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::calculator_texts;

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

}  // namespace tavir::ui::calculator_texts

#pragma once
// The introduction shown in the exercise area at start-up and after an exercise is closed.
#include <array>
#include <string_view>

namespace tavir {

enum class IntroStyle { Title, Plain, Blue };

struct IntroPiece {
    std::string_view text;  // CR LF for line breaks
    IntroStyle style;
};

constexpr int kIntroIndent = 20;  // left indent of every piece but the title, in pixels
constexpr double kIntroTitleSize = 18;
constexpr double kIntroTextSize = 10;

constexpr std::array<IntroPiece, 18> kIntroduction{{
    {"Tavir\r\n", IntroStyle::Title},
    {"\r\nCette application permet de représenter des molécules et des ions polyatomiques simples.\r\n",
     IntroStyle::Plain},
    {"\r\nIl suffit de déplacer les éléments avec ", IntroStyle::Plain},
    {"le bouton gauche de la souris ", IntroStyle::Blue},
    {"et de modifier les liaisons en utilisant le", IntroStyle::Plain},
    {" bouton droit ", IntroStyle::Blue},
    {"directement sur la figure. \r\n\r\nVous obtiendrez alors la ", IntroStyle::Plain},
    {"représentation de Tavir ", IntroStyle::Blue},
    {"correspondante et une ", IntroStyle::Plain},
    {"animation en trois dimensions.\r\n\r\n", IntroStyle::Blue},
    {"Les figures obtenues peuvent être imprimées ou placées dans le presse-papiers (bouton Copier) pour les "
     "coller dans une autre application.\r\n\r\n",
     IntroStyle::Plain},
    {"Vous pouvez obtenir l'énoncé d'un exercice ", IntroStyle::Plain},
    {"dans cette fenêtre en cliquant sur l'onglet ", IntroStyle::Plain},
    {"Exercices", IntroStyle::Blue},
    {".\r\n\r\n", IntroStyle::Plain},
    {"Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité ", IntroStyle::Plain},
    {"Prise en main ", IntroStyle::Blue},
    {"dans le menu Exercices.", IntroStyle::Plain},
}};

}  // namespace tavir

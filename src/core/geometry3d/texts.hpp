#pragma once
// The program's own texts for the geometry view, its figure box and the animation controls.
// Fragments are kept exactly as shown, spaces included: joined, some give two spaces in a row.
#include <array>
#include <string_view>

namespace tavir::geometry_texts {

constexpr std::string_view kCrlf = "\r\n";

// Element-name fragments, indexed by element index 0 C, 1 H, 2 O, 3 N, 4 Cl.
using FragmentColumn = std::array<std::string_view, 5>;
constexpr FragmentColumn kP{" (carbone) ", " (hydrogène) ", " (oxygène) ", " (azote) ", " (chlore) "};
constexpr FragmentColumn kD{" du carbone ", " de l'hydrogène ", " de l'oxygène ", " de l'azote ", " du chlore "};
constexpr FragmentColumn kL1{"Le carbone, ", "L'hydrogène, ", "L'oxygène, ", "L'azote, ", "Le chlore, "};
constexpr FragmentColumn kL2{"le carbone et ", "l'hydrogène et ", "l'oxygène et ", "l'azote et ", "le chlore et "};
constexpr FragmentColumn kL3{"le carbone ", "l'hydrogène ", "l'oxygène ", "l'azote ", "le chlore "};
constexpr FragmentColumn kN0{"du carbone", "de l'hydrogène", "de l'oxygène", "de l'azote", "du chlore"};
constexpr FragmentColumn kN1{"du carbone. ", "de l'hydrogène. ", "de l'oxygène. ", "de l'azote. ", "du chlore. "};
constexpr FragmentColumn kN2{"du carbone.", "de l'hydrogène.", "de l'oxygène.", "de l'azote.", "du chlore."};

// r3dax4 and kax3: one centre.
constexpr std::string_view kAroundCentralElement = "Les angles entre les liaisons autour de l'élément central";
constexpr std::string_view kNear109 = "sont voisins de 109°.";
constexpr std::string_view kNear120 = "sont voisins de 120°.";
constexpr std::string_view kWeSayShapeIs = "On dit que la structure est ";
constexpr std::string_view kTetrahedral = "tétraédrique.";
constexpr std::string_view kPyramidal = "pyramidale.";
constexpr std::string_view kBent = "coudée.";
constexpr std::string_view kShapeIsPlane = "La structure est plane.";
constexpr std::string_view kWeSayShapeIsBent = "On dit que la structure est coudée.";

// Kax3ax3.
constexpr std::string_view kDoubleBondLead = "Les angles entre les liaisons sont voisins de 120° et ";
constexpr std::string_view kDoubleBondTail =
    "la structure est plane. Il n'y a pas de libre rotation autour de la liaison double.";

// Kx2x3.
constexpr std::string_view kAnglesAround = "Les angles autour ";
constexpr std::string_view kAlignedAndPlane = "sont alignés. La structure est plane.";

// r3dlin3, r3dlin4.
constexpr std::string_view kNear180 = "Les angles entre les liaisons sont voisins de 180°\u00a0:";
constexpr std::string_view kThreeAligned = "Les trois éléments sont alignés.";
constexpr std::string_view kFourAligned = "Les quatre éléments sont alignés.";

// Two centres joined by a single bond.
constexpr std::string_view kBondsNear109 = "Les angles entre les liaisons sont voisins de 109°.";
constexpr std::string_view kBondsNear120 = "Les angles entre les liaisons sont voisins de 120°.";
constexpr std::string_view kFreeRotation = "Il y a libre rotation autour de la liaison simple.";
constexpr std::string_view kBondsNear109Around = "Les angles entre les liaisons sont voisins de 109° autour ";
constexpr std::string_view kAnd120Around = " et de 120° autour ";
constexpr std::string_view kNear120Around = "Les angles sont voisins de 120° autour ";
constexpr std::string_view kSpaceAligned = " sont alignés.";
constexpr std::string_view kSpaceAlignedAndPlane = " sont alignés. La structure est plane.";

// Added on a line of its own while "Afficher la polarité" is ticked.
constexpr std::string_view kPolar = "La molécule est polaire.";
constexpr std::string_view kApolar = "La molécule est apolaire.";

// The figure check box `tetra1`.
constexpr std::string_view kFigureCaption = "Géométrie";

// The windows' own texts, for the desktop window and the browser page alike.

// Status line after a press on the 3D view or the dot-structure view.
constexpr std::string_view kUseDrawingArea =
    "Pour modifier la construction, utilisez la procédure Dessiner (à gauche de l'écran).";

// Animation controls.
constexpr std::string_view kAnimationFrame = " Animation ( trois dimensions )";
constexpr std::string_view kSpeedLabel = "Vitesse";
constexpr std::string_view kSpeedTooltip = "Vitesse de l'animation";
constexpr std::string_view kSpeedHover = "Utiliser le curseur pour modifier la vitesse de l'animation 3D";
constexpr std::string_view kCompactCaption = "compact";
// Tooltips of Command16(0..5), by index.
constexpr std::array<std::string_view, 6> kStepButtonTooltips{
    "Retour rapide",         "Image précédente",     "Arrêter l'animation",
    "Activer l'animation",   "Image suivante",       "Avance rapide",
};

// Names a screen reader announces for the 3D view and its controls; the view's description
// is the geometry text.
constexpr std::string_view kA11yAnimation = "Animation en trois dimensions";
constexpr std::string_view kA11yAnimationFrame = "Animation (trois dimensions)";
constexpr std::string_view kA11yFigure = "Figure géométrique";
constexpr std::string_view kA11yFigureDescription = "Dessiner le tétraèdre ou le plan autour du modèle";
constexpr std::string_view kA11yCompact = "Modèle compact";
constexpr std::string_view kA11yCompactDescription = "Atomes rapprochés, sans les traits des liaisons";

}  // namespace tavir::geometry_texts

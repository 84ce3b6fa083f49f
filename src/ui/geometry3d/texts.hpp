#pragma once
// The windows' texts of the 3D frame: its controls, the status line and what a screen reader says.
#include <array>
#include <string_view>

#include "core/geometry3d/texts.hpp"

namespace tavir::ui::geometry_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::geometry_texts;

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

}  // namespace tavir::ui::geometry_texts

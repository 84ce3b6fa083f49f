#pragma once
// The exercise menu's and the exercise chooser's own texts (UTF-8).
#include <string_view>

#include "core/exercises/texts.hpp"

namespace tavir::ui::exercise_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::exercise_texts;

// The exercise menu `optionexo`.
constexpr std::string_view kMenuGuidedTour = "Prise en main";
constexpr std::string_view kMenuOpenExercise = "Ouvrir un exercice (énoncé + configuration)";
constexpr std::string_view kMenuCorrection = "Voir la correction";
constexpr std::string_view kMenuSaveText = "Enregistrer le contenu de la fenêtre exercice";
constexpr std::string_view kMenuOpenText = "Retrouver un texte";
constexpr std::string_view kMenuPrintText = "Imprimer le contenu de la fenêtre exercice";
constexpr std::string_view kMenuClose = "Fermer l'exercice";

// The chooser `Fichexo`.
constexpr std::string_view kTopicsLabel = "Notions abordées :";
constexpr std::string_view kDifficultyLabel = "Niveau de difficulté :";
constexpr std::string_view kSelectFile = "Sélectionner un fichier";
constexpr std::string_view kHeading = "Ouvrir un exercice";
constexpr std::string_view kOpenTooltip = "Ouvrir l'exercice sélectionné";
constexpr std::string_view kCloseTooltip = "Fermer sans charger d'exercice";
constexpr std::string_view kWaitLine1 = "Patienter quelques instants";
constexpr std::string_view kWaitLine2 = " Chargement des fichiers";

// Names a screen reader announces for the exercise area and the chooser's controls.
constexpr std::string_view kA11yExerciseButton = "Exercices";
constexpr std::string_view kA11yExerciseMenu = "Exercices";
constexpr std::string_view kA11yExerciseFile = "Fichier de l'exercice";
constexpr std::string_view kA11yDrive = "Lecteur";
constexpr std::string_view kA11yDirectory = "Répertoire";
constexpr std::string_view kA11yExerciseFiles = "Fichiers d'exercices";
constexpr std::string_view kA11yChosenFile = "Fichier de l'exercice choisi";
constexpr std::string_view kA11yTopics = "Notions abordées";
// One picture per level: "Niveau de difficulté 1", then its state.
constexpr std::string_view kA11yDifficultyPrefix = "Niveau de difficulté ";
constexpr std::string_view kA11yDifficultyLit = "atteint";
constexpr std::string_view kA11yDifficultyDark = "non atteint";

}  // namespace tavir::ui::exercise_texts

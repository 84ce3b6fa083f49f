#pragma once
// The program's own texts for the exercise area, its menu and the exercise chooser (UTF-8).
#include <string_view>

namespace tavir::exercise_texts {

// What a screen reader names the text area `supertext`.
constexpr std::string_view kA11yExerciseText = "Texte de l'exercice";

constexpr std::string_view kExtension = ".E06";
constexpr std::string_view kFilePattern = "*.E06";
constexpr std::string_view kGuidedTourFile = "TAVIR.PEM";

// The chooser `Fichexo`.
constexpr std::string_view kCorrected = "Exercice corrigé";
constexpr std::string_view kNotCorrected = "Non corrigé";

// An exercise file that cannot be read.
constexpr std::string_view kReadFailureTitle = "Lecture impossible";
constexpr std::string_view kReadFailureLine1 = "Vérifier\u00a0:";
constexpr std::string_view kReadFailureLine2 = "- le nom du fichier,";
constexpr std::string_view kReadFailureLine3 = "- l'état du lecteur.";

// A file named by an exercise that is not there: "Le fichier " + path + " est introuvable".
constexpr std::string_view kMissingFileTitle = "Fichier absent";
constexpr std::string_view kMissingFileBefore = "Le fichier ";
constexpr std::string_view kMissingFileAfter = " est introuvable";

// The guided tour that cannot be loaded.
constexpr std::string_view kTourFailureTitle = "Erreur lors du chargement";
constexpr std::string_view kTourFailure = "Fichier introuvable. Revoir l'installation du logiciel.";

// An exercise file the companion cannot write.
constexpr std::string_view kWriteFailure = "Ecriture impossible sur disque";

// Saving and opening texts of the exercise area.
constexpr std::string_view kRtfFilter = "Texte au format RTF|*.RTF";
constexpr std::string_view kRtfDefaultExtension = "RTF";
constexpr std::string_view kRtfOpenName = "*.rtf";
constexpr std::string_view kFreeTextPrefix = "Texte\u00a0: ";
constexpr std::string_view kOverwriteTitle = "Écraser le fichier?";
constexpr std::string_view kOverwriteBefore = "Le fichier ";
constexpr std::string_view kOverwriteAfter = " existe déjà.";
constexpr std::string_view kOverwriteQuestion = "Écraser l'ancien?";

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

// The browser page, where the files come from the pupil's or the teacher's computer.
constexpr std::string_view kOtherExercises = "&Exercices de l'ordinateur...";
constexpr std::string_view kNoExerciseTitle = "Aucun exercice";
constexpr std::string_view kNoExercise =
    "Aucun fichier d'exercice (.E06) parmi les fichiers choisis.\nChoisir ensemble le fichier .E06 et les "
    "textes (.rtf) et séries (.C01) qu'il nomme.";
constexpr std::string_view kUnknownFileTitle = "Fichier non reconnu";
constexpr std::string_view kUnknownFile =
    "La page ouvre un exercice (.E06 avec ses fichiers), un texte (.rtf) ou une série (.C01).";
// The name proposed for a text that came from no file.
constexpr std::string_view kTextDefaultName = "texte";

}  // namespace tavir::exercise_texts

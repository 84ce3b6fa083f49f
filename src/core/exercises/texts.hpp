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
constexpr std::string_view kReadFailureLine1 = "Vérifier:";
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
constexpr std::string_view kWriteFailureTitle = "Enregistrement impossible";
constexpr std::string_view kWriteFailure = "Ecriture impossible sur disque";

// Saving and opening texts of the exercise area.
constexpr std::string_view kRtfFilter = "Texte au format RTF|*.RTF";
constexpr std::string_view kRtfDefaultExtension = "RTF";
constexpr std::string_view kRtfOpenName = "*.rtf";
constexpr std::string_view kFreeTextPrefix = "Texte: ";
constexpr std::string_view kOverwriteTitle = "Ecraser le fichier?";
constexpr std::string_view kOverwriteBefore = "Le fichier ";
constexpr std::string_view kOverwriteAfter = " existe déjà.";
constexpr std::string_view kOverwriteQuestion = "Ecraser l'ancien?";

}  // namespace tavir::exercise_texts

#pragma once
// The program's own texts for series files and their open and save dialogs (UTF-8).
#include <string_view>

namespace tavir::series_texts {

constexpr std::string_view kMagic = "TAVIR";
constexpr std::string_view kClosingRecord = "0";
constexpr std::string_view kExtension = ".C01";
constexpr std::string_view kFilePattern = "*.C01";

// Loading.
constexpr std::string_view kWrongMagic = "Ce fichier ne correspond pas à cette application";
constexpr std::string_view kWrongMagicTitle = "Fichier non valide";
constexpr std::string_view kReadError = "Lecture impossible sur disque";
constexpr std::string_view kReadErrorTitle = "Erreur lors du chargement du fichier";

// Saving.
constexpr std::string_view kWriteError = "Ecriture impossible sur disque";
constexpr std::string_view kWriteErrorTitle = "Enregistrement impossible";
constexpr std::string_view kNoName = "Il faut donner un nom au fichier!";
constexpr std::string_view kNoNameTitle = "Enregistrement impossible";
constexpr std::string_view kOverwrite = "Ecraser le fichier existant?";
constexpr std::string_view kOverwriteTitle = "Ce fichier existe déjà!";

// Open dialog `ouvrir`.
constexpr std::string_view kOpenCaption = "Ouvrir une série de constructions";
constexpr std::string_view kOpenButton = "OUVRIR";
constexpr std::string_view kOpenDirectoryLabel = "Répertoire";
constexpr std::string_view kOpenFilesLabel = "Fichiers";
constexpr std::string_view kOpenPatience = "Patience: chargement du fichier";
constexpr std::string_view kOpenMissing = "Nom de fichier incorrect ou chemin non valide";
constexpr std::string_view kOpenMissingTitle = "impossible d'ouvrir ce fichier";

// Save dialog `enregistrer`.
constexpr std::string_view kSaveCaption = "Enregistrer les constructions";
constexpr std::string_view kSaveButton = "ENREGISTRER";
constexpr std::string_view kSaveDirectoryLabel = "Répertoire:";
constexpr std::string_view kSaveFilesLabel = "Fichiers enregistrés";
constexpr std::string_view kSaveNameLabel = "Nom du fichier:";

// Both dialogs.
constexpr std::string_view kDriveLabel = "Lecteur:";
constexpr std::string_view kCancelButton = "ANNULER";

// Names a screen reader announces for the lists and boxes of both dialogs, and for the
// buttons, whose capitals some screen readers would spell out.
constexpr std::string_view kA11yDrive = "Lecteur";
constexpr std::string_view kA11yDirectory = "Répertoire";
constexpr std::string_view kA11yOpenFiles = "Fichiers";
constexpr std::string_view kA11ySaveFiles = "Fichiers enregistrés";
constexpr std::string_view kA11yOpenPath = "Fichier à ouvrir";
constexpr std::string_view kA11ySaveName = "Nom du fichier";
constexpr std::string_view kA11yOpenButton = "Ouvrir";
constexpr std::string_view kA11ySaveButton = "Enregistrer";
constexpr std::string_view kA11yCancelButton = "Annuler";

}  // namespace tavir::series_texts

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
constexpr std::string_view kNoName = "Il faut donner un nom au fichier!";
constexpr std::string_view kOverwrite = "Écraser le fichier existant?";
constexpr std::string_view kOverwriteTitle = "Ce fichier existe déjà!";

// Open dialog `ouvrir`.
constexpr std::string_view kOpenMissing = "Nom de fichier incorrect ou chemin non valide";
constexpr std::string_view kOpenMissingTitle = "impossible d'ouvrir ce fichier";

}  // namespace tavir::series_texts

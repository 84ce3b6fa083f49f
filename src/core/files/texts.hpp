#pragma once
// Why a file could not be read or written, in the companion's words (UTF-8).
#include <string_view>

namespace tavir::files_texts {

constexpr std::string_view kNoFileName = "aucun nom de fichier";
constexpr std::string_view kNotARegularFile = "ce n'est pas un fichier ordinaire";
constexpr std::string_view kAFolder = "c'est un dossier";
constexpr std::string_view kReadOnlyFile = "fichier en lecture seule";
constexpr std::string_view kTooLarge = "fichier trop gros";
constexpr std::string_view kNoTemporaryName = "aucun nom libre pour le fichier temporaire";
constexpr std::string_view kTooManyLinks = "trop de liens symboliques";

// System errors.
constexpr std::string_view kNotFound = "fichier ou dossier introuvable";
constexpr std::string_view kAccessDenied = "accès refusé";
constexpr std::string_view kDiskFull = "disque plein";
constexpr std::string_view kReadOnlyDisk = "disque en lecture seule";
constexpr std::string_view kNotAFolder = "chemin non valide";
constexpr std::string_view kDiskError = "erreur du disque";
constexpr std::string_view kNameTooLong = "nom trop long";
constexpr std::string_view kSystemErrorPrefix = "erreur système ";

}  // namespace tavir::files_texts

#pragma once
// The open and save dialogs' own texts (UTF-8).
#include <string_view>

#include "core/series/texts.hpp"

namespace tavir::ui::series_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::series_texts;

// Open dialog `ouvrir`.
constexpr std::string_view kOpenCaption = "Ouvrir une série de constructions";
constexpr std::string_view kOpenButton = "OUVRIR";
constexpr std::string_view kOpenDirectoryLabel = "Répertoire";
constexpr std::string_view kOpenFilesLabel = "Fichiers";
constexpr std::string_view kOpenPatience = "Patience\u00a0: chargement du fichier";

// Save dialog `enregistrer`.
constexpr std::string_view kSaveCaption = "Enregistrer les constructions";
constexpr std::string_view kSaveButton = "ENREGISTRER";
constexpr std::string_view kSaveDirectoryLabel = "Répertoire\u00a0:";
constexpr std::string_view kSaveFilesLabel = "Fichiers enregistrés";
constexpr std::string_view kSaveNameLabel = "Nom du fichier\u00a0:";

// Both dialogs.
constexpr std::string_view kDriveLabel = "Lecteur\u00a0:";
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

}  // namespace tavir::ui::series_texts

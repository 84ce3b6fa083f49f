#pragma once
// French texts about rich-text files, exactly as the user sees them (UTF-8).
#include <string_view>

namespace tavir::richtext_texts {

// A file that is neither RTF nor plain text (a picture, a program...).
inline constexpr std::string_view kNotText = "Ce fichier n'est pas un texte: ni texte au format RTF, ni texte simple.";
// The titles of the message boxes of a text that cannot be read or saved.
inline constexpr std::string_view kReadFailureTitle = "Lecture impossible";
inline constexpr std::string_view kWriteFailureTitle = "Enregistrement impossible";
// Followed by the path.
inline constexpr std::string_view kCannotOpen = "Impossible de lire le fichier ";
inline constexpr std::string_view kCannotSave = "Impossible d'enregistrer le fichier ";

}  // namespace tavir::richtext_texts

#pragma once
// French texts about the picture files of the views (UTF-8).
#include <string_view>

namespace tavir::output_texts {

constexpr std::string_view kPictureWriteFailureTitle = "Enregistrement impossible";
// Followed by the path.
constexpr std::string_view kCannotSavePicture = "Impossible d'enregistrer l'image dans le fichier ";
// Why, when the picture itself could not be drawn into its format.
constexpr std::string_view kPictureNotDrawn = "l'image n'a pas pu être dessinée";

}  // namespace tavir::output_texts

#pragma once
// French texts about the picture files of the views (UTF-8).
#include <string_view>

namespace tavir::output_texts {

// Followed by the path.
constexpr std::string_view kCannotSavePicture = "Impossible d'enregistrer l'image dans le fichier ";
// Why, when the picture itself could not be drawn into its format.
constexpr std::string_view kPictureNotDrawn = "l'image n'a pas pu être dessinée";


// "Enregistrer l'image…" of the copy menu and its file dialog.
constexpr std::string_view kSavePictureTitle = "Enregistrer l'image";
constexpr std::string_view kPictureChoiceLabel = "&Image :";
constexpr std::string_view kPngFilter = "Image PNG (*.png)";
constexpr std::string_view kSvgFilter = "Dessin SVG (*.svg)";
constexpr std::string_view kPdfFilter = "Document PDF (*.pdf)";
constexpr std::string_view kPictureBoard = "La construction";
constexpr std::string_view kPictureDotStructure = "La représentation de Tavir";
constexpr std::string_view kPictureAnimation = "L'animation 3D avec le fond";
constexpr std::string_view kPictureAnimationBare = "L'animation 3D sans le fond";
// The names proposed for each picture, before the extension.
constexpr std::string_view kPictureBoardName = "construction";
constexpr std::string_view kPictureDotStructureName = "representation";
constexpr std::string_view kPictureAnimationName = "animation-3d";
// Before writing over a file: the path comes between the two parts.
constexpr std::string_view kOverwriteTitle = "Écraser le fichier?";
constexpr std::string_view kOverwriteBefore = "Le fichier ";
constexpr std::string_view kOverwriteAfter = " existe déjà.\nÉcraser l'ancien?";
// Put into `info` once a picture is saved: followed by its path.
constexpr std::string_view kPictureSaved = "L'image est enregistrée dans le fichier ";


// The print window `confimp` and what it says, on the desktop and in the browser.
constexpr std::string_view kCaption = "Imprimer";
constexpr std::string_view kOptionsFrame = "Options";
constexpr std::string_view kChecBoard = "La construction";                    // Chec(1)
constexpr std::string_view kChecAnimation = "L'animation en 3 dimensions";    // Chec(2)
constexpr std::string_view kChecDotStructure = "La représentation de Tavir";  // Chec(3)
constexpr std::string_view kOption1 = "L'élément édité actuellement";
constexpr std::string_view kOption2 = "Les 10 éléments de la série";
constexpr std::string_view kCopiesLabel = "Nombre d'exemplaires\u00a0:";
constexpr std::string_view kOk = "&OK";
constexpr std::string_view kCancel = "&Annuler";
constexpr std::string_view kNothingChecked = "Cochez au moins une image à imprimer.";
// Above each construction's printed pictures: this, its number, then the separator and its
// formula as the formula box shows it ("Construction 3 : CH4"); the number alone when the
// box shows none.
constexpr std::string_view kCaptionConstruction = "Construction ";
constexpr std::string_view kCaptionFormulaSeparator = "\u00a0: ";
constexpr std::string_view kEmptySeries = "Toutes les constructions de la série sont vides\u00a0: il n'y a rien à imprimer.";

}  // namespace tavir::output_texts

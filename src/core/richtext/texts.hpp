#pragma once
// French texts about rich-text files, exactly as the user sees them (UTF-8).
#include <string_view>

namespace tavir::richtext_texts {

// A file that is neither RTF nor plain text (a picture, a program...).
inline constexpr std::string_view kNotText = "Ce fichier n'est pas un texte\u00a0: ni texte au format RTF, ni texte simple.";
// A .docx or .odt: the teacher's word processor makes an RTF of it.
inline constexpr std::string_view kWordProcessorDocument =
    "Ce fichier est un document de traitement de texte (.docx/.odt), que Tavir ne lit pas. Ouvrez-le dans "
    "votre traitement de texte (LibreOffice Writer ou Microsoft Word) et enregistrez-le au format RTF\u00a0: "
    "Fichier > Enregistrer sous, type de fichier «\u00a0RTF\u00a0» (.rtf). Ouvrez ensuite ce fichier RTF dans Tavir.";
// The title of the message box of a text that cannot be read (files_texts has the one for saving).
inline constexpr std::string_view kReadFailureTitle = "Lecture impossible";
// Followed by the path.
inline constexpr std::string_view kCannotOpen = "Impossible de lire le fichier ";
inline constexpr std::string_view kCannotSave = "Impossible d'enregistrer le fichier ";

// In place of a picture the exercise area cannot draw.
inline constexpr std::string_view kWmfPlaceholder = "Image WMF";
inline constexpr std::string_view kEmfPlaceholder = "Image EMF";

// A text past what the exercise area can show: refused rather than freezing the window.
inline constexpr std::string_view kTooLongTitle = "Texte trop long";
inline constexpr std::string_view kTooLong =
    "Ce texte est trop long pour la fenêtre exercice\u00a0: elle affiche au plus 2 Mo de texte.";
// A text of too many small pieces: kTooManyBefore + what + kTooManyMiddle + the limit + ".".
inline constexpr std::string_view kTooManyBefore = "Ce texte a trop de ";
inline constexpr std::string_view kTooManyMiddle = " pour la fenêtre exercice\u00a0: elle en affiche au plus ";
inline constexpr std::string_view kParagraphs = "paragraphes";
inline constexpr std::string_view kLineBreaks = "retours à la ligne";
inline constexpr std::string_view kTabs = "tabulations";
inline constexpr std::string_view kCells = "cases de tableau";
inline constexpr std::string_view kRuns = "changements de mise en forme (gras, italique, police, taille...)";
// A file refused from its size alone, before it is read.
inline constexpr std::string_view kFileTooLarge =
    "Ce fichier est trop gros pour la fenêtre exercice\u00a0: elle ouvre les textes d'au plus 32 Mo, images comprises.";

// Before saving a text whose file held what the exercise area cannot show: the list of what
// goes comes between the two parts, each item on its own line after "- ".
inline constexpr std::string_view kDroppedTitle = "Enregistrer sans certains éléments?";
inline constexpr std::string_view kDroppedBefore =
    "Le fichier ouvert contenait des éléments que la fenêtre exercice ne peut pas afficher\u00a0:";
inline constexpr std::string_view kDroppedAfter =
    "Ils ne seront pas dans le fichier enregistré. Enregistrer quand même?";
inline constexpr std::string_view kDroppedHeadersAndFooters = "les en-têtes et pieds de page";
inline constexpr std::string_view kDroppedNotes = "les notes de bas de page et de fin";
inline constexpr std::string_view kDroppedComments = "les commentaires";
inline constexpr std::string_view kDroppedObjects = "les objets incorporés (seule leur image est gardée)";
inline constexpr std::string_view kDroppedShapes = "les formes dessinées (traits, flèches, cadres des zones de texte)";
inline constexpr std::string_view kDroppedFloatingPictures =
    "la place des images flottantes (elles restent dans le texte, là où elles sont ancrées)";
inline constexpr std::string_view kDroppedPictures = "les images d'un format autre que PNG, JPEG, WMF ou EMF";

}  // namespace tavir::richtext_texts

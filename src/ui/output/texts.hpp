#pragma once
// The program's own texts for the print window `confimp`, its job and the picture files (UTF-8).
#include <string_view>

#include "core/output/texts.hpp"

namespace tavir::ui::output_texts {

constexpr std::string_view kPrinterLabel = "Imprimante\u00a0:";
constexpr std::string_view kPrinters = "&Imprimantes";
constexpr std::string_view kPleaseWait = "Veuillez patienter quelques instants...";

// Where no printer is installed the pages go to a PDF file in the documents folder: the
// pictures of the print window, and the exercise text.
constexpr std::string_view kPdfFileName = "Tavir-impression.pdf";
constexpr std::string_view kTextPdfFileName = "Tavir-exercice.pdf";
// `defaut` when the output is a file: followed by its path.
constexpr std::string_view kPdfPrinterPrefix = "Fichier PDF\u00a0: ";
// After printing into a file: followed by its path.
constexpr std::string_view kPdfDone = "Impression terminée\u00a0: les pages sont dans le fichier ";
constexpr std::string_view kCannotStart =
    "L'impression n'a pas pu commencer\u00a0: vérifiez l'imprimante choisie avec le bouton Imprimantes.";

// Names a screen reader announces for the controls without a telling caption.
constexpr std::string_view kA11yCopies = "Nombre d'exemplaires";
constexpr std::string_view kA11yMoreCopies = "Un exemplaire de plus";
constexpr std::string_view kA11yFewerCopies = "Un exemplaire de moins";
constexpr std::string_view kA11yPrinter = "Imprimante";
// The spinner's description: the number of copies, then this word ("s" added from 2 on).
constexpr std::string_view kA11yCopyWord = "exemplaire";

}  // namespace tavir::ui::output_texts

namespace tavir::ui::output_texts {

// The core's texts of the same subsystem read under the same name.
using namespace tavir::output_texts;

}  // namespace tavir::ui::output_texts

#pragma once
// The help and course windows' texts, on the desktop and in the browser (UTF-8).
#include <string_view>

namespace tavir::help_texts {

constexpr std::string_view kBack = "&Précédent";
constexpr std::string_view kForward = "&Suivant";
constexpr std::string_view kContents = "S&ommaire";
constexpr std::string_view kClose = "&Fermer";
constexpr std::string_view kMissingPage =
    "<h2>Page d'aide introuvable</h2><p>Revoir l'installation du logiciel.</p>";

// The two books' window titles.
constexpr std::string_view kGuideTitle = "Aide de Tavir";
constexpr std::string_view kCourseTitle = "Cours";

// The name a screen reader announces for the page area.
constexpr std::string_view kA11yPages = "Page d'aide";

}  // namespace tavir::help_texts

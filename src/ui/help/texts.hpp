#pragma once
// The help window's own texts (UTF-8).
#include <string_view>

namespace tavir::ui::help_texts {

constexpr std::string_view kBack = "&Précédent";
constexpr std::string_view kForward = "&Suivant";
constexpr std::string_view kContents = "S&ommaire";
constexpr std::string_view kClose = "&Fermer";
constexpr std::string_view kMissingPage =
    "<h2>Page d'aide introuvable</h2><p>Revoir l'installation du logiciel.</p>";

// The name a screen reader announces for the page area.
constexpr std::string_view kA11yPages = "Page d'aide";

}  // namespace tavir::ui::help_texts

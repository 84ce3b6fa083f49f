#pragma once
// Texts of the windows' shared parts (UTF-8).
#include <string_view>

namespace tavir::ui::common_texts {

// The "Type" column of the file dialogs, told from the name alone.
constexpr std::string_view kFolderType = "Dossier";
constexpr std::string_view kFileType = "Fichier";

}  // namespace tavir::ui::common_texts

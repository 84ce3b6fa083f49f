#pragma once
// The name a saved text of the exercise area takes where the front end names it itself (a
// browser's download): RTF's extension added as the desktop's save dialog adds it.
#include <string>
#include <string_view>

namespace tavir {

// The last part of a path or a typed name, trimmed; ".rtf" added when it has no extension;
// "texte.rtf" when nothing is left.
std::string textFileName(std::string_view name);

}  // namespace tavir

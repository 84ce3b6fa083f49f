#pragma once
// Texts of the exercise area from and to the computer: "Retrouver un texte" on a file's bytes,
// and the save of what the area shows, read back by the page as computed styles.
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "core/richtext/rich_text.hpp"

namespace tavir {
class Workspace;
}

namespace tavir::web {

// Shows the file's text ({"ok":true,"html":...}), or the desktop's refusal with nothing changed.
std::string openText(Workspace& workspace, const std::string& bytes, const std::string& name, std::vector<Picture>& pictures);
// A file of `size` bytes refused before it is read (the desktop's refusal as JSON), or "null".
std::string textFileRefusal(double size);
// The RTF bytes (a Uint8Array) of the blocks the page read from the area (shown_text.js);
// `pictures` are those of the text last shown.
emscripten::val textBytes(const emscripten::val& blocks, const std::vector<Picture>& pictures);

}  // namespace tavir::web

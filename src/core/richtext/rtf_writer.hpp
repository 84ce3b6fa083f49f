#pragma once
// Writes the rich-text model as RTF that WordPad, LibreOffice and TextEdit open, and that
// readRtf reads back to the same model.
#include <string>

#include "core/richtext/rich_text.hpp"

namespace tavir {

// ASCII only: characters of Windows-1252 as \'hh, the others as \uN? (surrogate pairs past
// U+FFFF). Every paragraph ends with \par, a cell's last one with \cell; each table row is
// \trowd with its \cellx edges and single borders round every cell, then its cells, then
// \row. Pictures are {\pict} groups of hex digits at their shown size (\picwgoal).
// Sizes are clamped to 1..1638 points and indents, edges and picture sizes to +-31680
// twips, the reader's own limits; ';' and control characters are left out of font names,
// where the font table cannot hold them, and an empty name becomes "Arial".
std::string writeRtf(const RichDocument& document);

}  // namespace tavir

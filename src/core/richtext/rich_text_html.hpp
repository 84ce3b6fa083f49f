#pragma once
// The rich text as HTML, for a front end that lays out HTML (the browser page): the exercise
// area's look of each paragraph, run, picture and table, at 96 pixels per inch.
#include <string>

#include "core/richtext/rich_text.hpp"

namespace tavir {

// One <p> per paragraph and one <table> per table, in document order; texts escaped, line
// breaks as <br>, tabs kept (the area shows white space as written); PNG and JPEG pictures
// inline at their size, the others as the placeholder the desktop draws, in SVG.
std::string richTextHtml(const RichDocument& document);

}  // namespace tavir

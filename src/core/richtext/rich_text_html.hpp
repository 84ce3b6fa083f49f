#pragma once
// The rich text as HTML, for a front end that lays out HTML (the browser page): the exercise
// area's look of each paragraph, run, picture and table, at 96 pixels per inch.
#include <string>

#include "core/richtext/rich_text.hpp"

namespace tavir {

// The style the element holding the HTML must give its content, the model's defaults: runs
// and paragraphs in these write nothing of them.
std::string richTextDefaultsCss();

// One <p> per paragraph and one <table> per table, in document order; texts escaped, line
// breaks as <br>, tabs kept (the area shows white space as written); PNG and JPEG pictures
// inline at their size, the others as the placeholder the desktop draws, in SVG; each picture
// numbered (data-picture) and each cell with its edge (data-right), for documentFromShown.
std::string richTextHtml(const RichDocument& document);

}  // namespace tavir

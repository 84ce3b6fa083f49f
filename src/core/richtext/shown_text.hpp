#pragma once
// The exercise area's text as a layout engine shows it (a browser's computed styles), back
// to the model the RTF writer saves: the front end only reads what it shows, and the rules
// that turn those styles into runs, paragraphs and tables are these.
#include <string>
#include <variant>
#include <vector>

#include "core/richtext/rich_text.hpp"

namespace tavir {

struct ShownStyle {
    std::string fontFamily;       // as computed: "Arial", "\"Times New Roman\", serif"
    double fontPixels = 16;       // of the text outside any sub- or superscript
    int fontWeight = 400;
    bool italic = false;
    bool underline = false;
    std::string verticalAlign;    // of the nearest raised or lowered ancestor: "sub", "super"
    std::string color;            // "rgb(r, g, b)"
    std::string backgroundColor;  // the nearest one behind the text: "rgba(0, 0, 0, 0)" for none
};

// A text, a line break or one of the shown pictures (its number in the document shown).
struct ShownPiece {
    std::string text;
    ShownStyle style;
    bool lineBreak = false;
    int picture = -1;
};

struct ShownParagraph {
    std::string textAlign;
    double leftIndentPixels = 0;
    double textIndentPixels = 0;
    // The model's own attributes of the paragraph, as the HTML wrote them (richTextHtml):
    // "before,after,line,multiple" and "kind,level,list,first-line indent"; empty for none.
    std::string spacing;
    std::string list;
    std::vector<ShownPiece> pieces;
};

struct ShownCell {
    int rightEdge = -1;        // twips, as the shown document gave it; -1 for a cell it did not
    double widthPixels = 0;    // used where rightEdge is -1
    int rowSpan = 1;
    std::string backgroundColor;
    std::vector<ShownParagraph> paragraphs;
};

struct ShownTable {
    std::vector<std::vector<ShownCell>> rows;
};

using ShownBlock = std::variant<ShownParagraph, ShownTable>;

// `pictures` are the shown document's, in its order (picturesOf): a picture is saved with the
// bytes it was read with. A paragraph's last line break is the paragraph's own end.
RichDocument documentFromShown(const std::vector<ShownBlock>& blocks, const std::vector<Picture>& pictures);

// The document's pictures in reading order: the numbers the HTML gives them.
std::vector<Picture> picturesOf(const RichDocument& document);

}  // namespace tavir

// Drawing shapes: their picture and their text box.
#include "core/richtext/rtf_parser.hpp"

#include <string>

namespace tavir::rtf {

// A drawing shape: its picture (\sn pib) is shown where it is anchored, its text box
// (\shptxt) as paragraphs; anything else it draws is left out.
void RtfParser::startShape() {
    shapeDepth_ = stack_.size();
    shapeLeft_ = shapeRight_ = shapeTop_ = shapeBottom_ = 0;
    shapeShown_ = false;
    shapePicture_ = false;
    shapeName_.clear();
}

void RtfParser::shapeWord(const std::string& word, std::int64_t value, bool starred) {
    GroupState& s = state();
    if (word == "shpleft") shapeLeft_ = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "shpright") shapeRight_ = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "shptop") shapeTop_ = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "shpbottom") shapeBottom_ = clampTo(value, -kMaxIndent, kMaxIndent);
    else if (word == "sn") {
        s.destination = Destination::ShapeName;
        shapeName_.clear();
    } else if (word == "sv") {
        // Only the shape's picture is read from its values: "fillBlip" is its copy.
        if (shapeName_ != "pib") skipDestination(word);
    } else if (word == "pict") {
        startPicture();
        pictureInShape_ = true;
    } else if (word == "shptxt") {
        s.destination = Destination::Text;
        shapeShown_ = true;
    } else if (starred) {
        skipDestination(word);
    }
}

void RtfParser::endShape() {
    shapeDepth_ = 0;
    // Shown in the text, a picture keeps everything but its place on the page; a text
    // box keeps its text but not its frame.
    noteDropped(shapePicture_ ? DroppedContent::FloatingPictures : DroppedContent::Shapes);
}

}  // namespace tavir::rtf

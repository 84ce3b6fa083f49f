#include "core/richtext/dropped_content.hpp"

#include <string_view>

#include "core/richtext/texts.hpp"

namespace tavir {

namespace {
std::string_view droppedName(DroppedContent content) {
    namespace t = richtext_texts;
    switch (content) {
    case DroppedContent::HeadersAndFooters: return t::kDroppedHeadersAndFooters;
    case DroppedContent::Notes: return t::kDroppedNotes;
    case DroppedContent::Comments: return t::kDroppedComments;
    case DroppedContent::Objects: return t::kDroppedObjects;
    case DroppedContent::Shapes: return t::kDroppedShapes;
    case DroppedContent::Pictures: return t::kDroppedPictures;
    case DroppedContent::FloatingPictures: return t::kDroppedFloatingPictures;
    }
    return {};
}
}  // namespace

std::string droppedContentQuestion(const std::vector<DroppedContent>& dropped) {
    if (dropped.empty()) return {};
    std::string text(richtext_texts::kDroppedBefore);
    for (const DroppedContent content : dropped) {
        text += "\n- ";
        text += droppedName(content);
    }
    text += "\n";
    text += richtext_texts::kDroppedAfter;
    return text;
}

}  // namespace tavir

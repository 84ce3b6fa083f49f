#pragma once
// Saying what a file held that the exercise area could not show.
#include <string>
#include <vector>

#include "core/richtext/rtf_reader.hpp"

namespace tavir {

// The question asked before such a text is saved: kDroppedBefore, one "- item" line per
// kind, kDroppedAfter. Empty when nothing was dropped.
std::string droppedContentQuestion(const std::vector<DroppedContent>& dropped);

}  // namespace tavir

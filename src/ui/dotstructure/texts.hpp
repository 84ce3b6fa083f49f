#pragma once
// The windows' texts of this subsystem, as the core keeps them for both front ends.
#include "core/dotstructure/texts.hpp"

namespace tavir::ui::dot_texts {

using namespace tavir::dot_texts;

}  // namespace tavir::ui::dot_texts

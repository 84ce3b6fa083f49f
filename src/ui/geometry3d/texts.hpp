#pragma once
// The windows' texts of this subsystem, as the core keeps them for both front ends.
#include "core/geometry3d/texts.hpp"

namespace tavir::ui::geometry_texts {

using namespace tavir::geometry_texts;

}  // namespace tavir::ui::geometry_texts

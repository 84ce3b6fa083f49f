#pragma once
// The main window's texts, as the core keeps them for both front ends.
#include "core/board/texts.hpp"

namespace tavir::ui::board_texts {

using namespace tavir::board_texts;

}  // namespace tavir::ui::board_texts

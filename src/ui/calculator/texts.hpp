#pragma once
// The calculator window's texts, as the core keeps them for both front ends.
#include "core/calculator/texts.hpp"

namespace tavir::ui::calculator_texts {

using namespace tavir::calculator_texts;

}  // namespace tavir::ui::calculator_texts

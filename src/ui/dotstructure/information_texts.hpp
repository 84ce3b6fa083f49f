#pragma once
// The information window's texts, as the core keeps them for both front ends.
#include "core/dotstructure/information_texts.hpp"

namespace tavir::ui::information_texts {

using namespace tavir::information_texts;

}  // namespace tavir::ui::information_texts

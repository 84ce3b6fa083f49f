#pragma once
// The exercise menu's and the exercise chooser's texts live in the core, which the browser page shares.
#include <string_view>

#include "core/exercises/texts.hpp"

namespace tavir::ui::exercise_texts {

// The core's texts of the same subsystem (file messages, drawn texts) read under the same name.
using namespace tavir::exercise_texts;

}  // namespace tavir::ui::exercise_texts

#pragma once
// The help window's texts live in the core, which the browser page shares.
#include "core/help/texts.hpp"

namespace tavir::ui {
namespace help_texts = tavir::help_texts;
}  // namespace tavir::ui

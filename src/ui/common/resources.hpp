#pragma once

namespace tavir::ui {

// Registers the compiled-in pictures; the ui is a static library, so nothing does it for us.
void ensureResources();

}  // namespace tavir::ui

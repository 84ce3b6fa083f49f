#pragma once
// The texts of the browser page, gathered from the core's text tables as one JSON object.
#include <string>

namespace tavir::web {

std::string pageTexts();

}  // namespace tavir::web

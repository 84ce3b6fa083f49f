#pragma once
// Just enough JSON writing for the companions' answers and the browser's state.
#include <string>
#include <string_view>

namespace tavir {

std::string jsonString(std::string_view utf8);

}  // namespace tavir

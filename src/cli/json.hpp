#pragma once
// Just enough JSON writing for the companion's one-object answers.
#include <string>
#include <string_view>

namespace tavir::cli {

std::string jsonString(std::string_view utf8);

}  // namespace tavir::cli

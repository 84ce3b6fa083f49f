#pragma once
// A construction in a link ("tavir.html#c=35222225222242222242222"): a teacher puts a molecule
// into a worksheet as an address, and the program opens it.
#include <optional>
#include <string>
#include <string_view>

#include "core/board/construction.hpp"

namespace tavir {

// The fragment of a link that shows the construction, without the '#'.
std::string linkFragment(const Construction& c);
// The construction a fragment names ("c=" among '&'-separated parts, '#' allowed in front);
// nothing unless it is a whole valid construction string.
std::optional<Construction> constructionFromLink(std::string_view fragment);

}  // namespace tavir

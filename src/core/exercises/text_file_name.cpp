#include "core/exercises/text_file_name.hpp"

#include "core/exercises/texts.hpp"

namespace tavir {

std::string textFileName(std::string_view name) {
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '.')) name.remove_suffix(1);
    std::string out(name.empty() ? exercise_texts::kTextDefaultName : name);
    if (out.find('.') == std::string::npos) out += ".rtf";
    return out;
}

}  // namespace tavir

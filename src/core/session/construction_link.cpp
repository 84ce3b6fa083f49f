#include "core/session/construction_link.hpp"

namespace tavir {

namespace {
constexpr std::string_view kKey = "c=";
}

std::string linkFragment(const Construction& c) { return std::string(kKey) + c.toString(); }

std::optional<Construction> constructionFromLink(std::string_view fragment) {
    if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
    while (!fragment.empty()) {
        const std::size_t amp = fragment.find('&');
        const std::string_view part = fragment.substr(0, amp);
        if (part.substr(0, kKey.size()) == kKey) return Construction::parse(part.substr(kKey.size()));
        if (amp == std::string_view::npos) break;
        fragment.remove_prefix(amp + 1);
    }
    return std::nullopt;
}

}  // namespace tavir

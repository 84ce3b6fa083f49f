// What a browser keeps between two visits: a few lines of "key=value", read leniently so that
// a damaged or older snapshot brings back what it can and never anything impossible.
#include <charconv>

#include "core/session/workspace.hpp"

namespace tavir {

namespace {

constexpr std::string_view kHeader = "tavir-session 1";

std::optional<int> numberOf(std::string_view text, int low, int high) {
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

// A table entry as it may be kept: blank, or a strict construction string.
std::optional<std::string> entryOf(std::string_view text) {
    if (isBlankEntry(text)) return std::string();
    const auto c = Construction::parse(text);
    if (!c) return std::nullopt;
    return c->toString();
}

}  // namespace

std::string Workspace::snapshot() const {
    std::string out(kHeader);
    out += "\ncurrent=" + std::to_string(table_.current());
    for (int n = 0; n <= 10; ++n) out += "\nentry" + std::to_string(n) + "=" + table_.entry(n);
    const ViewOptions& o = view_.options;
    const auto flag = [](bool b) { return b ? "1" : "0"; };
    out += std::string("\nred=") + flag(o.dot.redBonds) + "\nblue=" + flag(o.dot.blueBars) +
           "\ncharges=" + flag(o.dot.formalCharges) + "\npolarity=" + flag(o.dot.polarity) + "\ncompact=" + flag(o.frame.compact) +
           "\nfigure=" + flag(o.frame.figure) + "\nrunning=" + flag(animationRunning_) +
           "\nspeed=" + std::to_string(speed()) + "\n";
    return out;
}

bool Workspace::restore(std::string_view text) {
    if (text.substr(0, kHeader.size()) != kHeader) return false;
    int current = 1;
    bool used = false;
    ViewOptions options = view_.options;
    bool running = animationRunning_;
    int speedValue = speed();
    std::array<std::optional<std::string>, 11> entries;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        const auto flag = numberOf(value, 0, 1);
        if (key.substr(0, 5) == "entry") {
            const auto n = numberOf(key.substr(5), 0, 10);
            if (n) entries[static_cast<std::size_t>(*n)] = entryOf(value);
            used = used || (n && entries[static_cast<std::size_t>(*n)]);
        } else if (key == "current") {
            if (const auto n = numberOf(value, 1, 10)) current = *n, used = true;
        } else if (key == "speed") {
            if (const auto n = numberOf(value, 0, 200)) speedValue = *n, used = true;
        } else if (flag) {
            const bool on = *flag == 1;
            if (key == "red") options.dot.redBonds = on;
            else if (key == "blue") options.dot.blueBars = on;
            else if (key == "charges") options.dot.formalCharges = on;
            else if (key == "polarity") options.dot.polarity = on;
            else if (key == "compact") options.frame.compact = on;
            else if (key == "figure") options.frame.figure = on;
            else if (key == "running") running = on;
            else continue;
            used = true;
        }
    }
    if (!used) return false;
    for (int n = 1; n <= 10; ++n)
        if (const auto& e = entries[static_cast<std::size_t>(n)]) table_.setEntry(n, *e);
    if (entries[0] && !entries[0]->empty()) table_.copy(*entries[0]);
    view_.options = options;
    timerInterval_ = speedValue + 5;
    // The construction comes back as it was left: selecting it is not a change to undo.
    showFromTable(table_.select(current));
    animationRunning_ = running && analysis_.shown();
    notify();
    return true;
}

}  // namespace tavir

#include "core/series/save_name.hpp"

#include "core/files/texts.hpp"
#include "core/series/texts.hpp"

namespace tavir {

namespace {

constexpr char kSeparator = '/';

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

SaveName refused() { return {std::nullopt, series_texts::kNoName, files_texts::kSaveFailureTitle}; }

}  // namespace

SaveName seriesSaveName(std::string_view nameBox, std::string_view directory) {
    std::string_view name = trimmed(nameBox);
    if (name.empty()) return refused();
    // Cut before the last "." until none is left, trimming each time. Only the file name is
    // cut: a dot in a folder name ("/home/eleve/mes.series/essai") is not an extension.
    for (;;) {
        const std::size_t slash = name.rfind(kSeparator);
        const std::size_t fileStart = slash == std::string_view::npos ? 0 : slash + 1;
        const std::size_t dot = name.rfind('.');
        if (dot == std::string_view::npos || dot < fileStart) break;
        name = trimmed(name.substr(0, dot));
        if (name.empty()) return refused();
    }
    // "/tmp/" or "/tmp/.C01" names a folder, not a file.
    if (name.back() == kSeparator) return refused();

    std::string path;
    // A plain name goes into the folder shown; so does a relative path, as the file list's
    // folder is the current one when the file is written.
    if (name.front() != kSeparator && !directory.empty()) {
        path = directory;
        if (path.back() != kSeparator) path.push_back(kSeparator);
    }
    path += name;
    path += series_texts::kExtension;
    return {std::move(path), {}, {}};
}

}  // namespace tavir

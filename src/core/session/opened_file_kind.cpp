#include "core/session/opened_file_kind.hpp"

#include <algorithm>
#include <cctype>
#include <string>

#include "core/exercises/texts.hpp"
#include "core/files/file_io.hpp"
#include "core/richtext/rtf_file.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/richtext/word_processor_document.hpp"
#include "core/series/series_file.hpp"
#include "core/series/texts.hpp"

namespace tavir {

namespace {

bool hasExtension(const std::filesystem::path& name, std::string_view extension) {
    const std::string own = name.extension().string();
    return std::equal(own.begin(), own.end(), extension.begin(), extension.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

OpenedFileKind openedFileKind(const std::filesystem::path& name, std::string_view bytes) {
    if (hasSeriesMagic(bytes) || hasExtension(name, series_texts::kExtension)) return OpenedFileKind::Series;
    if (hasExtension(name, exercise_texts::kExtension)) return OpenedFileKind::Exercise;
    if (wordProcessorFormat(bytes) != WordProcessorFormat::None) return OpenedFileKind::WordProcessorDocument;
    if (rtfSourceOf(bytes) == RtfSource::NotText) return OpenedFileKind::Unknown;
    return OpenedFileKind::Text;
}

OpenedFileKind openedFileKindOf(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path, kMaxRtfFileBytes + 1);
    return openedFileKind(path, bytes ? std::string_view(*bytes) : std::string_view());
}

}  // namespace tavir

#include "core/richtext/rtf_file.hpp"

#include <system_error>

#include "core/files/file_io.hpp"
#include "core/files/texts.hpp"
#include "core/richtext/rtf_writer.hpp"
#include "core/richtext/texts.hpp"
#include "core/richtext/word_processor_document.hpp"

namespace tavir {

namespace {
FileFailure cannotRead(const std::filesystem::path& path, std::string detail) {
    return {std::string(richtext_texts::kReadFailureTitle), std::string(richtext_texts::kCannotOpen) + path.string(),
            std::move(detail)};
}
}  // namespace

std::optional<FileFailure> rtfSizeRefusal(std::uintmax_t size) {
    if (size <= kMaxRtfFileBytes) return std::nullopt;
    return FileFailure{std::string(richtext_texts::kTooLongTitle), std::string(richtext_texts::kFileTooLarge),
                       std::string(files_texts::kTooLarge)};
}

FileResult<RtfReadResult> loadRtfFile(const std::filesystem::path& path) {
    // Asked first so that a huge file is refused before it is read.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        if (auto refusal = rtfSizeRefusal(size)) return *refusal;
    }
    // One byte past the limit tells a file that grew since the size was asked.
    const auto bytes = readFileBytes(path, kMaxRtfFileBytes + 1);
    if (!bytes) return cannotRead(path, bytes.failure().detail);
    if (auto refusal = rtfSizeRefusal(bytes->size())) return *refusal;
    return decodeRtf(*bytes);
}

FileResult<RtfReadResult> decodeRtf(std::string_view bytes) {
    if (wordProcessorFormat(bytes) != WordProcessorFormat::None)
        return FileFailure{std::string(richtext_texts::kReadFailureTitle),
                           std::string(richtext_texts::kWordProcessorDocument), {}};
    RtfReadResult read = readRtf(bytes);
    if (read.source == RtfSource::NotText)
        return FileFailure{std::string(richtext_texts::kReadFailureTitle), std::string(richtext_texts::kNotText), {}};
    return read;
}

FileDone saveRtfFile(const std::filesystem::path& path, const RichDocument& document) {
    const FileDone written = writeFileAtomically(path, writeRtf(document));
    if (!written)
        return FileFailure{std::string(files_texts::kSaveFailureTitle),
                           std::string(richtext_texts::kCannotSave) + path.string(), written.failure().detail};
    return {};
}

}  // namespace tavir

#include "core/series/series_file.hpp"

#include <vector>

#include "core/board/construction.hpp"
#include "core/files/file_io.hpp"
#include "core/files/record_file.hpp"
#include "core/files/texts.hpp"
#include "core/series/texts.hpp"

namespace tavir {

namespace {
constexpr int kMagicRecord = 1;
constexpr int kFirstEntryRecord = 2;
constexpr int kClosingRecord = 12;

FileFailure notOurs() {
    return {std::string(series_texts::kWrongMagicTitle), std::string(series_texts::kWrongMagic), {}};
}
FileFailure unreadable() {
    return {std::string(series_texts::kReadErrorTitle), std::string(series_texts::kReadError), {}};
}
FileFailure cannotWrite(std::string detail) {
    return {std::string(files_texts::kSaveFailureTitle), std::string(series_texts::kWriteError), std::move(detail)};
}
}  // namespace

bool hasSeriesMagic(std::string_view bytes) {
    const auto magic = readRecordBytes(bytes, kMagicRecord);
    return magic && *magic == series_texts::kMagic;
}

FileResult<SeriesEntries> decodeSeries(std::string_view bytes) {
    // A file that does not start with our magic is not ours, whatever else is wrong with it.
    if (!hasSeriesMagic(bytes)) return notOurs();
    if (bytes.size() < kSeriesMinimumFileSize) return unreadable();

    SeriesEntries entries;
    for (int i = 0; i < kSeriesLength; ++i) {
        RecordRead record = readRecord(bytes, kFirstEntryRecord + i);
        if (record.status != RecordStatus::Ok) return unreadable();
        entries[static_cast<std::size_t>(i)] = std::move(record.text);
    }
    // Record 12's text is not used, but a damaged one means a damaged file.
    if (readRecord(bytes, kClosingRecord).status != RecordStatus::Ok) return unreadable();
    return entries;
}

FileResult<SeriesEntries> loadSeriesFile(const std::filesystem::path& path) {
    // Nothing beyond record 12 is read, so a huge or endless file costs no more than a good one.
    const auto bytes = readFileBytes(path, kSeriesFileSize);
    if (!bytes) return bytes.failedAs<SeriesEntries>(series_texts::kReadErrorTitle, std::string(series_texts::kReadError));
    return decodeSeries(*bytes);
}

std::optional<std::string> encodeSeries(const SeriesEntries& entries) {
    std::vector<std::string> texts;
    texts.reserve(kClosingRecord);
    texts.emplace_back(series_texts::kMagic);
    for (const auto& entry : entries) texts.push_back(isBlankEntry(entry) ? std::string() : entry);
    texts.emplace_back(series_texts::kClosingRecord);
    return encodeRecords(texts);
}

FileDone saveSeriesFile(const std::filesystem::path& path, const SeriesEntries& entries) {
    const auto bytes = encodeSeries(entries);
    if (!bytes) return cannotWrite({});
    const FileDone written = writeFileAtomically(path, *bytes);
    if (!written) return cannotWrite(written.failure().detail);
    return {};
}

std::string normalisedSeriesEntry(std::string_view text) {
    if (isBlankEntry(text)) return {};
    // One byte per character, so that positions after a foreign letter stay in place.
    std::string narrow;
    narrow.reserve(text.size());
    for (char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) narrow.push_back((ch & 0x80) ? '?' : ch);
    return Construction::fromString(narrow).toString();
}

SeriesEntries normalisedSeries(const SeriesEntries& entries) {
    SeriesEntries out;
    for (std::size_t i = 0; i < entries.size(); ++i) out[i] = normalisedSeriesEntry(entries[i]);
    return out;
}

}  // namespace tavir

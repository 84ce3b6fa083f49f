#include "core/series/series_file.hpp"

#include <vector>

#include "core/board/construction.hpp"
#include "core/files/file_io.hpp"
#include "core/files/record_file.hpp"
#include "core/series/texts.hpp"

namespace tavir {

namespace {
constexpr int kMagicRecord = 1;
constexpr int kFirstEntryRecord = 2;
constexpr int kClosingRecord = 12;
}  // namespace

std::string_view SeriesLoad::message() const {
    switch (status) {
        case SeriesLoadStatus::Ok: return {};
        case SeriesLoadStatus::WrongMagic: return series_texts::kWrongMagic;
        case SeriesLoadStatus::ReadError: break;
    }
    return series_texts::kReadError;
}

std::string_view SeriesLoad::title() const {
    switch (status) {
        case SeriesLoadStatus::Ok: return {};
        case SeriesLoadStatus::WrongMagic: return series_texts::kWrongMagicTitle;
        case SeriesLoadStatus::ReadError: break;
    }
    return series_texts::kReadErrorTitle;
}

SeriesLoad decodeSeries(std::string_view bytes) {
    // A file that does not start with our magic is not ours, whatever else is wrong with it.
    const auto magic = readRecordBytes(bytes, kMagicRecord);
    if (!magic || *magic != series_texts::kMagic) return {SeriesLoadStatus::WrongMagic, {}};
    if (bytes.size() < kSeriesMinimumFileSize) return {SeriesLoadStatus::ReadError, {}};

    SeriesLoad load{SeriesLoadStatus::Ok, {}};
    for (int i = 0; i < kSeriesLength; ++i) {
        RecordRead record = readRecord(bytes, kFirstEntryRecord + i);
        if (record.status != RecordStatus::Ok) return {SeriesLoadStatus::ReadError, {}};
        load.entries[static_cast<std::size_t>(i)] = std::move(record.text);
    }
    // Record 12's text is not used, but a damaged one means a damaged file.
    if (readRecord(bytes, kClosingRecord).status != RecordStatus::Ok) return {SeriesLoadStatus::ReadError, {}};
    return load;
}

SeriesLoad loadSeriesFile(const std::filesystem::path& path) {
    // Nothing beyond record 12 is read, so a huge or endless file costs no more than a good one.
    const auto bytes = readFileBytes(path, kSeriesFileSize);
    if (!bytes) return {SeriesLoadStatus::ReadError, {}};
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

std::string_view SeriesSave::message() { return series_texts::kWriteError; }
std::string_view SeriesSave::title() { return series_texts::kWriteErrorTitle; }

SeriesSave saveSeriesFile(const std::filesystem::path& path, const SeriesEntries& entries) {
    const auto bytes = encodeSeries(entries);
    if (!bytes) return {false, "an entry does not fit in a record"};
    WriteResult written = writeFileAtomically(path, *bytes);
    return {written.ok, std::move(written.detail)};
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

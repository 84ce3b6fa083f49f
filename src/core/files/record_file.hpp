#pragma once
// Fixed-record files of 128-byte records, as the series and exercise files use them.
// A record holds one text: a 16-bit little-endian length n, then n bytes of cp1252 text,
// then padding. Record r (numbered from 1) starts at byte (r - 1) * 128.
// Texts are UTF-8 in memory and cp1252 on disk (text/encoding.hpp converts).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/encoding.hpp"

namespace tavir {

constexpr std::size_t kRecordSize = 128;
constexpr std::size_t kRecordTextMax = kRecordSize - 2;  // bytes of text a record can hold

enum class RecordStatus {
    Ok,
    PastEnd,   // the record starts at or beyond the end of the file: empty text
    TooLong,   // its length is above 126
    CutShort,  // the file ends inside its length or its text
};

struct RecordRead {
    RecordStatus status = RecordStatus::PastEnd;
    std::string text;  // UTF-8; empty unless status is Ok
};

// Reads record `record` (1-based) of a file held in memory. Record numbers below 1 read
// as past the end.
RecordRead readRecord(std::string_view file, int record);
// The raw cp1252 bytes of a record's text, for exact comparisons (the magic text): empty
// past the end, nothing when the record is too long or cut short.
std::optional<std::string> readRecordBytes(std::string_view file, int record);

// One record: length, cp1252 text, zero padding up to 128 bytes. Nothing when the text
// needs more than 126 bytes in cp1252.
std::optional<std::string> encodeRecord(std::string_view utf8Text);
// Records 1..n from the texts in order; nothing when one of them does not fit.
std::optional<std::string> encodeRecords(const std::vector<std::string>& utf8Texts);

}  // namespace tavir

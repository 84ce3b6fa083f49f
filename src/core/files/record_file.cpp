#include "core/files/record_file.hpp"

#include "core/text/encoding.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavir {

namespace {
// Where the text of a record lies, or why it cannot be read.
RecordStatus locateRecord(std::string_view file, int record, std::size_t& start, std::size_t& length) {
    if (record < 1) return RecordStatus::PastEnd;
    start = static_cast<std::size_t>(record - 1) * kRecordSize;
    if (start >= file.size()) return RecordStatus::PastEnd;
    if (file.size() - start < 2) return RecordStatus::CutShort;
    length = static_cast<unsigned char>(file[start]) |
             (static_cast<std::size_t>(static_cast<unsigned char>(file[start + 1])) << 8);
    if (length > kRecordTextMax) return RecordStatus::TooLong;
    if (file.size() - start - 2 < length) return RecordStatus::CutShort;
    start += 2;
    return RecordStatus::Ok;
}
}  // namespace

std::optional<std::string> readRecordBytes(std::string_view file, int record) {
    std::size_t start = 0, length = 0;
    switch (locateRecord(file, record, start, length)) {
        case RecordStatus::Ok: return std::string(file.substr(start, length));
        case RecordStatus::PastEnd: return std::string();
        default: return std::nullopt;
    }
}

RecordRead readRecord(std::string_view file, int record) {
    std::size_t start = 0, length = 0;
    const RecordStatus status = locateRecord(file, record, start, length);
    if (status != RecordStatus::Ok) return {status, {}};
    return {status, cp1252ToUtf8(file.substr(start, length))};
}

std::optional<std::string> encodeRecord(std::string_view utf8Text) {
    const std::string text = utf8ToCp1252(utf8Text);
    if (text.size() > kRecordTextMax) return std::nullopt;
    std::string record(kRecordSize, '\0');
    record[0] = static_cast<char>(text.size() & 0xFF);
    record[1] = static_cast<char>(text.size() >> 8);
    text.copy(record.data() + 2, text.size());
    return record;
}

std::optional<std::string> encodeRecords(const std::vector<std::string>& utf8Texts) {
    std::string file;
    file.reserve(utf8Texts.size() * kRecordSize);
    for (const auto& text : utf8Texts) {
        const auto record = encodeRecord(text);
        if (!record) return std::nullopt;
        file += *record;
    }
    return file;
}

}  // namespace tavir

#include "core/richtext/word_processor_document.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavir {

namespace {

constexpr std::string_view kLocalHeader = "PK\x03\x04";
constexpr std::string_view kCentralHeader = "PK\x01\x02";
constexpr std::string_view kEndOfDirectory = "PK\x05\x06";
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndOfDirectorySize = 22;
constexpr std::size_t kMaxCommentSize = 0xFFFF;

constexpr std::string_view kDocxMainPart = "word/document.xml";
constexpr std::string_view kOdfMimetypeEntry = "mimetype";
// Also covers the text templates and master documents, which are text documents too.
constexpr std::string_view kOdtMimetype = "application/vnd.oasis.opendocument.text";

std::uint32_t little(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool fits(std::string_view bytes, std::size_t at, std::size_t size) {
    return at <= bytes.size() && size <= bytes.size() - at;
}

// Whether the central directory names the entry; nothing when there is no directory to walk
// (a package cut short) or it is damaged.
std::optional<bool> directoryNames(std::string_view bytes, std::string_view name) {
    if (bytes.size() < kEndOfDirectorySize) return std::nullopt;
    // The end record sits last, before a comment of at most 64 KB.
    const std::size_t lowest =
        bytes.size() > kEndOfDirectorySize + kMaxCommentSize ? bytes.size() - kEndOfDirectorySize - kMaxCommentSize : 0;
    std::size_t end = bytes.size() - kEndOfDirectorySize;
    while (bytes.substr(end, 4) != kEndOfDirectory) {
        if (end == lowest) return std::nullopt;
        --end;
    }
    const std::uint32_t entries = little(bytes, end + 10, 2);
    std::size_t at = little(bytes, end + 16, 4);
    for (std::uint32_t i = 0; i < entries; ++i) {
        if (!fits(bytes, at, kCentralHeaderSize) || bytes.substr(at, 4) != kCentralHeader) return std::nullopt;
        const std::size_t nameSize = little(bytes, at + 28, 2);
        const std::size_t rest = nameSize + little(bytes, at + 30, 2) + little(bytes, at + 32, 2);
        if (!fits(bytes, at + kCentralHeaderSize, rest)) return std::nullopt;
        if (bytes.substr(at + kCentralHeaderSize, nameSize) == name) return true;
        at += kCentralHeaderSize + rest;
    }
    return false;
}

// Without a directory the entries are walked from the front, as far as their sizes are known
// (an entry whose size is written after its data ends the walk).
bool localEntriesName(std::string_view bytes, std::string_view name) {
    std::size_t at = 0;
    while (fits(bytes, at, kLocalHeaderSize) && bytes.substr(at, 4) == kLocalHeader) {
        const std::size_t nameSize = little(bytes, at + 26, 2);
        if (!fits(bytes, at + kLocalHeaderSize, nameSize)) return false;
        if (bytes.substr(at + kLocalHeaderSize, nameSize) == name) return true;
        const bool sizeAfterData = little(bytes, at + 6, 2) & 0x8;
        const std::size_t dataSize = little(bytes, at + 18, 4);
        if (sizeAfterData && dataSize == 0) return false;
        at += kLocalHeaderSize + nameSize + little(bytes, at + 28, 2) + dataSize;
    }
    return false;
}

bool hasEntry(std::string_view bytes, std::string_view name) {
    if (const auto named = directoryNames(bytes, name)) return *named;
    return localEntriesName(bytes, name);
}

// OpenDocument puts its type first, stored as is, so that it can be read at a fixed place.
bool isOpenDocumentText(std::string_view bytes) {
    const std::size_t nameSize = little(bytes, 26, 2);
    const std::size_t data = kLocalHeaderSize + nameSize + little(bytes, 28, 2);
    return little(bytes, 8, 2) == 0 && bytes.substr(kLocalHeaderSize, nameSize) == kOdfMimetypeEntry &&
           fits(bytes, data, kOdtMimetype.size()) && bytes.substr(data, kOdtMimetype.size()) == kOdtMimetype;
}

}  // namespace

WordProcessorFormat wordProcessorFormat(std::string_view bytes) {
    if (bytes.size() < kLocalHeaderSize || bytes.substr(0, 4) != kLocalHeader) return WordProcessorFormat::None;
    if (isOpenDocumentText(bytes)) return WordProcessorFormat::Odt;
    if (hasEntry(bytes, kDocxMainPart)) return WordProcessorFormat::Docx;
    return WordProcessorFormat::None;
}

}  // namespace tavir

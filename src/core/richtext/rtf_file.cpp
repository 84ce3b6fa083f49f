#include "core/richtext/rtf_file.hpp"

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/richtext/rtf_writer.hpp"
#include "core/files/file_io.hpp"

namespace tavir {

std::optional<RtfReadResult> loadRtfFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxRtfFileBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return readRtf(bytes);
}

bool saveRtfFile(const std::filesystem::path& path, const RichDocument& document) {
    return writeFileAtomically(path, writeRtf(document)).ok;
}

}  // namespace tavir

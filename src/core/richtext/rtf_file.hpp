#pragma once
// RTF files of the exercise area: load through readRtf, save through writeRtf.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/richtext/rtf_reader.hpp"

namespace tavir {

// Larger files are refused rather than read into memory: a text for the exercise area is a
// few kilobytes, and even one full of pictures stays far below this.
inline constexpr std::uintmax_t kMaxRtfFileBytes = 256u * 1024u * 1024u;

// The file's bytes read as readRtf reads them; nullopt when the file cannot be read (missing,
// a folder, unreadable, or larger than kMaxRtfFileBytes).
std::optional<RtfReadResult> loadRtfFile(const std::filesystem::path& path);

// Writes the document through writeFileAtomically (a temporary file beside the target,
// renamed over it), so a failed save never leaves a half-written file in place of the old
// one. Returns false when anything failed; the target is then unchanged.
bool saveRtfFile(const std::filesystem::path& path, const RichDocument& document);

}  // namespace tavir

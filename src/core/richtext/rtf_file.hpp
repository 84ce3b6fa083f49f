#pragma once
// RTF files of the exercise area: load through readRtf, save through writeRtf.
#include <filesystem>
#include <optional>
#include <string>

#include "richtext/rtf_reader.hpp"

namespace tavir {

// The file's bytes read as readRtf reads them; nullopt when the file cannot be read.
std::optional<RtfReadResult> loadRtfFile(const std::filesystem::path& path);

// Writes the document to a temporary file beside the target and renames it over the target,
// so a failed save never leaves a half-written file in place of the old one.
// Returns false when anything failed (the target is then unchanged).
bool saveRtfFile(const std::filesystem::path& path, const RichDocument& document);

}  // namespace tavir

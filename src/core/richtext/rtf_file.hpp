#pragma once
// RTF files of the exercise area: load through readRtf, save through writeRtf.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_result.hpp"
#include "core/richtext/rtf_reader.hpp"

namespace tavir {

// Larger files are refused from their size, before anything is read: a text for the exercise
// area is a few kilobytes, one full of photographs a few megabytes (RTF writes a picture's
// bytes twice over, in hexadecimal), and the area shows at most kMaxShownTextBytes of text.
// The texts::kFileTooLarge message names this size.
inline constexpr std::uintmax_t kMaxRtfFileBytes = 32u * 1024u * 1024u;

// The refusal of a text file of `size` bytes ("Texte trop long"), or nothing when it may be read.
std::optional<FileFailure> rtfSizeRefusal(std::uintmax_t size);

// A file's bytes as the exercise area reads them (from the disk or from a browser's file):
// refused under "Lecture impossible" with richtext_texts::kWordProcessorDocument for a .docx
// or .odt (wordProcessorFormat), with richtext_texts::kNotText when they hold no text.
FileResult<RtfReadResult> decodeRtf(std::string_view bytes);

// The file's bytes read as readRtf reads them. Refused from its size first (rtfSizeRefusal);
// under "Lecture impossible", with "Impossible de lire le fichier " + path when the file
// cannot be read (missing, not a regular file, a read error), then as decodeRtf refuses (source
// NotText never comes back).
FileResult<RtfReadResult> loadRtfFile(const std::filesystem::path& path);

// Writes the document through writeFileAtomically (a temporary file beside the target,
// renamed over it), so a failed save never leaves a half-written file in place of the old
// one; refused, under "Enregistrement impossible", with "Impossible d'enregistrer le
// fichier " + path.
FileDone saveRtfFile(const std::filesystem::path& path, const RichDocument& document);

}  // namespace tavir

#pragma once
// Whole-file reads and writes for every reader and saver of the program's files.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavir {

// Reads at most maxBytes from the start of a regular file; nothing when it cannot be opened
// or read (a missing file, a directory, a read error).
std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

struct WriteResult {
    bool ok = false;
    std::string detail;  // the system's reason when it failed, for logs; not for the pupil
};

// Replaces the file at `target` by `bytes` as a whole: the bytes go to a new temporary file
// in the same directory, which is flushed to disk and renamed over the target. On any
// failure the temporary file is removed and an existing target is left as it was.
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace tavir

#pragma once
// Whole-file reads and writes for every reader and saver of the program's files. Their
// failures carry the reason only (FileFailure::detail); the caller names the title and the
// message the pupil reads (FileResult::failedAs).
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/file_result.hpp"

namespace tavir {

// True for what a file dialog may offer and a reader may open: a regular file or a link that
// leads to one, told without opening it. Not a folder, a FIFO, a device, nor a kernel's
// pseudo-file under /proc or /sys that only looks regular.
bool isOrdinaryFile(const std::filesystem::path& path);

// Reads at most maxBytes from the start of a regular file. Anything else is refused before
// it is opened (a missing file, a folder, a FIFO, a device or a kernel's pseudo-file, which
// could block or never end), and a read that fails after the open is a failure, not a
// short file.
FileResult<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces the file at `target` by `bytes` as a whole: the bytes go to a new temporary file
// in the same folder, which is flushed to disk and renamed over the target. On any failure
// the temporary file is removed and an existing target is left as it was.
// A symbolic link is written through: the file it leads to is replaced and the link stays.
// A read-only file, a folder or a special file is refused and left alone. A file with
// several hard links is rewritten in place so that every name keeps seeing it; should that
// write fail, the old bytes are put back.
// The new file keeps the old one's owner, group, permissions and extended attributes (its
// ACL among them). When it cannot (someone else's file that its group lets us write, an
// attribute we may not set), the old file is written in place in the same way.
// Temporary files that earlier saves into the same folder left behind when their program
// died are removed on the way.
FileDone writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// A name for a new file that replaces nothing: `wanted` itself when nothing is there (not
// even a dangling link), else the first free of "name-2.ext", "name-3.ext"... beside it.
std::filesystem::path unusedFileName(const std::filesystem::path& wanted);

}  // namespace tavir

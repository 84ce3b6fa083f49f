#include "core/files/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tavir {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string systemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// A name for the temporary file: unique within this process, and O_EXCL settles any clash
// with another one (the next attempt takes the next number).
std::string temporaryName() {
    static std::atomic<unsigned> counter{0};
    return ".tavir-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string bytes;
    std::array<char, 4096> buffer{};
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(buffer.size(), maxBytes - bytes.size());
        const std::size_t got = std::fread(buffer.data(), 1, want, f.get());
        bytes.append(buffer.data(), got);
        if (got < want) break;
    }
    // A directory opens but does not read: that is an error, not an empty file.
    if (std::ferror(f.get())) return std::nullopt;
    return bytes;
}

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    if (target.empty() || !target.has_filename()) return {false, "no file name"};
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";

    // Keep the permissions of the file being replaced.
    mode_t mode = 0666;
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) return {false, "the target is a directory"};

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = folder / temporaryName();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) return {false, systemError("create")};
    }
    if (fd < 0) return {false, "no free temporary name"};

    std::string failure;
    if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0) failure = systemError("chmod");
    if (failure.empty() && !writeAll(fd, bytes)) failure = systemError("write");
    if (failure.empty() && ::fsync(fd) != 0) failure = systemError("fsync");
    if (::close(fd) != 0 && failure.empty()) failure = systemError("close");
    if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) failure = systemError("rename");
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return {false, failure};
    }
    // Make the rename itself durable; the new file is in place whatever this gives.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

}  // namespace tavir

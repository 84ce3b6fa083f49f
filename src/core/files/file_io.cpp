#include "core/files/file_io.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <system_error>

#include "core/files/texts.hpp"

namespace tavir {

namespace {

namespace fs = std::filesystem;
namespace ft = files_texts;

constexpr std::string_view kTemporaryPrefix = ".tavir-";
constexpr std::string_view kTemporarySuffix = ".tmp";
// A temporary file this old whose process is gone is left over; a younger one may belong
// to a save under way in another pid namespace (a sandbox, another machine on a share).
constexpr auto kStaleAge = std::chrono::minutes(5);
constexpr int kMaxLinkHops = 40;

std::string systemReason(int error) {
    switch (error) {
        case ENOENT: return std::string(ft::kNotFound);
        case EACCES:
        case EPERM: return std::string(ft::kAccessDenied);
        case ENOSPC:
        case EDQUOT: return std::string(ft::kDiskFull);
        case EROFS: return std::string(ft::kReadOnlyDisk);
        case EISDIR: return std::string(ft::kAFolder);
        case ENOTDIR: return std::string(ft::kNotAFolder);
        case EIO: return std::string(ft::kDiskError);
        case ENAMETOOLONG: return std::string(ft::kNameTooLong);
        case ELOOP: return std::string(ft::kTooManyLinks);
        case EFBIG: return std::string(ft::kTooLarge);
        default: return std::string(ft::kSystemErrorPrefix) + std::to_string(error);
    }
}

FileFailure because(std::string_view reason) { return {{}, {}, std::string(reason)}; }
FileFailure becauseOfErrno() { return because(systemReason(errno)); }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so that a failing close (a full disk on a network share) is seen.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A name unique within this process; O_EXCL settles any clash with another one.
std::string temporaryName() {
    static std::atomic<unsigned> counter{0};
    return std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           std::string(kTemporarySuffix);
}

// The process a temporary name belongs to, or 0 when it is not one of ours.
long temporaryOwner(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return 0;
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) return 0;
    long pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    if (error != std::errc() || end != name.data() + dash || pid <= 0) return 0;
    for (char c : name.substr(dash + 1))
        if (c < '0' || c > '9') return 0;
    return pid;
}

bool processIsGone(long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

// What a save killed half-way left in this folder; a temporary can be as large as the file.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // Each entry on its own: one that vanishes or cannot be read ends nothing.
        std::error_code entryError;
        const long pid = temporaryOwner(it->path().filename().native());
        if (pid == 0 || pid == ::getpid() || !it->is_regular_file(entryError)) continue;
        const auto written = fs::last_write_time(it->path(), entryError);
        if (entryError || now - written < kStaleAge || !processIsGone(pid)) continue;
        fs::remove(it->path(), entryError);
    }
}

// Where a chain of symbolic links ends: the file a save must replace.
FileResult<fs::path> linkTarget(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return because(systemReason(error.value()));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return because(ft::kTooManyLinks);
}

bool writeAllAt(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool replaceContents(int fd, std::string_view bytes) {
    return writeAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// A file with several names: a rename would give this name a new file and leave the others
// on the old one, so the bytes go into the file itself. That cannot be atomic; the old
// bytes are kept to be put back when the write fails.
FileDone writeInPlace(const fs::path& target, std::string_view bytes, std::size_t oldSize) {
    auto old = readFileBytes(target, oldSize);
    if (!old) return old.failure();
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return becauseOfErrno();
    if (!replaceContents(fd.get(), bytes)) {
        const FileFailure failure = becauseOfErrno();
        replaceContents(fd.get(), *old);
        return failure;
    }
    if (!fd.close()) return becauseOfErrno();
    return {};
}

FileDone writeAndRename(const fs::path& target, const fs::path& folder, std::string_view bytes,
                        const struct stat* replaced) {
    fs::path temporary;
    int raw = -1;
    for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
        temporary = folder / temporaryName();
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return becauseOfErrno();
    }
    if (raw < 0) return because(ft::kNoTemporaryName);
    Descriptor fd(raw);

    std::string failure;
    if (replaced) {
        // The replacement keeps the old file's permissions and, where allowed, its owner.
        if (::fchown(fd.get(), replaced->st_uid, replaced->st_gid) != 0) {
        }
        if (::fchmod(fd.get(), replaced->st_mode & 07777) != 0) failure = systemReason(errno);
    }
    if (failure.empty() && !writeAllAt(fd.get(), bytes)) failure = systemReason(errno);
    if (failure.empty() && ::fsync(fd.get()) != 0) failure = systemReason(errno);
    if (!fd.close() && failure.empty()) failure = systemReason(errno);
    if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) failure = systemReason(errno);
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return because(failure);
    }
    // Make the rename itself durable; the new file is in place whatever this gives.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return {};
}

}  // namespace

FileResult<std::string> readFileBytes(const fs::path& path, std::size_t maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return becauseOfErrno();
    if (S_ISDIR(st.st_mode)) return because(ft::kAFolder);
    if (!S_ISREG(st.st_mode)) return because(ft::kNotARegularFile);
    // O_NONBLOCK: should a FIFO take the file's place after the check, the open still
    // returns at once and fstat refuses it. Regular files ignore the flag.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return becauseOfErrno();
    if (::fstat(fd.get(), &st) != 0) return becauseOfErrno();
    if (!S_ISREG(st.st_mode)) return because(ft::kNotARegularFile);

    std::string bytes;
    constexpr std::size_t kChunk = 64 * 1024;
    while (bytes.size() < maxBytes) {
        const std::size_t start = bytes.size();
        const std::size_t want = std::min(kChunk, maxBytes - start);
        bytes.resize(start + want);
        const ssize_t got = ::read(fd.get(), bytes.data() + start, want);
        if (got < 0) {
            bytes.resize(start);
            if (errno == EINTR) continue;
            return becauseOfErrno();
        }
        bytes.resize(start + static_cast<std::size_t>(got));
        if (got == 0) break;
    }
    return bytes;
}

FileDone writeFileAtomically(const fs::path& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename()) return because(ft::kNoFileName);
    auto resolved = linkTarget(path);
    if (!resolved) return resolved.failure();
    const fs::path& target = *resolved;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) {
        if (S_ISDIR(existing.st_mode)) return because(ft::kAFolder);
        if (!S_ISREG(existing.st_mode)) return because(ft::kNotARegularFile);
        // The owner said no one writes here: a rename could replace it anyway, and root
        // passes any access check, so the permission bits decide as well.
        if ((existing.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return because(ft::kReadOnlyFile);
    }
    removeStaleTemporaries(folder);
    if (replacing && existing.st_nlink > 1)
        return writeInPlace(target, bytes, static_cast<std::size_t>(existing.st_size));
    return writeAndRename(target, folder, bytes, replacing ? &existing : nullptr);
}

fs::path unusedFileName(const fs::path& wanted) {
    const auto taken = [](const fs::path& p) {
        std::error_code error;
        // A path that cannot be looked at counts as taken.
        return fs::symlink_status(p, error).type() != fs::file_type::not_found;
    };
    if (!taken(wanted)) return wanted;
    const std::string stem = wanted.stem().string();
    const std::string extension = wanted.extension().string();
    fs::path candidate = wanted;
    for (int n = 2; n < 100000; ++n) {
        candidate = wanted.parent_path() / (stem + "-" + std::to_string(n) + extension);
        if (!taken(candidate)) break;
    }
    return candidate;
}

}  // namespace tavir

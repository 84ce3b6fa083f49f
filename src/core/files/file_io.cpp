#include "core/files/file_io.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/magic.h>
#include <sys/vfs.h>
#endif
// The browser's in-memory files have no extended attributes.
#ifndef __EMSCRIPTEN__
#include <sys/xattr.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

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
    // Some of these share a value on one system and not on another: no switch.
    const std::pair<int, std::string_view> reasons[] = {
        {ENOENT, ft::kNotFound},
        {EACCES, ft::kAccessDenied},
        {EPERM, ft::kAccessDenied},
        {ENOSPC, ft::kDiskFull},
        {EDQUOT, ft::kQuotaReached},
        {EROFS, ft::kReadOnlyDisk},
        {EISDIR, ft::kNotARegularFile},
        {ENOTDIR, ft::kNotAFolder},
        {EIO, ft::kDiskError},
        {ENAMETOOLONG, ft::kNameTooLong},
        {ELOOP, ft::kTooManyLinks},
        {EFBIG, ft::kTooLarge},
        {EAGAIN, ft::kTryAgain},
        {EWOULDBLOCK, ft::kTryAgain},
        {EINTR, ft::kInterrupted},
        {EBUSY, ft::kBusy},
        {ETXTBSY, ft::kProgramInUse},
        {EMFILE, ft::kTooManyOpen},
        {ENFILE, ft::kTooManyOpen},
        {ENOMEM, ft::kOutOfMemory},
        {EXDEV, ft::kOtherDisk},
        {EINVAL, ft::kInvalid},
        {ENXIO, ft::kNoDevice},
        {ENODEV, ft::kNoSuchDevice},
        {EOVERFLOW, ft::kTooLargeForSystem},
        {ESTALE, ft::kStale},
        {ENOTSUP, ft::kNotSupported},
        {EOPNOTSUPP, ft::kNotSupported},
        {ENOSYS, ft::kNotSupported},
        {ETIMEDOUT, ft::kNetworkDown},
        {EHOSTDOWN, ft::kNetworkDown},
        {EHOSTUNREACH, ft::kNetworkDown},
        {ENETDOWN, ft::kNetworkDown},
        {ENETUNREACH, ft::kNetworkDown},
        {ECONNRESET, ft::kDisconnected},
        {ECONNABORTED, ft::kDisconnected},
        {ENOTCONN, ft::kDisconnected},
        {EEXIST, ft::kAlreadyThere},
        {EMLINK, ft::kTooManyNames},
        {ENOLCK, ft::kLockFailed},
    };
    for (const auto& [value, reason] : reasons)
        if (value == error) return std::string(reason);
    return std::string(ft::kSystemErrorPrefix) + std::to_string(error);
}

FileFailure because(std::string_view reason) { return {{}, {}, std::string(reason)}; }
FileFailure becauseOfErrno() { return because(systemReason(errno)); }

#ifdef __linux__
bool isKernelFileSystem(const struct statfs& fs) {
    switch (fs.f_type) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case SELINUX_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case PSTOREFS_MAGIC:
        case EFIVARFS_MAGIC:
        case BPF_FS_MAGIC:
        case DEVPTS_SUPER_MAGIC: return true;
        default: return false;
    }
}
#endif

// A kernel's pseudo-file (/proc, /sys): stat calls it regular, yet a read may wait for ever
// (/proc/kmsg) or fail, and none of them is a pupil's file.
bool isKernelFile(const char* path) {
#ifdef __linux__
    struct statfs fs {};
    return ::statfs(path, &fs) == 0 && isKernelFileSystem(fs);
#else
    (void)path;
    return false;
#endif
}

bool isKernelFile(int fd) {
#ifdef __linux__
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && isKernelFileSystem(fs);
#else
    (void)fd;
    return false;
#endif
}

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

// Extended attributes, POSIX ACLs among them ("system.posix_acl_access"): name and value.
using Attributes = std::vector<std::pair<std::string, std::string>>;

#ifndef __EMSCRIPTEN__
// A file system without them has none to keep.
bool attributesUnsupported(int error) { return error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS; }

// One call of the list or get kind: asked for the size first, then filled; a value that grew
// between the two calls is asked for again.
template <typename Call>
std::optional<std::string> sizedRead(Call call) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0) return std::nullopt;
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const ssize_t got = size == 0 ? 0 : call(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return buffer;
        }
        if (errno != ERANGE) return std::nullopt;
    }
    errno = ERANGE;
    return std::nullopt;
}

std::vector<std::string> namesIn(const std::string& list) {
    std::vector<std::string> names;
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find('\0', at), list.size());
        if (end > at) names.emplace_back(list, at, end - at);
        at = end + 1;
    }
    return names;
}

// Every attribute of the file at `path`; nothing when one cannot be read.
std::optional<Attributes> attributesOf(const fs::path& path) {
    const auto list = sizedRead([&](char* buffer, std::size_t size) { return ::listxattr(path.c_str(), buffer, size); });
    if (!list) {
        if (attributesUnsupported(errno)) return Attributes{};
        return std::nullopt;
    }
    Attributes attributes;
    for (std::string& name : namesIn(*list)) {
        auto value = sizedRead(
            [&](char* buffer, std::size_t size) { return ::getxattr(path.c_str(), name.c_str(), buffer, size); });
        if (!value) {
            if (errno == ENODATA) continue;  // removed since the list was made
            return std::nullopt;
        }
        attributes.emplace_back(std::move(name), std::move(*value));
    }
    return attributes;
}

// Makes the new file's attributes those of the old one: a new file may have been given some
// of its own (the folder's default ACL) that the old one did not have.
bool copyAttributes(const fs::path& from, int to) {
    const auto wanted = attributesOf(from);
    if (!wanted) return false;
    const auto list = sizedRead([&](char* buffer, std::size_t size) { return ::flistxattr(to, buffer, size); });
    if (!list) return attributesUnsupported(errno) && wanted->empty();
    for (const std::string& name : namesIn(*list)) {
        const bool kept = std::any_of(wanted->begin(), wanted->end(), [&](const auto& a) { return a.first == name; });
        if (!kept && ::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) return false;
    }
    for (const auto& [name, value] : *wanted) {
        const auto has =
            sizedRead([&](char* buffer, std::size_t size) { return ::fgetxattr(to, name.c_str(), buffer, size); });
        // Only what differs is set: a security label given alike may be one we may not set.
        if (has && *has == value) continue;
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return false;
    }
    return true;
}
#else
bool copyAttributes(const fs::path&, int) { return true; }
#endif

// Gives the new file what the old one had besides its bytes: owner and group, extended
// attributes (ACLs included) and permissions. False when any of it cannot be given.
bool carryOver(int fd, const fs::path& old, const struct stat& was) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if ((now.st_uid != was.st_uid || now.st_gid != was.st_gid) && ::fchown(fd, was.st_uid, was.st_gid) != 0)
        return false;
    if (!copyAttributes(old, fd)) return false;
    // After the ACL, which set the same bits, so that the set-id bits come back too.
    if (::fchmod(fd, was.st_mode & 07777) != 0) return false;
    // A set-id bit may be dropped without a failure.
    return ::fstat(fd, &now) == 0 && now.st_uid == was.st_uid && now.st_gid == was.st_gid &&
           (now.st_mode & 07777) == (was.st_mode & 07777);
}

// What a failure of the temporary file says: its folder is the one thing that can be missing.
std::string savingReason(int error) { return error == ENOENT ? std::string(ft::kFolderMissing) : systemReason(error); }

FileDone writeAndRename(const fs::path& target, const fs::path& folder, std::string_view bytes,
                        const struct stat* replaced) {
    fs::path temporary;
    int raw = -1;
    for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
        temporary = folder / temporaryName();
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return because(savingReason(errno));
    }
    if (raw < 0) return because(ft::kNoTemporaryName);
    Descriptor fd(raw);

    // A new file would lose what the old one had and we may not give back: someone else's
    // file that its group lets us write would become ours and its owner shut out, its ACL
    // dropped would leave the group bits as the group's own. The bytes then go into the old
    // file, as a plain editor writes: ownership, ACL and attributes stay as they are.
    if (replaced && !carryOver(fd.get(), target, *replaced)) {
        fd.close();
        ::unlink(temporary.c_str());
        return writeInPlace(target, bytes, static_cast<std::size_t>(replaced->st_size));
    }

    std::string failure;
    if (!writeAllAt(fd.get(), bytes)) failure = systemReason(errno);
    if (failure.empty() && ::fsync(fd.get()) != 0) failure = systemReason(errno);
    if (!fd.close() && failure.empty()) failure = systemReason(errno);
    if (failure.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) failure = savingReason(errno);
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

bool isOrdinaryFile(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !isKernelFile(path.c_str());
}

FileResult<std::string> readFileBytes(const fs::path& path, std::size_t maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return becauseOfErrno();
    if (!S_ISREG(st.st_mode) || isKernelFile(path.c_str())) return because(ft::kNotARegularFile);
    // O_NONBLOCK: should a FIFO take the file's place after the check, the open still
    // returns at once and fstat refuses it. Regular files ignore the flag.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return becauseOfErrno();
    if (::fstat(fd.get(), &st) != 0) return becauseOfErrno();
    if (!S_ISREG(st.st_mode) || isKernelFile(fd.get())) return because(ft::kNotARegularFile);

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
        if (!S_ISREG(existing.st_mode) || isKernelFile(target.c_str())) return because(ft::kNotARegularFile);
        // The owner said no one writes here: a rename could replace it anyway, and root
        // passes any access check, so the permission bits decide as well.
        if ((existing.st_mode & 0222) == 0) return because(ft::kReadOnlyFile);
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return becauseOfErrno();
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

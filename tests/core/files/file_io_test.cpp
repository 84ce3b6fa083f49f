// Whole-file reads and the atomic replacement under every saver: what they refuse, and
// what they leave on disk when they fail.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/files/file_io.hpp"
#include "support/hostile_paths.hpp"
#include "support/scratch_folder.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;
namespace fs = std::filesystem;

TEST(ReadFileBytes, StopsAtTheLimit) {
    ScratchFolder dir;
    writeBytes(dir / "f", std::string(5000, 'z'));
    EXPECT_EQ(readFileBytes(dir / "f", 1536)->size(), 1536u);
    EXPECT_EQ(readFileBytes(dir / "f", 9000)->size(), 5000u);
    writeBytes(dir / "empty", "");
    EXPECT_EQ(*readFileBytes(dir / "empty", 100), std::string());
}

class ReadFileBytesRefuses : public HostilePathTest {};

TEST_P(ReadFileBytesRefuses, WithAReason) {
    const auto read = readFileBytes(path(), 1536);
    ASSERT_FALSE(read);
    EXPECT_FALSE(read.failure().detail.empty());
}

INSTANTIATE_TEST_SUITE_P(Paths, ReadFileBytesRefuses, ::testing::ValuesIn(kHostilePaths), hostileName);

struct ReasonCase {
    const char* name;
    fs::path (*make)(const ScratchFolder&);
    const char* reason;
};
void PrintTo(const ReasonCase& c, std::ostream* out) { *out << c.name; }
class ReadFileBytesSays : public ::testing::TestWithParam<ReasonCase> {};

// The reason names the cause: what is not a file is not called missing.
TEST_P(ReadFileBytesSays, TheCause) {
    ScratchFolder dir;
    ::alarm(20);
    const auto read = readFileBytes(GetParam().make(dir), 100);
    ::alarm(0);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.failure().detail, GetParam().reason);
}

fs::path linkTo(const ScratchFolder& dir, const fs::path& to) {
    fs::create_symlink(to, dir / "piege.rtf");
    return dir / "piege.rtf";
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReadFileBytesSays,
    ::testing::Values(
        ReasonCase{"missing", [](const ScratchFolder& dir) { return dir / "absent.rtf"; }, "fichier ou dossier introuvable"},
        ReasonCase{"folder", [](const ScratchFolder& dir) { return dir.path(); }, "ce n'est pas un fichier ordinaire"},
        ReasonCase{"fifo", makeFifo, "ce n'est pas un fichier ordinaire"},
        ReasonCase{"link_to_a_device", [](const ScratchFolder& dir) { return linkTo(dir, "/dev/null"); },
                   "ce n'est pas un fichier ordinaire"},
        // Regular to stat, with no size; its reads wait for the kernel's next message.
        ReasonCase{"link_to_kernel_messages", [](const ScratchFolder& dir) { return linkTo(dir, "/proc/kmsg"); },
                   "ce n'est pas un fichier ordinaire"},
        ReasonCase{"kernel_file", [](const ScratchFolder&) { return fs::path("/proc/self/status"); },
                   "ce n'est pas un fichier ordinaire"},
        ReasonCase{"through_a_file", [](const ScratchFolder& dir) {
                       writeBytes(dir / "f", "x");
                       return dir / "f" / "g";
                   },
                   "chemin non valide"}),
    [](const auto& info) { return std::string(info.param.name); });

// A process that has ended: its temporary files are left-overs.
long deadProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void age(const fs::path& file) { fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1)); }

std::string temporaryOf(long pid) { return ".tavir-" + std::to_string(pid) + "-0.tmp"; }

// --- who saves, and what the file had besides its bytes

constexpr uid_t kOwner = 1000;
constexpr gid_t kGroup = 1000;
constexpr uid_t kNobody = 65534;

// Runs `work` in a child process under other ids (no supplementary group) and returns what
// it says; the ids cannot come back once dropped, hence the child.
std::string runAs(uid_t uid, gid_t gid, const std::function<std::string()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string said = "could not change ids";
        if (::setgroups(0, nullptr) == 0 && ::setresgid(gid, gid, gid) == 0 && ::setresuid(uid, uid, uid) == 0)
            said = work();
        [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return said;
}

std::string refusalOf(const FileDone& saved) { return saved ? std::string() : saved.failure().detail; }

const char* needsRoot(const ScratchFolder&) { return ::geteuid() == 0 ? nullptr : "needs root to make another user's file"; }

// ACLs are checked through the file system's own attribute, so user attributes must work too.
const char* needsAttributes(const ScratchFolder& dir) {
    writeBytes(dir / "probe", "");
    const bool works = ::setxattr((dir / "probe").c_str(), "user.probe", "1", 1, 0) == 0;
    fs::remove(dir / "probe");
    return works ? nullptr : "no user extended attributes here: set TMPDIR to a folder on ext4, xfs or btrfs";
}

// A POSIX ACL as the kernel stores it in "system.posix_acl_access": version 2, then tag,
// permissions and id of each entry, little-endian, in tag order.
enum : std::uint16_t { kUserObj = 0x01, kUser = 0x02, kGroupObj = 0x04, kMask = 0x10, kOther = 0x20 };
struct AclEntry {
    std::uint16_t tag;
    std::uint16_t perm;
    std::uint32_t id = 0xFFFFFFFFu;
};
std::string aclValue(std::initializer_list<AclEntry> entries) {
    std::string value;
    const auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) value.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put(2, 4);
    for (const AclEntry& e : entries) {
        put(e.tag, 2);
        put(e.perm, 2);
        put(e.id, 4);
    }
    return value;
}
// The owner and nobody may write, the group may read: the mode's group bits show the mask.
const std::string kSharedAcl = aclValue(
    {{kUserObj, 6}, {kUser, 6, kNobody}, {kGroupObj, 4}, {kMask, 6}, {kOther, 4}});

std::optional<std::string> attribute(const fs::path& file, const char* name) {
    char value[512];
    const ssize_t n = ::getxattr(file.c_str(), name, value, sizeof value);
    if (n < 0) return std::nullopt;
    return std::string(value, static_cast<std::size_t>(n));
}

bool setAttribute(const fs::path& file, const char* name, const std::string& value) {
    return ::setxattr(file.c_str(), name, value.data(), value.size(), 0) == 0;
}

// A file of kOwner's that its group may write, in a folder anyone may write.
fs::path groupWritableFile(const ScratchFolder& dir) {
    fs::permissions(dir.path(), fs::perms::all);
    writeBytes(dir / "t", "old");
    if (::chown((dir / "t").c_str(), kOwner, kGroup) != 0) return {};
    fs::permissions(dir / "t", fs::perms(0664));
    return dir / "t";
}

const char* keptOwnerGroupAndMode(const ScratchFolder& dir) {
    struct stat st {};
    if (::stat((dir / "t").c_str(), &st) != 0) return "the file is gone";
    if (readBytes(dir / "t") != "new") return "not written";
    if (st.st_uid != kOwner || st.st_gid != kGroup) return "owner or group changed";
    if ((st.st_mode & 07777) != 0664) return "mode changed";
    if (entryCount(dir.path()) != 1) return "a temporary file was left";
    const std::string ownerWrites = runAs(kOwner, kGroup, [&] {
        const int fd = ::open((dir / "t").c_str(), O_WRONLY);
        if (fd < 0) return std::string("refused");
        ::close(fd);
        return std::string();
    });
    return ownerWrites.empty() ? "" : "the owner may no longer write";
}

// A small file system of its own at dir/"disque", for the refusals that come from the disk.
fs::path smallDisk(const ScratchFolder& dir, const char* options) {
    const fs::path at = dir / "disque";
    fs::create_directory(at);
    if (::mount("tavir-test", at.c_str(), "tmpfs", 0, options) != 0) return {};
    return at;
}
fs::path readOnlyAgain(const fs::path& disk) {
    if (disk.empty() || ::mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return {};
    return disk;
}
// What is on the small disk once the save is over, given before it goes away.
const char* afterUnmounting(const ScratchFolder& dir, const char* wrong) {
    ::umount2((dir / "disque").c_str(), MNT_DETACH);
    return wrong;
}
const char* needsMounts(const ScratchFolder& dir) {
    if (smallDisk(dir, "size=4k").empty()) return "cannot mount a file system here (root in a namespace that allows it)";
    afterUnmounting(dir, "");
    fs::remove(dir / "disque");
    return nullptr;
}

// --- what a save does to what is already there

struct Saver {
    uid_t uid;
    gid_t gid;
};
struct TargetCase {
    const char* name;
    fs::path (*prepare)(const ScratchFolder&);  // the path given to the save
    std::string refusal;                       // "" when the save goes through
    const char* (*check)(const ScratchFolder&);  // what is wrong on disk afterwards, "" if nothing
    std::optional<Saver> saver = std::nullopt;  // root (the test itself) when none
    const char* (*unsupported)(const ScratchFolder&) = nullptr;  // why the case cannot run here
};
void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }
class SaveOnto : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveOnto, LeavesWhatItShould) {
    ScratchFolder dir;
    if (GetParam().unsupported)
        if (const char* why = GetParam().unsupported(dir)) GTEST_SKIP() << why;
    const fs::path target = GetParam().prepare(dir);
    ASSERT_FALSE(target.empty()) << "could not prepare";
    ::alarm(20);
    const std::string refusal =
        GetParam().saver
            ? runAs(GetParam().saver->uid, GetParam().saver->gid, [&] { return refusalOf(writeFileAtomically(target, "new")); })
            : refusalOf(writeFileAtomically(target, "new"));
    ::alarm(0);
    EXPECT_EQ(refusal, GetParam().refusal);
    EXPECT_STREQ(GetParam().check(dir), "");
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveOnto,
    ::testing::Values(
        TargetCase{"longer_file_replaced_whole",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", std::string(4000, 'o'));
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       return readBytes(dir / "t") == "new" && entryCount(dir.path()) == 1 ? "" : "not replaced whole";
                   }},
        TargetCase{"permissions_kept",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old");
                       fs::permissions(dir / "t", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       return (fs::status(dir / "t").permissions() & fs::perms::all) ==
                                      (fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
                                  ? ""
                                  : "permissions changed";
                   }},
        // Even root, who may write anywhere, leaves a file nobody may write alone.
        TargetCase{"read_only_file_refused",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old");
                       fs::permissions(dir / "t", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
                       return dir / "t";
                   },
                   "fichier en lecture seule",
                   [](const ScratchFolder& dir) { return readBytes(dir / "t") == "old" ? "" : "read-only file replaced"; }},
        TargetCase{"symbolic_link_written_through",
                   [](const ScratchFolder& dir) {
                       fs::create_directory(dir / "real");
                       writeBytes(dir / "real" / "t", "old");
                       fs::create_symlink("real/t", dir / "link");
                       return dir / "link";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       if (!fs::is_symlink(dir / "link")) return "the link became a file";
                       if (readBytes(dir / "real" / "t") != "new") return "the target was not written";
                       return entryCount(dir / "real") == 1 ? "" : "a temporary file was left";
                   }},
        TargetCase{"dangling_link_creates_its_target",
                   [](const ScratchFolder& dir) {
                       fs::create_symlink("t", dir / "link");
                       return dir / "link";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       return fs::is_symlink(dir / "link") && readBytes(dir / "t") == "new" ? "" : "link not followed";
                   }},
        TargetCase{"link_to_a_read_only_file_refused",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old");
                       fs::permissions(dir / "t", fs::perms::owner_read);
                       fs::create_symlink("t", dir / "link");
                       return dir / "link";
                   },
                   "fichier en lecture seule",
                   [](const ScratchFolder& dir) {
                       return fs::is_symlink(dir / "link") && readBytes(dir / "t") == "old" ? "" : "changed";
                   }},
        TargetCase{"link_loop_refused",
                   [](const ScratchFolder& dir) {
                       fs::create_symlink("b", dir / "a");
                       fs::create_symlink("a", dir / "b");
                       return dir / "a";
                   },
                   "trop de liens symboliques",
                   [](const ScratchFolder& dir) { return entryCount(dir.path()) == 2 ? "" : "something was written"; }},
        TargetCase{"hard_links_keep_seeing_one_file",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old content");
                       fs::create_hard_link(dir / "t", dir / "other");
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       if (readBytes(dir / "other") != "new") return "the other name kept the old file";
                       return fs::hard_link_count(dir / "t") == 2 && entryCount(dir.path()) == 2 ? "" : "links split";
                   }},
        TargetCase{"fifo_refused_at_once",
                   [](const ScratchFolder& dir) { return makeFifo(dir); },
                   "ce n'est pas un fichier ordinaire",
                   [](const ScratchFolder& dir) {
                       return fs::is_fifo(dir / "fifo") && entryCount(dir.path()) == 1 ? "" : "the FIFO was replaced";
                   }},
        TargetCase{"folder_refused",
                   [](const ScratchFolder& dir) {
                       fs::create_directories(dir / "t" / "inside");
                       return dir / "t";
                   },
                   "ce n'est pas un fichier ordinaire",
                   [](const ScratchFolder& dir) { return fs::is_directory(dir / "t" / "inside") ? "" : "folder touched"; }},
        TargetCase{"link_to_a_kernel_file_refused",
                   [](const ScratchFolder& dir) { return linkTo(dir, "/proc/self/comm"); },
                   "ce n'est pas un fichier ordinaire",
                   [](const ScratchFolder& dir) {
                       return fs::is_symlink(dir / "piege.rtf") && entryCount(dir.path()) == 1 ? "" : "changed";
                   }},
        TargetCase{"missing_folder_named",
                   [](const ScratchFolder& dir) { return dir / "absent" / "t"; },
                   "dossier absent",
                   [](const ScratchFolder& dir) { return entryCount(dir.path()) == 0 ? "" : "something was written"; }},
        TargetCase{"file_on_a_read_only_disk_named",
                   [](const ScratchFolder& dir) {
                       const fs::path disk = smallDisk(dir, "size=64k");
                       if (!disk.empty()) writeBytes(disk / "t", "old");
                       return readOnlyAgain(disk).empty() ? fs::path() : disk / "t";
                   },
                   "disque en lecture seule",
                   [](const ScratchFolder& dir) {
                       return afterUnmounting(dir, readBytes(dir / "disque" / "t") == "old" ? "" : "changed");
                   },
                   std::nullopt,
                   needsMounts},
        TargetCase{"new_file_on_a_read_only_disk_named",
                   [](const ScratchFolder& dir) {
                       const fs::path disk = readOnlyAgain(smallDisk(dir, "size=64k"));
                       return disk.empty() ? disk : disk / "t";
                   },
                   "disque en lecture seule",
                   [](const ScratchFolder& dir) { return afterUnmounting(dir, ""); },
                   std::nullopt,
                   needsMounts},
        // Filled to the last block: the temporary file is made, its bytes find no room.
        TargetCase{"full_disk_named",
                   [](const ScratchFolder& dir) {
                       const fs::path disk = smallDisk(dir, "size=8k");
                       if (disk.empty()) return disk;
                       writeBytes(disk / "t", "old");
                       writeBytes(disk / "plein", std::string(64 * 1024, 'x'));
                       return disk / "t";
                   },
                   "disque plein",
                   [](const ScratchFolder& dir) {
                       const bool kept = readBytes(dir / "disque" / "t") == "old" && entryCount(dir / "disque") == 2;
                       return afterUnmounting(dir, kept ? "" : "the old file or the disk changed");
                   },
                   std::nullopt,
                   needsMounts},
        // Someone else's file that the group may write: a new file would be the saver's, and
        // the owner shut out of their own file.
        TargetCase{"someone_elses_file_keeps_its_owner",
                   groupWritableFile,
                   "",
                   keptOwnerGroupAndMode,
                   Saver{kNobody, kGroup},
                   needsRoot},
        TargetCase{"acl_and_attributes_kept",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old");
                       if (!setAttribute(dir / "t", "system.posix_acl_access", kSharedAcl) ||
                           !setAttribute(dir / "t", "user.tavir-test", "gardé"))
                           return fs::path();
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       if (readBytes(dir / "t") != "new") return "not written";
                       if (attribute(dir / "t", "system.posix_acl_access") != kSharedAcl) return "ACL lost";
                       if (attribute(dir / "t", "user.tavir-test") != "gardé") return "attribute lost";
                       if ((fs::status(dir / "t").permissions() & fs::perms::all) != fs::perms(0664)) return "mode changed";
                       return entryCount(dir.path()) == 1 ? "" : "a temporary file was left";
                   },
                   std::nullopt,
                   needsAttributes},
        // A new file in this folder would inherit its default ACL, and with it give nobody
        // a right the old file did not give.
        TargetCase{"folder_acl_not_given_to_a_file_without",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / "t", "old");
                       fs::permissions(dir / "t", fs::perms(0640));
                       const std::string inherited =
                           aclValue({{kUserObj, 7}, {kUser, 7, kNobody}, {kGroupObj, 7}, {kMask, 7}, {kOther, 5}});
                       if (!setAttribute(dir.path(), "system.posix_acl_default", inherited)) return fs::path();
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       if (readBytes(dir / "t") != "new") return "not written";
                       if (attribute(dir / "t", "system.posix_acl_access")) return "the folder's ACL was given";
                       if ((fs::status(dir / "t").permissions() & fs::perms::all) != fs::perms(0640)) return "mode changed";
                       return entryCount(dir.path()) == 1 ? "" : "a temporary file was left";
                   },
                   std::nullopt,
                   needsAttributes},
        // A save killed half-way left its temporary file; the next save into the folder
        // removes it, and nothing that may still be in use.
        TargetCase{"left_over_temporaries_removed",
                   [](const ScratchFolder& dir) {
                       const long dead = deadProcess();
                       writeBytes(dir / temporaryOf(dead), std::string(10000, 'x'));
                       age(dir / temporaryOf(dead));
                       writeBytes(dir / ".tavir-1-x.tmp", "not ours");
                       age(dir / ".tavir-1-x.tmp");
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) {
                       return entryCount(dir.path()) == 2 && fs::exists(dir / ".tavir-1-x.tmp") ? "" : "wrong files removed";
                   }},
        TargetCase{"temporaries_in_use_kept",
                   [](const ScratchFolder& dir) {
                       writeBytes(dir / temporaryOf(deadProcess()), "young: a save under way elsewhere");
                       writeBytes(dir / temporaryOf(::getppid()), "its process lives");
                       age(dir / temporaryOf(::getppid()));
                       return dir / "t";
                   },
                   "",
                   [](const ScratchFolder& dir) { return entryCount(dir.path()) == 3 ? "" : "a temporary in use was removed"; }}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails half-way, even for root: the file size limit stops it after the
// temporary file was created and partly written.
class HalfWay : public ::testing::Test {
protected:
    FileDone saveWithLimit(const fs::path& target, std::size_t size) {
        struct rlimit saved {};
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit small = saved;
        small.rlim_cur = 1000;
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        FileDone r = writeFileAtomically(target, std::string(size, 'n'));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldHandler);
        return r;
    }
    ScratchFolder dir;
    const std::string old = "old content that must survive";
};

TEST_F(HalfWay, LeavesTheOldFileAndNoTemporary) {
    writeBytes(dir / "t", old);
    const FileDone r = saveWithLimit(dir / "t", 3000);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.failure().detail, "fichier trop gros");
    EXPECT_EQ(readBytes(dir / "t"), old);
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST_F(HalfWay, PutsTheOldBytesBackIntoAHardLinkedFile) {
    writeBytes(dir / "t", old);
    fs::create_hard_link(dir / "t", dir / "other");
    EXPECT_FALSE(saveWithLimit(dir / "t", 3000));
    EXPECT_EQ(readBytes(dir / "t"), old);
    EXPECT_EQ(readBytes(dir / "other"), old);
    EXPECT_EQ(entryCount(dir.path()), 2);
}

}  // namespace
}  // namespace tavir

namespace tavir {
namespace {

struct UnusedCase {
    const char* name;
    std::vector<std::string> present;
    const char* wanted;
    const char* expected;
};
class UnusedFileName : public ::testing::TestWithParam<UnusedCase> {};

TEST_P(UnusedFileName, ReplacesNothing) {
    const auto& p = GetParam();
    testing::ScratchFolder folder;
    for (const std::string& name : p.present) {
        if (name.starts_with("link:")) std::filesystem::create_symlink(folder / "nowhere", folder / name.substr(5));
        else testing::writeBytes(folder / name, "x");
    }
    EXPECT_EQ(unusedFileName(folder / p.wanted), folder / p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnusedFileName,
    ::testing::Values(UnusedCase{"free", {"autre.pdf"}, "page.pdf", "page.pdf"},
                      UnusedCase{"taken", {"page.pdf"}, "page.pdf", "page-2.pdf"},
                      UnusedCase{"next_taken_too", {"page.pdf", "page-2.pdf"}, "page.pdf", "page-3.pdf"},
                      UnusedCase{"gap_is_used", {"page.pdf", "page-3.pdf"}, "page.pdf", "page-2.pdf"},
                      UnusedCase{"no_extension", {"page"}, "page", "page-2"},
                      UnusedCase{"dangling_link_is_taken", {"link:page.pdf"}, "page.pdf", "page-2.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

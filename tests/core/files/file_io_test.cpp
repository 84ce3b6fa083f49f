// Whole-file reads and the atomic replacement under every saver: what they refuse, and
// what they leave on disk when they fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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

// A process that has ended: its temporary files are left-overs.
long deadProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void age(const fs::path& file) { fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1)); }

std::string temporaryOf(long pid) { return ".tavir-" + std::to_string(pid) + "-0.tmp"; }

// --- what a save does to what is already there

struct TargetCase {
    const char* name;
    fs::path (*prepare)(const ScratchFolder&);  // the path given to the save
    std::string refusal;                       // "" when the save goes through
    const char* (*check)(const ScratchFolder&);  // what is wrong on disk afterwards, "" if nothing
};
void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }
class SaveOnto : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveOnto, LeavesWhatItShould) {
    ScratchFolder dir;
    const fs::path target = GetParam().prepare(dir);
    ::alarm(20);
    const FileDone saved = writeFileAtomically(target, "new");
    ::alarm(0);
    EXPECT_EQ(saved ? std::string() : saved.failure().detail, GetParam().refusal);
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
                   "c'est un dossier",
                   [](const ScratchFolder& dir) { return fs::is_directory(dir / "t" / "inside") ? "" : "folder touched"; }},
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

#pragma once
// Paths no reader may take for a file to read: each reader's table runs them all and expects
// its own French refusal, at once. A reader that blocks (a FIFO) is stopped by the alarm.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scratch_folder.hpp"

namespace tavir::testing {

struct HostilePath {
    const char* name;
    std::filesystem::path (*make)(const ScratchFolder&);
};

inline std::filesystem::path makeFifo(const ScratchFolder& dir) {
    const auto path = dir / "fifo";
    ::mkfifo(path.c_str(), 0644);
    return path;
}

inline const std::vector<HostilePath> kHostilePaths = {
    {"missing", [](const ScratchFolder& dir) { return dir / "missing"; }},
    {"in_a_missing_folder", [](const ScratchFolder& dir) { return dir / "no" / "such" / "file"; }},
    {"a_folder", [](const ScratchFolder& dir) { return dir.path(); }},
    // Nobody writes into it: opening it for reading blocks until someone does.
    {"fifo", makeFifo},
    {"link_to_a_fifo",
     [](const ScratchFolder& dir) {
         const auto link = dir / "link";
         std::filesystem::create_symlink(makeFifo(dir), link);
         return link;
     }},
    // Regular to stat, yet every read fails as on a failing disk: a kernel's file, refused unread.
    {"read_error_after_open", [](const ScratchFolder&) { return std::filesystem::path("/proc/self/mem"); }},
    // Endless.
    {"device", [](const ScratchFolder&) { return std::filesystem::path("/dev/zero"); }},
};

inline void PrintTo(const HostilePath& path, std::ostream* out) { *out << path.name; }
inline std::string hostileName(const ::testing::TestParamInfo<HostilePath>& info) { return info.param.name; }

// The fixture of a reader's table: a scratch folder, and an alarm that ends a blocked read.
class HostilePathTest : public ::testing::TestWithParam<HostilePath> {
protected:
    void SetUp() override {
        ::alarm(20);
        path_ = GetParam().make(dir_);
    }
    void TearDown() override { ::alarm(0); }
    const std::filesystem::path& path() const { return path_; }

private:
    ScratchFolder dir_;
    std::filesystem::path path_;
};

}  // namespace tavir::testing

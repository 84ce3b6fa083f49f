// Series files: the exact bytes the writer produces, what the loader accepts and refuses,
// and saves that fail without losing the file already on disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "support/scratch_folder.hpp"
#include "core/series/series_file.hpp"
#include "core/series/texts.hpp"
#include "support/boards.hpp"
#include "support/hostile_paths.hpp"
#include "support/verdict.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

const std::string kWater = makeConstruction({{0, O}, {5, H}, {9, H}}, {{5, 1}, {9, 1}}).toString();
const std::string kMethane =
    makeConstruction({{0, C}, {5, H}, {7, H}, {9, H}, {1, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}).toString();
const std::string kOxygen = makeConstruction({{0, O}, {1, O}}, {{1, 2}}).toString();

// A record written out byte by byte, independently of the codec.
std::string handRecord(const std::string& text) {
    std::string r;
    r.push_back(static_cast<char>(text.size()));
    r.push_back('\0');
    r += text;
    r.append(128 - r.size(), '\0');
    return r;
}

std::string handFile(const SeriesEntries& texts) {
    std::string f = handRecord("TAVIR");
    for (const auto& t : texts) f += handRecord(t);
    return f + handRecord("0");
}

SeriesEntries series(std::initializer_list<std::pair<int, std::string>> entries) {
    SeriesEntries s;
    for (const auto& [number, text] : entries) s[static_cast<std::size_t>(number - 1)] = text;
    return s;
}

// --- the writer's bytes

struct LayoutCase {
    const char* name;
    SeriesEntries entries;
    SeriesEntries onDisk;  // what the records hold (blank entries become length 0)
};
class SeriesLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SeriesLayout, BytesAreExactlyTheTwelveRecords) {
    const auto bytes = encodeSeries(GetParam().entries);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, handFile(GetParam().onDisk));
}

TEST_P(SeriesLayout, WrittenFileLoadsBackAndWritesTheSameRecords) {
    ScratchFolder dir;
    const auto file = dir / "s.C01";
    ASSERT_TRUE(saveSeriesFile(file, GetParam().entries));
    const std::string first = readBytes(file);
    EXPECT_EQ(first, handFile(GetParam().onDisk));

    const auto load = loadSeriesFile(file);
    ASSERT_TRUE(load);
    EXPECT_EQ(*load, GetParam().onDisk);
    ASSERT_TRUE(saveSeriesFile(file, *load));
    EXPECT_EQ(readBytes(file), first);
}

INSTANTIATE_TEST_SUITE_P(
    Series, SeriesLayout,
    ::testing::Values(LayoutCase{"never_used", {}, {}},
                      LayoutCase{"only_construction_1", series({{1, kWater}}), series({{1, kWater}})},
                      LayoutCase{"first_middle_last", series({{1, kWater}, {5, kMethane}, {10, kOxygen}}),
                                 series({{1, kWater}, {5, kMethane}, {10, kOxygen}})},
                      LayoutCase{"empty_construction_string_is_kept",
                                 series({{2, std::string(kEmptyConstructionString)}}),
                                 series({{2, std::string(kEmptyConstructionString)}})},
                      LayoutCase{"blank_entry_written_empty", series({{3, "   "}, {4, kWater}}), series({{4, kWater}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SeriesLayout, OffsetsOfASeriesWithOnlyConstructionOne) {
    const auto bytes = encodeSeries(series({{1, kWater}}));
    ASSERT_TRUE(bytes);
    const std::string& b = *bytes;
    ASSERT_EQ(b.size(), 1536u);  // the last record is padded too
    EXPECT_EQ(b.substr(0, 7), std::string("\x05\x00TAVIR", 7));
    EXPECT_EQ(b.substr(128, 2), std::string("\x17\x00", 2));
    EXPECT_EQ(b.substr(130, 23), kWater);
    EXPECT_EQ(b.substr(153, 128 - 25), std::string(103, '\0'));
    for (int r = 3; r <= 11; ++r) EXPECT_EQ(b.substr(static_cast<std::size_t>(r - 1) * 128, 128), std::string(128, '\0'));
    EXPECT_EQ(b.substr(1408, 3), std::string("\x01\x00" "0", 3));
    EXPECT_EQ(b.substr(1411), std::string(125, '\0'));
}

// --- the loader

TEST(SeriesLoader, AcceptsAFileWhoseLastRecordIsNotPadded) {
    const std::string full = handFile(series({{1, kWater}, {10, kOxygen}}));
    const auto load = decodeSeries(full.substr(0, 1411));
    ASSERT_TRUE(load);
    EXPECT_EQ(*load, series({{1, kWater}, {10, kOxygen}}));
}

TEST(SeriesLoader, IgnoresWhatFollowsRecordTwelve) {
    const std::string full = handFile(series({{2, kMethane}})) + std::string(5000, '\xFF');
    ScratchFolder dir;
    writeBytes(dir / "long.C01", full);
    const auto load = loadSeriesFile(dir / "long.C01");
    ASSERT_TRUE(load);
    EXPECT_EQ(*load, series({{2, kMethane}}));
}

TEST(SeriesLoader, KeepsADamagedEntryAsText) {
    // Only the board gets the normalised form; the file's text comes back as it is.
    const auto load = decodeSeries(handFile(series({{1, "9x"}})));
    ASSERT_TRUE(load);
    EXPECT_EQ((*load)[0], "9x");
}

// Bytes of a good file with one change.
std::string patched(std::size_t offset, const std::string& bytes) {
    std::string f = handFile(series({{1, kWater}, {2, kMethane}}));
    f.replace(offset, bytes.size(), bytes);
    return f;
}

struct RefusedCase {
    const char* name;
    std::string bytes;
    std::string verdict;
};
class SeriesRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SeriesRefused, GivesTheMessageAndNoData) {
    EXPECT_EQ(verdict(decodeSeries(GetParam().bytes)), GetParam().verdict);
}

const std::string kGood = handFile(series({{1, kWater}, {2, kMethane}}));

INSTANTIATE_TEST_SUITE_P(
    Files, SeriesRefused,
    ::testing::Values(
        RefusedCase{"magic_lower_case", patched(2, "tavir"), kSeriesNotOurs},
        RefusedCase{"magic_one_letter_off", patched(2, "TAVIS"), kSeriesNotOurs},
        RefusedCase{"magic_with_a_blank", patched(0, std::string("\x06\x00TAVIR ", 8)), kSeriesNotOurs},
        RefusedCase{"magic_cut", patched(0, std::string("\x04\x00", 2)), kSeriesNotOurs},
        RefusedCase{"magic_length_200", patched(0, std::string("\xC8\x00", 2)), kSeriesNotOurs},
        RefusedCase{"empty_file", "", kSeriesNotOurs},
        RefusedCase{"text_file", "Ceci est un texte.\n", kSeriesNotOurs},
        RefusedCase{"one_byte_short", kGood.substr(0, 1410), kSeriesUnreadable},
        RefusedCase{"only_the_magic", kGood.substr(0, 128), kSeriesUnreadable},
        RefusedCase{"half_the_records", kGood.substr(0, 700), kSeriesUnreadable},
        RefusedCase{"entry_length_127", patched(128 * 3, std::string("\x7F\x00", 2)), kSeriesUnreadable},
        RefusedCase{"entry_length_65535", patched(128 * 10, "\xFF\xFF"), kSeriesUnreadable},
        RefusedCase{"last_entry_length_200", patched(128 * 10, std::string("\xC8\x00", 2)),
                    kSeriesUnreadable},
        RefusedCase{"closing_record_length_127", patched(1408, std::string("\x7F\x00", 2)),
                    kSeriesUnreadable},
        RefusedCase{"closing_record_cut_short", patched(1408, std::string("\x05\x00", 2)).substr(0, 1411),
                    kSeriesUnreadable}),
    [](const auto& info) { return std::string(info.param.name); });

class SeriesHostilePath : public HostilePathTest {};

TEST_P(SeriesHostilePath, IsRefusedAtOnce) { EXPECT_EQ(verdict(loadSeriesFile(path())), kSeriesUnreadable); }

INSTANTIATE_TEST_SUITE_P(Paths, SeriesHostilePath, ::testing::ValuesIn(kHostilePaths), hostileName);

// --- saves that fail

TEST(SeriesSaveFails, IntoAMissingFolder) {
    ScratchFolder dir;
    const auto file = dir / "absent" / "s.C01";
    EXPECT_EQ(verdict(saveSeriesFile(file, series({{1, kWater}}))), kSeriesUnwritable);
    EXPECT_FALSE(std::filesystem::exists(dir / "absent"));
}

TEST(SeriesSaveFails, OntoAFolderOfThatName) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir / "s.C01");
    writeBytes(dir / "s.C01" / "inside", "keep");
    EXPECT_EQ(verdict(saveSeriesFile(dir / "s.C01", series({{1, kWater}}))), kSeriesUnwritable);
    EXPECT_EQ(readBytes(dir / "s.C01" / "inside"), "keep");
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST(SeriesSaveFails, IntoAReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ScratchFolder dir;
    const std::string old = handFile(series({{3, kOxygen}}));
    writeBytes(dir / "s.C01", old);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(verdict(saveSeriesFile(dir / "s.C01", series({{1, kWater}}))), kSeriesUnwritable);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(readBytes(dir / "s.C01"), old);
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST(SeriesSaveFails, HalfWayLeavesTheOldFileByteIdentical) {
    ScratchFolder dir;
    const std::string old = handFile(series({{3, kOxygen}})) + "tail of an older, longer file";
    writeBytes(dir / "s.C01", old);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 700;  // the temporary file stops in the middle of the records
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileDone r = saveSeriesFile(dir / "s.C01", series({{1, kWater}}));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(verdict(r), kSeriesUnwritable);
    EXPECT_EQ(readBytes(dir / "s.C01"), old);
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST(SeriesSaveFails, AnEntryTooLongForARecordTouchesNothing) {
    ScratchFolder dir;
    const std::string old = handFile(series({{3, kOxygen}}));
    writeBytes(dir / "s.C01", old);
    EXPECT_EQ(verdict(saveSeriesFile(dir / "s.C01", series({{1, std::string(127, '2')}}))), kSeriesUnwritable);
    EXPECT_EQ(readBytes(dir / "s.C01"), old);
}

TEST(SeriesSave, DropsTheTailOfAnOlderLongerFile) {
    ScratchFolder dir;
    writeBytes(dir / "s.C01", std::string(3000, 'x'));
    ASSERT_TRUE(saveSeriesFile(dir / "s.C01", series({{1, kWater}})));
    EXPECT_EQ(readBytes(dir / "s.C01"), handFile(series({{1, kWater}})));
}

// --- what the board receives

struct NormaliseCase {
    const char* name;
    std::string stored;
    std::string board;
};
class NormalisedEntry : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormalisedEntry, NeverAnImpossibleBoard) {
    const std::string board = normalisedSeriesEntry(GetParam().stored);
    EXPECT_EQ(board, GetParam().board);
    if (!board.empty()) {
        EXPECT_TRUE(Construction::parse(board));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NormalisedEntry,
    ::testing::Values(NormaliseCase{"empty", "", ""}, NormaliseCase{"blank", "  \t ", ""},
                      NormaliseCase{"valid_kept", kWater, kWater},
                      NormaliseCase{"short_padded_with_zeros", "534", "53422222222222222222222"},
                      NormaliseCase{"too_long_cut", kWater + "7777", kWater},
                      NormaliseCase{"cell_code_8", "82222222222222222222222", "22222222222222222222222"},
                      NormaliseCase{"bond_order_4", "33222222222226222222222", "33222222222222222222222"},
                      NormaliseCase{"letters", "3x22222222222322222222a", "32222222222223222222222"},
                      // A foreign accented letter damages its own position only.
                      NormaliseCase{"accented_letter", "3\xC3\xA9" "4222222222" "32222222222",
                                    "324222222222" "32222222222"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

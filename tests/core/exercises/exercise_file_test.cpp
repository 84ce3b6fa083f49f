// Exercise files: what the chooser reads from them, damaged files, and the writer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/exercise_file.hpp"
#include "core/files/record_file.hpp"
#include "support/hostile_paths.hpp"
#include "support/scratch_folder.hpp"
#include "support/verdict.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

// Records 1..n as the writer of another program would store them (no checks).
std::string fileOf(const std::vector<std::string>& records) { return encodeRecords(records).value(); }

std::vector<std::string> withRecord(std::size_t record, std::string text) {
    std::vector<std::string> records(kExerciseRecordCount);
    records[record - 1] = std::move(text);
    return records;
}

// --- what the chooser shows

struct CorrectedCase {
    const char* name;
    std::string correction;
    std::string correctionSeries;
    bool corrected;
};
class Corrected : public ::testing::TestWithParam<CorrectedCase> {};

TEST_P(Corrected, FromRecordsThreeAndFour) {
    auto records = withRecord(3, GetParam().correction);
    records[3] = GetParam().correctionSeries;
    const auto file = decodeExercise(fileOf(records));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->corrected(), GetParam().corrected);
    EXPECT_EQ(file->correctionLabel(), GetParam().corrected ? "Exercice corrigé" : "Non corrigé");
}

INSTANTIATE_TEST_SUITE_P(Records, Corrected,
                         ::testing::Values(CorrectedCase{"both_empty", "", "", false},
                                           CorrectedCase{"both_blank", "   ", "\t ", false},
                                           CorrectedCase{"text_only", "c.rtf", "", true},
                                           CorrectedCase{"series_only", "", "c.C01", true},
                                           CorrectedCase{"both", "c.rtf", "c.C01", true},
                                           CorrectedCase{"text_within_blanks", "  c.rtf ", "", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DifficultyCase {
    const char* name;
    std::string record;
    int lit;
};
class Difficulty : public ::testing::TestWithParam<DifficultyCase> {};

TEST_P(Difficulty, LitPictures) {
    const auto file = decodeExercise(fileOf(withRecord(5, GetParam().record)));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->difficulty(), GetParam().lit);
}

INSTANTIATE_TEST_SUITE_P(
    Record5, Difficulty,
    ::testing::Values(DifficultyCase{"zero", "0", 0}, DifficultyCase{"one", "1", 1}, DifficultyCase{"two", "2", 2},
                      DifficultyCase{"three", "3", 3}, DifficultyCase{"blanks_around", "  2 ", 2},
                      DifficultyCase{"plus_sign", "+1", 1}, DifficultyCase{"above_three_lights_all", "7", 3},
                      DifficultyCase{"huge_number", "99999999999999999999", 3},
                      DifficultyCase{"negative", "-2", 0}, DifficultyCase{"fraction_lights_next", "1.5", 2},
                      DifficultyCase{"zero_fraction", "2.0", 2}, DifficultyCase{"empty", "", 0},
                      DifficultyCase{"word", "facile", 0}, DifficultyCase{"number_then_word", "2 niveaux", 0},
                      DifficultyCase{"sign_alone", "-", 0}, DifficultyCase{"point_alone", ".", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct TopicsCase {
    const char* name;
    std::vector<std::string> topics;  // records 7..10
    std::string shown;
};
class Topics : public ::testing::TestWithParam<TopicsCase> {};

TEST_P(Topics, JoinedWithoutSeparatorBlankOnesSkipped) {
    std::vector<std::string> records(6);
    for (const auto& t : GetParam().topics) records.push_back(t);
    const auto file = decodeExercise(fileOf(records));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->topics(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Records7To10, Topics,
    ::testing::Values(TopicsCase{"none", {}, ""}, TopicsCase{"one", {"Liaison simple"}, "Liaison simple"},
                      TopicsCase{"four", {"a, ", "b, ", "c, ", "d"}, "a, b, c, d"},
                      TopicsCase{"blank_ones_skipped", {"a", "  ", "", "d"}, "ad"},
                      TopicsCase{"kept_as_written", {" octet ", "duet"}, " octet duet"},
                      TopicsCase{"accents", {"Géométrie ", "coudée"}, "Géométrie coudée"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    std::string record;
    std::string title;
};
class Title : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Title, Trimmed) {
    const auto file = decodeExercise(fileOf(withRecord(11, GetParam().record)));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->title(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Record11, Title,
                         ::testing::Values(TitleCase{"plain", "Le méthane", "Le méthane"},
                                           TitleCase{"blanks_around", "  Le méthane\t ", "Le méthane"},
                                           TitleCase{"inner_blanks_kept", "L'eau  et  l'ammoniac", "L'eau  et  l'ammoniac"},
                                           TitleCase{"blank", "   ", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- short, damaged and foreign files

struct BytesCase {
    const char* name;
    std::string bytes;
    bool readable;
};
class Damaged : public ::testing::TestWithParam<BytesCase> {};

TEST_P(Damaged, ReadOrRefused) {
    EXPECT_EQ(verdict(decodeExercise(GetParam().bytes)), GetParam().readable ? "" : kExerciseUnreadable);
}

std::string overLongRecord() {
    std::string record(128, 'x');
    record[0] = 127;
    record[1] = 0;
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Damaged,
    ::testing::Values(BytesCase{"empty_file", "", true},
                      BytesCase{"two_records_of_a_tour", fileOf({"t.rtf", "t.C01"}), true},
                      BytesCase{"last_record_unpadded", fileOf({"t.rtf"}).substr(0, 7), true},
                      BytesCase{"cut_inside_text", fileOf({"t.rtf"}).substr(0, 5), false},
                      BytesCase{"cut_inside_length", std::string(1, '\x05'), false},
                      BytesCase{"record_longer_than_126", overLongRecord(), false},
                      BytesCase{"over_long_title", fileOf(std::vector<std::string>(10)) + overLongRecord(), false},
                      // Record 12 and beyond are never read.
                      BytesCase{"damage_after_record_11", fileOf(std::vector<std::string>(11)) + overLongRecord(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseFile, RecordsPastTheEndReadEmpty) {
    const auto file = decodeExercise(fileOf({"tour.rtf", "tour.C01"}));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->statement(), "tour.rtf");
    EXPECT_EQ(file->statementSeries(), "tour.C01");
    for (std::size_t r = 2; r < file->records.size(); ++r) EXPECT_EQ(file->records[r], "") << "record " << r + 1;
    EXPECT_FALSE(file->corrected());
    EXPECT_EQ(file->difficulty(), 0);
    EXPECT_EQ(file->title(), "");
}

TEST(ExerciseFile, AccentsAreReadFromTheWindowsCodePage) {
    const auto file = decodeExercise(std::string("\x0a\x00\xc9nonc\xe9.rtf", 12));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->statement(), "Énoncé.rtf");
}

class ExerciseHostilePath : public HostilePathTest {};

TEST_P(ExerciseHostilePath, IsRefusedAtOnce) { EXPECT_EQ(verdict(loadExerciseFile(path())), kExerciseUnreadable); }

INSTANTIATE_TEST_SUITE_P(Paths, ExerciseHostilePath, ::testing::ValuesIn(kHostilePaths), hostileName);

// --- file names inside an exercise file

struct PathCase {
    const char* name;
    std::string record;
    std::string path;  // "" for none, else the file or the refusal
};
class NamedFile : public ::testing::TestWithParam<PathCase> {};

std::string resolved(const std::filesystem::path& directory, std::string_view record) {
    const auto path = exercisePath(directory, record);
    if (!path) return verdict(path);
    return *path ? (*path)->string() : "";
}

TEST_P(NamedFile, ResolvedInTheExerciseDirectory) { EXPECT_EQ(resolved("/data/tavir", GetParam().record), GetParam().path); }

INSTANTIATE_TEST_SUITE_P(
    Records, NamedFile,
    ::testing::Values(PathCase{"plain", "a.rtf", "/data/tavir/a.rtf"},
                      PathCase{"subfolder", "exercices/a.rtf", "/data/tavir/exercices/a.rtf"},
                      PathCase{"backslashes", "exercices\\01\\a.rtf", "/data/tavir/exercices/01/a.rtf"},
                      PathCase{"blanks_around", "  a.rtf ", "/data/tavir/a.rtf"},
                      PathCase{"leading_separator_stays_inside", "/etc/a.rtf", "/data/tavir/etc/a.rtf"},
                      PathCase{"blank", "  ", ""}, PathCase{"separators_only", "\\/", ""},
                      PathCase{"three_dots_is_a_name", ".../a.rtf", "/data/tavir/.../a.rtf"},
                      PathCase{"climbing_to_the_root", "../../../../etc/passwd",
                               "Fichier absent | Le fichier /data/tavir/../../../../etc/passwd est introuvable"},
                      PathCase{"climbing_with_backslashes", "..\\..\\secret.rtf",
                               "Fichier absent | Le fichier /data/tavir/../../secret.rtf est introuvable"},
                      PathCase{"climbing_back_inside", "a/../a.rtf",
                               "Fichier absent | Le fichier /data/tavir/a/../a.rtf est introuvable"},
                      PathCase{"nul_byte", std::string("a.rtf\0.txt", 10),
                               "Fichier absent | Le fichier /data/tavir/" + std::string("a.rtf\0.txt", 10) +
                                   " est introuvable"}),
    [](const auto& info) { return std::string(info.param.name); });

// A link inside the exercise folder may point anywhere: where it leads decides.
TEST(NamedFile, LinksMayNotLeadOut) {
    ScratchFolder outside;
    ScratchFolder folder;
    writeBytes(outside / "secret.rtf", "secret");
    std::filesystem::create_directory(folder / "textes");
    writeBytes(folder / "textes" / "a.rtf", "a");
    std::filesystem::create_symlink(outside / "secret.rtf", folder / "lien.rtf");
    std::filesystem::create_symlink(outside.path(), folder / "ailleurs");
    std::filesystem::create_symlink("textes/a.rtf", folder / "raccourci.rtf");
    const std::string absent = "Fichier absent | Le fichier " + folder.path().string();
    EXPECT_EQ(resolved(folder.path(), "lien.rtf"), absent + "/lien.rtf est introuvable");
    EXPECT_EQ(resolved(folder.path(), "ailleurs/secret.rtf"), absent + "/ailleurs/secret.rtf est introuvable");
    EXPECT_EQ(resolved(folder.path(), "raccourci.rtf"), (folder / "raccourci.rtf").string());
    EXPECT_EQ(resolved(folder.path(), "textes/a.rtf"), (folder / "textes" / "a.rtf").string());
}

// --- the writer

ExerciseDescription methane() {
    ExerciseDescription d;
    d.statement = "exercices/01/énoncé.rtf";
    d.statementSeries = "exercices/01/énoncé.C01";
    d.correction = "exercices/01/correction.rtf";
    d.correctionSeries = "exercices/01/correction.C01";
    d.difficulty = 2;
    d.topics = {"Règle de l'octet, ", "liaison simple, ", "géométrie"};
    d.title = "Le méthane";
    return d;
}

TEST(ExerciseWriter, RoundTripThroughTheFile) {
    ScratchFolder folder;
    const ExerciseDescription d = methane();
    ASSERT_TRUE(saveExerciseFile(folder / "01.E06", d));
    const auto file = loadExerciseFile(folder / "01.E06");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->statement(), d.statement);
    EXPECT_EQ(file->statementSeries(), d.statementSeries);
    EXPECT_EQ(file->correction(), d.correction);
    EXPECT_EQ(file->correctionSeries(), d.correctionSeries);
    EXPECT_TRUE(file->corrected());
    EXPECT_EQ(file->difficulty(), 2);
    EXPECT_EQ(file->topics(), "Règle de l'octet, liaison simple, géométrie");
    EXPECT_EQ(file->title(), "Le méthane");
    EXPECT_EQ(file->records[5], "");
}

TEST(ExerciseWriter, GuidedTourHoldsTwoRecords) {
    ExerciseDescription tour;
    tour.statement = "prise-en-main/enonce.rtf";
    tour.statementSeries = "prise-en-main/eau.C01";
    const auto bytes = encodeExercise(tour);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 2 * kRecordSize);
    const auto file = decodeExercise(*bytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->statementSeries(), tour.statementSeries);
    EXPECT_FALSE(file->corrected());
}

struct RefusedCase {
    const char* name;
    ExerciseDescription description;
    ExerciseCheckStatus status;
    int record;
};
class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, LeavesTheOldFileAlone) {
    ScratchFolder folder;
    ASSERT_TRUE(saveExerciseFile(folder / "x.E06", methane()));
    const std::string before = readBytes(folder / "x.E06");
    const ExerciseCheck check = checkExercise(GetParam().description);
    EXPECT_EQ(check.status, GetParam().status);
    EXPECT_EQ(check.record, GetParam().record);
    EXPECT_FALSE(check.message().empty());
    EXPECT_EQ(verdict(saveExerciseFile(folder / "x.E06", GetParam().description)),
              "Enregistrement impossible | " + check.message());
    EXPECT_FALSE(encodeExercise(GetParam().description));
    EXPECT_EQ(readBytes(folder / "x.E06"), before);
}

ExerciseDescription changed(void (*change)(ExerciseDescription&)) {
    ExerciseDescription d = methane();
    change(d);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, Refused,
    ::testing::Values(
        RefusedCase{"five_topics", changed([](ExerciseDescription& d) { d.topics.assign(5, "a"); }),
                    ExerciseCheckStatus::TooManyTopics, 0},
        RefusedCase{"difficulty_4", changed([](ExerciseDescription& d) { d.difficulty = 4; }),
                    ExerciseCheckStatus::BadDifficulty, 5},
        RefusedCase{"difficulty_negative", changed([](ExerciseDescription& d) { d.difficulty = -1; }),
                    ExerciseCheckStatus::BadDifficulty, 5},
        RefusedCase{"title_127_bytes", changed([](ExerciseDescription& d) { d.title.assign(127, 'a'); }),
                    ExerciseCheckStatus::RecordTooLong, 11},
        // 64 accented letters are 128 bytes of UTF-8 but 64 bytes of cp1252: accepted;
        // 127 of them are too many.
        RefusedCase{"accented_topic_127",
                    changed([](ExerciseDescription& d) {
                        d.topics[1].clear();
                        for (int i = 0; i < 127; ++i) d.topics[1] += "é";
                    }),
                    ExerciseCheckStatus::RecordTooLong, 8},
        RefusedCase{"arrow_in_statement", changed([](ExerciseDescription& d) { d.statement = "a\xE2\x86\x92" "b.rtf"; }),
                    ExerciseCheckStatus::UnwritableCharacter, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseWriter, LongestRecordsFit) {
    ExerciseDescription d = methane();
    d.title.assign(126, 'a');
    d.topics[0].clear();
    for (int i = 0; i < 126; ++i) d.topics[0] += "é";
    const auto bytes = encodeExercise(d);
    ASSERT_TRUE(bytes);
    const auto file = decodeExercise(*bytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->title(), d.title);
    EXPECT_EQ(file->records[6], d.topics[0]);
}

TEST(ExerciseWriter, UnwritableFolderIsReported) {
    ScratchFolder folder;
    EXPECT_EQ(verdict(saveExerciseFile(folder / "absent" / "x.E06", methane())),
              "Enregistrement impossible | Ecriture impossible sur disque");
}

}  // namespace
}  // namespace tavir

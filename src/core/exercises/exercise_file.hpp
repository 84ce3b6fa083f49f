#pragma once
// Exercise files (".E06") and the guided-tour file ("TAVIR.PEM"): 128-byte records (see
// files/record_file.hpp) holding, from record 1: the statement (an RTF file), its series,
// the correction, the correction's series, the difficulty 0..3, an unused record, four
// topics and the title. File names are relative to the folder of the exercise file.
// The guided-tour file uses records 1 and 2 only.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_result.hpp"

namespace tavir {

constexpr int kExerciseRecordCount = 11;
constexpr int kExerciseTopicCount = 4;
constexpr int kExerciseMaxDifficulty = 3;
// Only the first eleven records are ever read, so a huge file costs no more than a good one.
constexpr std::size_t kExerciseFileReadLimit = kExerciseRecordCount * 128;

// Records 1..11 of an exercise file, as texts (UTF-8), in file order.
struct ExerciseFile {
    std::array<std::string, kExerciseRecordCount> records;

    // The record texts as stored (blanks kept): file names are resolved by exercisePath.
    const std::string& statement() const { return records[0]; }
    const std::string& statementSeries() const { return records[1]; }
    const std::string& correction() const { return records[2]; }
    const std::string& correctionSeries() const { return records[3]; }

    // What the chooser shows.
    // "Exercice corrigé" when record 3 or 4 is not blank.
    bool corrected() const;
    // The number of lit difficulty pictures: record 5 read as a number d, picture k (0..2)
    // lit when d > k; a record that is not a number reads 0.
    int difficulty() const;
    // Records 7..10, the blank ones skipped, joined without separator.
    std::string topics() const;
    // Record 11 without surrounding blanks.
    std::string title() const;
    // "Exercice corrigé" or "Non corrigé".
    std::string_view correctionLabel() const;
};

// True when the text is empty or holds only blanks (spaces, tabs).
bool isBlankRecord(std::string_view text);

// The whole decision on a file held in memory: refused when a record among 1..11 is longer
// than 126 or cut short by the end of the file. A record past the end reads empty.
// A refusal is the chooser's "Lecture impossible" box: "Vérifier\u00a0:", "- le nom du fichier,",
// "- l'état du lecteur.", one per line.
FileResult<ExerciseFile> decodeExercise(std::string_view bytes);
// Reads the file and decodes it; a file that cannot be read (missing, not a regular file,
// a read error) is refused the same way.
FileResult<ExerciseFile> loadExerciseFile(const std::filesystem::path& path);

// A file named by a record, in the exercise directory: blanks around the name are dropped,
// "\" (as written on other systems) counts as a separator, and a leading separator does
// not lead out of the directory. Nothing for a blank record. A name that could lead out of
// the directory (a ".." part, a NUL byte, or a symbolic link on the way that leads
// elsewhere) is refused as missing: "Fichier absent", "Le fichier " + path + " est
// introuvable".
FileResult<std::optional<std::filesystem::path>> exercisePath(const std::filesystem::path& directory,
                                                               std::string_view record);
// The "Fichier absent" refusal for a file named by an exercise.
FileFailure missingFile(const std::filesystem::path& path);

// What the companion and the build write.
struct ExerciseDescription {
    std::string statement;
    std::string statementSeries;
    std::string correction;
    std::string correctionSeries;
    std::optional<int> difficulty;   // nothing leaves record 5 empty (the guided tour)
    std::vector<std::string> topics; // at most four
    std::string title;
};

enum class ExerciseCheckStatus {
    Ok,
    TooManyTopics,       // more than four topics
    BadDifficulty,       // outside 0..3
    RecordTooLong,       // a text needs more than 126 bytes in cp1252
    UnwritableCharacter, // a character the Windows code page cannot hold
};

struct ExerciseCheck {
    ExerciseCheckStatus status = ExerciseCheckStatus::Ok;
    int record = 0;  // the offending record (1..11) for RecordTooLong, UnwritableCharacter

    bool ok() const { return status == ExerciseCheckStatus::Ok; }
    // A French message for the teacher; empty when ok.
    std::string message() const;
};

// Records 1..11 of a description; the trailing empty ones are left out, so that a guided
// tour gives records 1 and 2 only.
std::vector<std::string> exerciseRecords(const ExerciseDescription& description);
// Checks the description; status Ok when encodeExercise will succeed.
ExerciseCheck checkExercise(const ExerciseDescription& description);
// The file's bytes, or nothing when checkExercise refuses the description.
std::optional<std::string> encodeExercise(const ExerciseDescription& description);
// Checks, then writes the file atomically. Refused, under the title "Enregistrement
// impossible", with checkExercise's message or "Ecriture impossible sur disque".
FileDone saveExerciseFile(const std::filesystem::path& path, const ExerciseDescription& description);

}  // namespace tavir

#include "core/exercises/exercise_file.hpp"

#include <algorithm>

#include "core/exercises/texts.hpp"
#include "core/files/file_io.hpp"
#include "core/files/record_file.hpp"
#include "core/files/texts.hpp"

namespace tavir {

namespace {

constexpr std::size_t kCorrectionRecord = 2;
constexpr std::size_t kCorrectionSeriesRecord = 3;
constexpr std::size_t kDifficultyRecord = 4;
constexpr std::size_t kFirstTopicRecord = 6;
constexpr std::size_t kTitleRecord = 10;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string readFailureText() {
    std::string text(exercise_texts::kReadFailureLine1);
    text += '\n';
    text += exercise_texts::kReadFailureLine2;
    text += '\n';
    text += exercise_texts::kReadFailureLine3;
    return text;
}

// Record 5 as the number of lit pictures: d > k for k = 0, 1, 2 is min(3, ceil(d)) for a
// number d >= 0. Only a whole number text counts ("2", " 3 ", "1.5"); anything else is 0.
int litPictures(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int whole = 0;
    bool digits = false;
    bool fraction = false;
    std::size_t i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits = true;
        // Capped: any value above the last picture lights them all.
        whole = std::min(whole * 10 + (text[i] - '0'), 100);
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits = true;
            if (text[i] != '0') fraction = true;
        }
    }
    if (!digits || i != text.size() || negative) return 0;
    return std::min(whole + (fraction ? 1 : 0), kExerciseMaxDifficulty);
}

FileFailure unreadable() {
    return {std::string(exercise_texts::kReadFailureTitle), readFailureText(), {}};
}

// Where the name leads once the links on the way are followed: a link inside the exercise
// folder may point anywhere.
bool staysInside(const std::filesystem::path& directory, const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path root = std::filesystem::weakly_canonical(directory, error);
    if (error) return false;
    const std::filesystem::path where = std::filesystem::weakly_canonical(path, error);
    if (error) return false;
    const std::filesystem::path inside = where.lexically_relative(root);
    return !inside.empty() && *inside.begin() != ".." && inside != ".";
}

}  // namespace

bool isBlankRecord(std::string_view text) { return trimmed(text).empty(); }

bool ExerciseFile::corrected() const {
    return !isBlankRecord(records[kCorrectionRecord]) || !isBlankRecord(records[kCorrectionSeriesRecord]);
}

int ExerciseFile::difficulty() const { return litPictures(records[kDifficultyRecord]); }

std::string ExerciseFile::topics() const {
    std::string out;
    for (std::size_t r = kFirstTopicRecord; r < kFirstTopicRecord + kExerciseTopicCount; ++r) {
        if (!isBlankRecord(records[r])) out += records[r];
    }
    return out;
}

std::string ExerciseFile::title() const { return std::string(trimmed(records[kTitleRecord])); }

std::string_view ExerciseFile::correctionLabel() const {
    return corrected() ? exercise_texts::kCorrected : exercise_texts::kNotCorrected;
}

FileResult<ExerciseFile> decodeExercise(std::string_view bytes) {
    ExerciseFile file;
    for (int r = 1; r <= kExerciseRecordCount; ++r) {
        RecordRead read = readRecord(bytes, r);
        // A record past the end is an empty text; one that is too long or cut short is damage.
        if (read.status == RecordStatus::TooLong || read.status == RecordStatus::CutShort) return unreadable();
        file.records[static_cast<std::size_t>(r - 1)] = std::move(read.text);
    }
    return file;
}

FileResult<ExerciseFile> loadExerciseFile(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path, kExerciseFileReadLimit);
    if (!bytes) return bytes.failedAs<ExerciseFile>(exercise_texts::kReadFailureTitle, readFailureText());
    return decodeExercise(*bytes);
}

FileFailure missingFile(const std::filesystem::path& path) {
    std::string text(exercise_texts::kMissingFileBefore);
    text += path.string();
    text += exercise_texts::kMissingFileAfter;
    return {std::string(exercise_texts::kMissingFileTitle), std::move(text), {}};
}

FileResult<std::optional<std::filesystem::path>> exercisePath(const std::filesystem::path& directory,
                                                               std::string_view record) {
    std::string name(trimmed(record));
    std::replace(name.begin(), name.end(), '\\', '/');
    // The record is appended to the directory, as text: a leading "/" stays inside it.
    const auto first = name.find_first_not_of('/');
    if (first == std::string::npos) return std::optional<std::filesystem::path>();
    const std::filesystem::path relative = name.substr(first);
    const std::filesystem::path path = directory / relative;
    const bool climbs = std::any_of(relative.begin(), relative.end(), [](const auto& part) { return part == ".."; });
    if (climbs || name.find('\0') != std::string::npos || !staysInside(directory, path)) return missingFile(path);
    return std::optional<std::filesystem::path>(path);
}

std::vector<std::string> exerciseRecords(const ExerciseDescription& d) {
    std::vector<std::string> records(kExerciseRecordCount);
    records[0] = d.statement;
    records[1] = d.statementSeries;
    records[2] = d.correction;
    records[3] = d.correctionSeries;
    if (d.difficulty) records[kDifficultyRecord] = std::to_string(*d.difficulty);
    for (std::size_t k = 0; k < d.topics.size() && k < kExerciseTopicCount; ++k) records[kFirstTopicRecord + k] = d.topics[k];
    records[kTitleRecord] = d.title;
    while (records.size() > 1 && records.back().empty()) records.pop_back();
    return records;
}

ExerciseCheck checkExercise(const ExerciseDescription& d) {
    if (d.topics.size() > static_cast<std::size_t>(kExerciseTopicCount)) return {ExerciseCheckStatus::TooManyTopics, 0};
    if (d.difficulty && (*d.difficulty < 0 || *d.difficulty > kExerciseMaxDifficulty))
        return {ExerciseCheckStatus::BadDifficulty, static_cast<int>(kDifficultyRecord + 1)};
    const auto records = exerciseRecords(d);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::string bytes = utf8ToCp1252(records[r]);
        // A '?' that was not in the text stands for a character cp1252 cannot hold.
        if (cp1252ToUtf8(bytes) != records[r]) return {ExerciseCheckStatus::UnwritableCharacter, static_cast<int>(r + 1)};
        if (bytes.size() > kRecordTextMax) return {ExerciseCheckStatus::RecordTooLong, static_cast<int>(r + 1)};
    }
    return {};
}

std::optional<std::string> encodeExercise(const ExerciseDescription& description) {
    if (!checkExercise(description).ok()) return std::nullopt;
    return encodeRecords(exerciseRecords(description));
}

FileDone saveExerciseFile(const std::filesystem::path& path, const ExerciseDescription& description) {
    const ExerciseCheck check = checkExercise(description);
    if (!check.ok()) return FileFailure{std::string(files_texts::kSaveFailureTitle), check.message(), {}};
    const auto bytes = encodeRecords(exerciseRecords(description));
    if (!bytes) return FileFailure{std::string(files_texts::kSaveFailureTitle), check.message(), {}};
    const FileDone written = writeFileAtomically(path, *bytes);
    if (!written)
        return FileFailure{std::string(files_texts::kSaveFailureTitle), std::string(exercise_texts::kWriteFailure),
                           written.failure().detail};
    return {};
}

std::string ExerciseCheck::message() const {
    const std::string where = " (enregistrement " + std::to_string(record) + ")";
    switch (status) {
        case ExerciseCheckStatus::Ok: return {};
        case ExerciseCheckStatus::TooManyTopics: return "Quatre notions au plus";
        case ExerciseCheckStatus::BadDifficulty: return "Le niveau de difficulté va de 0 à 3";
        case ExerciseCheckStatus::RecordTooLong: return "Texte trop long\u00a0: 126 caractères au plus" + where;
        case ExerciseCheckStatus::UnwritableCharacter:
            break;
    }
    return "Caractère impossible à enregistrer dans un fichier d'exercice" + where;
}

}  // namespace tavir

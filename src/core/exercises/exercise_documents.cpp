#include "core/exercises/exercise_documents.hpp"

#include "core/exercises/exercise_file.hpp"
#include "core/exercises/texts.hpp"
#include "core/richtext/rtf_file.hpp"

namespace tavir {

namespace {
// "Fichier absent" only for a file that is not there: one that is there and cannot be read
// (a FIFO, a folder, a picture) keeps its loader's own message and reason.
bool isMissing(const std::filesystem::path& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error);
}
}  // namespace

FileResult<RtfReadResult> loadNamedText(const std::filesystem::path& directory, std::string_view record) {
    const auto path = exercisePath(directory, record);
    if (!path) return path.failure();
    if (!*path) return missingFile(directory / "");
    auto text = loadRtfFile(**path);
    if (!text && isMissing(**path)) return missingFile(**path);
    return text;
}

FileResult<std::optional<NamedSeries>> loadNamedSeries(const std::filesystem::path& directory,
                                                      std::string_view record) {
    const auto path = exercisePath(directory, record);
    if (!path) return path.failure();
    if (!*path) return std::optional<NamedSeries>{};
    auto entries = loadSeriesFile(**path);
    if (!entries && isMissing(**path)) return missingFile(**path);
    if (!entries) return entries.failure();
    return std::optional<NamedSeries>{NamedSeries{**path, std::move(*entries)}};
}

FileResult<GuidedTour> loadGuidedTour(const std::filesystem::path& tourFile, const std::filesystem::path& directory) {
    const FileFailure broken{std::string(exercise_texts::kTourFailureTitle), std::string(exercise_texts::kTourFailure), {}};
    const auto file = loadExerciseFile(tourFile);
    if (!file) return broken;
    auto statement = loadNamedText(directory, file->statement());
    auto series = loadNamedSeries(directory, file->statementSeries());
    if (!statement || !series) return broken;
    return GuidedTour{std::move(*statement), std::move(*series)};
}

}  // namespace tavir

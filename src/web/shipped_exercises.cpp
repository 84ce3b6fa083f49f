#include "web/shipped_exercises.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/exercises/exercise_documents.hpp"
#include "core/exercises/exercise_file.hpp"
#include "core/exercises/texts.hpp"
#include "core/richtext/rich_text_html.hpp"
#include "core/richtext/texts.hpp"
#include "core/series/series_file.hpp"
#include "core/session/workspace.hpp"
#include "core/text/json.hpp"

namespace tavir::web {

namespace {

const std::filesystem::path kFolder = "/tavir/";

const char* boolean(bool b) { return b ? "true" : "false"; }

// The text as the area shows it, or why it cannot be shown.
FileResult<std::string> shownHtml(RtfReadResult& text) {
    if (textBytes(text.document) > kMaxShownTextBytes)
        return FileFailure{std::string(richtext_texts::kTooLongTitle), std::string(richtext_texts::kTooLong), {}};
    breakLongWords(text.document);
    return richTextHtml(text.document);
}

void showSeries(Workspace& workspace, const std::optional<NamedSeries>& series) {
    if (!series) return;
    workspace.setSeriesFileName(series->path.filename().string());
    workspace.loadSeries(normalisedSeries(series->entries));
}

std::string shownJson(const std::string& html) { return "{\"ok\":true,\"html\":" + jsonString(html) + "}"; }

}  // namespace

std::string failureJson(const FileFailure& f) {
    return "{\"ok\":false,\"title\":" + jsonString(f.title) + ",\"message\":" + jsonString(f.message) + "}";
}

void installContent(const std::string& relativePath, const std::string& bytes) {
    const std::filesystem::path path = kFolder / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string exerciseList() {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder, error))
        if (entry.path().extension() == exercise_texts::kExtension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string out = "[";
    for (const auto& path : files) {
        const auto file = loadExerciseFile(path);
        if (!file) continue;
        const ExerciseHeader h = exerciseHeader(*file);
        out += (out.size() > 1 ? "," : "") + std::string("{\"file\":") + jsonString(path.filename().string()) +
               ",\"title\":" + jsonString(h.title) + ",\"topics\":" + jsonString(h.topics) + ",\"lit\":[" +
               boolean(h.difficultyLit[0]) + "," + boolean(h.difficultyLit[1]) + "," + boolean(h.difficultyLit[2]) +
               "],\"correction\":" + jsonString(h.correctionLabel) + "}";
    }
    return out + "]";
}

std::string exerciseDiscardQuestion(const Workspace& workspace) {
    const auto question = workspace.exercises().discardQuestion();
    if (!question) return "null";
    return "{\"title\":" + jsonString(question->title) + ",\"text\":" + jsonString(question->text) + "}";
}

// As the desktop: the exercise file, its statement and its series are all read before
// anything is shown, so a missing file leaves the area and the board as they were.
std::string openExercise(Workspace& workspace, const std::string& fileName) {
    const std::filesystem::path path = kFolder / std::filesystem::path(fileName).filename();
    const auto file = loadExerciseFile(path);
    if (!file) return failureJson(file.failure());
    const std::string directory = kFolder.string();
    auto statement = loadNamedText(directory, file->statement());
    if (!statement) return failureJson(statement.failure());
    const auto series = loadNamedSeries(directory, file->statementSeries());
    if (!series) return failureJson(series.failure());
    const auto html = shownHtml(*statement);
    if (!html) return failureJson(html.failure());
    workspace.exercises().showExercise(path.string(), directory, file->corrected(), directory + file->statement(),
                                       std::move(statement->dropped));
    showSeries(workspace, *series);
    return shownJson(*html);
}

std::string openCorrection(Workspace& workspace) {
    ExerciseSession& session = workspace.exercises();
    const auto file = loadExerciseFile(session.exerciseFile());
    if (!file) return failureJson(file.failure());
    std::optional<RtfReadResult> correction;
    if (!isBlankRecord(file->correction())) {
        auto text = loadNamedText(session.directory(), file->correction());
        if (!text) return failureJson(text.failure());
        correction = std::move(*text);
    }
    const auto series = loadNamedSeries(session.directory(), file->correctionSeries());
    if (!series) return failureJson(series.failure());
    std::string html;
    if (correction) {
        auto shown = shownHtml(*correction);
        if (!shown) return failureJson(shown.failure());
        html = std::move(*shown);
        session.showCorrection(session.directory() + file->correction(), std::move(correction->dropped));
    } else {
        session.showCorrection({}, {});
    }
    showSeries(workspace, *series);
    // Without a correction text the statement stays: null tells the page to keep it.
    return correction ? shownJson(html) : std::string("{\"ok\":true,\"html\":null}");
}

std::string openGuidedTour(Workspace& workspace) {
    const std::filesystem::path tour = kFolder / exercise_texts::kGuidedTourFile;
    auto guided = loadGuidedTour(tour, kFolder);
    if (!guided) return failureJson(guided.failure());
    const auto html = shownHtml(guided->statement);
    if (!html) return failureJson(html.failure());
    workspace.exercises().showGuidedTour(tour.string(), kFolder.string(), std::move(guided->statement.dropped));
    showSeries(workspace, guided->series);
    return shownJson(*html);
}

std::string exerciseState(const Workspace& workspace) {
    const ExerciseSession& s = workspace.exercises();
    return std::string("{\"shown\":") + std::to_string(static_cast<int>(s.shown())) +
           ",\"correction\":" + boolean(s.correctionAvailable()) + ",\"canClose\":" + boolean(s.canClose()) +
           ",\"editable\":" + boolean(s.editable()) + ",\"file\":" + jsonString(s.exerciseFile()) + "}";
}

}  // namespace tavir::web

#include "web/shipped_exercises.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/exercises/exercise_documents.hpp"
#include "core/exercises/exercise_file.hpp"
#include "core/exercises/texts.hpp"
#include "core/richtext/rich_text_html.hpp"
#include "core/richtext/shown_limits.hpp"
#include "core/richtext/shown_text.hpp"
#include "core/richtext/texts.hpp"
#include "core/series/series_file.hpp"
#include "core/session/workspace.hpp"
#include "core/text/json.hpp"

namespace tavir::web {

namespace {

const std::filesystem::path kFolder = "/tavir/";

const char* boolean(bool b) { return b ? "true" : "false"; }

// A relative path that stays inside the folder: no root, no "..", no empty name.
bool staysInside(const std::filesystem::path& relative) {
    if (relative.empty() || relative.has_root_path()) return false;
    for (const auto& part : relative)
        if (part == ".." || part == ".") return false;
    return relative.has_filename();
}

// The folder of a teacher's files is the page's own business: messages name the file alone.
FileFailure withoutFolder(FileFailure failure, const std::string& directory) {
    if (directory == kFolder.string()) return failure;
    for (std::size_t at; (at = failure.message.find(directory)) != std::string::npos;) failure.message.erase(at, directory.size());
    return failure;
}

std::string failureIn(const FileFailure& failure, const std::string& directory) {
    return failureJson(withoutFolder(failure, directory));
}

void showSeries(Workspace& workspace, const std::optional<NamedSeries>& series) {
    if (!series) return;
    workspace.setSeriesFileName(series->path.filename().string());
    workspace.loadSeries(normalisedSeries(series->entries));
}

std::string shownJson(const std::string& html) { return "{\"ok\":true,\"html\":" + jsonString(html) + "}"; }

}  // namespace

FileResult<std::string> shownHtml(RtfReadResult& text, std::vector<Picture>& pictures) {
    if (auto refusal = shownTextRefusal(text.excess)) return *refusal;
    breakLongWords(text.document);
    std::string html = richTextHtml(text.document);
    pictures = picturesOf(text.document);
    return html;
}

std::string failureJson(const FileFailure& f) {
    return "{\"ok\":false,\"title\":" + jsonString(f.title) + ",\"message\":" + jsonString(f.message) + "}";
}

bool installContent(const std::string& relativePath, const std::string& bytes) {
    if (!staysInside(relativePath)) return false;
    const std::filesystem::path path = kFolder / relativePath;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string exerciseList(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    if (!folder.empty() && !staysInside(folder)) return "[]";
    for (const auto& entry : std::filesystem::directory_iterator(kFolder / folder, error))
        if (entry.path().extension() == exercise_texts::kExtension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string out = "[";
    for (const auto& path : files) {
        const auto file = loadExerciseFile(path);
        if (!file) continue;
        const ExerciseHeader h = exerciseHeader(*file);
        const std::string relative = (std::filesystem::path(folder) / path.filename()).string();
        out += (out.size() > 1 ? "," : "") + std::string("{\"file\":") + jsonString(relative) +
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
std::string openExercise(Workspace& workspace, const std::string& relativeFile, std::vector<Picture>& pictures) {
    // A name that would leave the folder is looked for as a plain name in it.
    const std::filesystem::path path =
        kFolder / (staysInside(relativeFile) ? std::filesystem::path(relativeFile) : std::filesystem::path(relativeFile).filename());
    const std::string directory = path.parent_path().string() + "/";
    const auto file = loadExerciseFile(path);
    if (!file) return failureIn(file.failure(), directory);
    auto statement = loadNamedText(directory, file->statement());
    if (!statement) return failureIn(statement.failure(), directory);
    const auto series = loadNamedSeries(directory, file->statementSeries());
    if (!series) return failureIn(series.failure(), directory);
    const auto html = shownHtml(*statement, pictures);
    if (!html) return failureJson(html.failure());
    workspace.exercises().showExercise(path.string(), directory, file->corrected(), directory + file->statement(),
                                       std::move(statement->dropped));
    showSeries(workspace, *series);
    return shownJson(*html);
}

std::string openCorrection(Workspace& workspace, std::vector<Picture>& pictures) {
    ExerciseSession& session = workspace.exercises();
    const std::string directory = session.directory();
    const auto file = loadExerciseFile(session.correctedExercise());
    if (!file) return failureIn(file.failure(), directory);
    std::optional<RtfReadResult> correction;
    if (!isBlankRecord(file->correction())) {
        auto text = loadNamedText(session.directory(), file->correction());
        if (!text) return failureIn(text.failure(), directory);
        correction = std::move(*text);
    }
    const auto series = loadNamedSeries(session.directory(), file->correctionSeries());
    if (!series) return failureIn(series.failure(), directory);
    std::string html;
    if (correction) {
        auto shown = shownHtml(*correction, pictures);
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

std::string openGuidedTour(Workspace& workspace, std::vector<Picture>& pictures) {
    const std::filesystem::path tour = kFolder / exercise_texts::kGuidedTourFile;
    auto guided = loadGuidedTour(tour, kFolder);
    if (!guided) return failureJson(guided.failure());
    const auto html = shownHtml(guided->statement, pictures);
    if (!html) return failureJson(html.failure());
    workspace.exercises().showGuidedTour(tour.string(), kFolder.string(), std::move(guided->statement.dropped));
    showSeries(workspace, guided->series);
    return shownJson(*html);
}

bool bringsSeries(const Workspace& workspace, const std::string& kind, const std::string& relativeFile) {
    if (kind == "tour") {
        const auto tour = loadExerciseFile(kFolder / exercise_texts::kGuidedTourFile);
        return tour && !isBlankRecord(tour->statementSeries());
    }
    if (kind == "correction") {
        const auto file = loadExerciseFile(workspace.exercises().correctedExercise());
        return file && !isBlankRecord(file->correctionSeries());
    }
    const auto file = loadExerciseFile(kFolder / (staysInside(relativeFile) ? std::filesystem::path(relativeFile)
                                                                           : std::filesystem::path(relativeFile).filename()));
    return file && !isBlankRecord(file->statementSeries());
}

std::string exerciseState(const Workspace& workspace) {
    const ExerciseSession& s = workspace.exercises();
    return std::string("{\"shown\":") + std::to_string(static_cast<int>(s.shown())) +
           ",\"correction\":" + boolean(s.correctionAvailable()) + ",\"canClose\":" + boolean(s.canClose()) +
           ",\"editable\":" + boolean(s.editable()) + ",\"file\":" + jsonString(s.exerciseFile()) + "}";
}

}  // namespace tavir::web

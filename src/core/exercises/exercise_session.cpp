#include "core/exercises/exercise_session.hpp"

#include "core/board/texts.hpp"
#include "core/exercises/texts.hpp"
#include "core/richtext/dropped_content.hpp"
#include "core/session/workspace.hpp"

namespace tavir {

void ExerciseSession::textEdited() {
    if (!exerciseFile_.empty()) textModified_ = true;
}

std::optional<Question> ExerciseSession::discardQuestion() const {
    if (!textModified_) return std::nullopt;
    return Question{board_texts::kDiscardTitle, board_texts::kDiscardText};
}

std::string ExerciseSession::droppedContentQuestion() const { return tavir::droppedContentQuestion(dropped_); }

void ExerciseSession::showGuidedTour(const std::string& tourFile, const std::string& directory,
                                     std::vector<DroppedContent> dropped) {
    shown_ = Shown::GuidedTour;
    exerciseFile_ = tourFile;
    directory_ = directory;
    correctionAvailable_ = false;
    correctedExercise_.clear();
    textModified_ = false;
    source_.clear();
    dropped_ = std::move(dropped);
}

void ExerciseSession::showExercise(const std::string& exerciseFile, const std::string& directory, bool corrected,
                                   const std::string& source, std::vector<DroppedContent> dropped) {
    shown_ = Shown::Exercise;
    exerciseFile_ = exerciseFile;
    directory_ = directory;
    correctionAvailable_ = corrected;
    correctedExercise_ = corrected ? exerciseFile : std::string();
    textModified_ = false;
    source_ = source;
    dropped_ = std::move(dropped);
}

void ExerciseSession::showCorrection(const std::string& source, std::vector<DroppedContent> dropped) {
    textModified_ = false;
    if (shown_ == Shown::PupilText) {
        shown_ = Shown::Exercise;
        exerciseFile_ = correctedExercise_;
    }
    if (source.empty()) return;  // an exercise without a correction text keeps its statement
    source_ = source;
    dropped_ = std::move(dropped);
}

void ExerciseSession::showPupilText(const std::string& path, std::vector<DroppedContent> dropped) {
    shown_ = Shown::PupilText;
    exerciseFile_ = std::string(exercise_texts::kFreeTextPrefix) + path;
    textModified_ = false;
    source_ = path;
    dropped_ = std::move(dropped);
}

void ExerciseSession::closeText() {
    shown_ = Shown::Introduction;
    exerciseFile_.clear();
    correctionAvailable_ = false;
    correctedExercise_.clear();
    textModified_ = false;
    source_.clear();
    dropped_.clear();
}

void ExerciseSession::saved(bool overItsOwnFile) {
    if (overItsOwnFile) dropped_.clear();
    textModified_ = false;
}

ExerciseHeader exerciseHeader(const ExerciseFile& file) {
    ExerciseHeader h;
    h.title = file.title();
    h.topics = file.topics();
    const int d = file.difficulty();
    for (int k = 0; k < 3; ++k) h.difficultyLit[static_cast<std::size_t>(k)] = d > k;
    h.correctionLabel = std::string(file.correctionLabel());
    return h;
}

}  // namespace tavir

// The exercise area's state for every front end: which text is shown and where it came from,
// whether the pupil changed it, whether its correction can be shown, what closing or replacing
// it asks, and what the exercise chooser shows of a file.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/exercises/exercise_file.hpp"
#include "core/richtext/rtf_reader.hpp"

namespace tavir {

struct Question;

class ExerciseSession {
public:
    enum class Shown { Introduction, GuidedTour, Exercise, PupilText };

    Shown shown() const { return shown_; }
    // `fich`: the exercise or guided-tour file, "Texte\u00a0: " and the path of a pupil's text, ""
    // while the introduction shows.
    const std::string& exerciseFile() const { return exerciseFile_; }
    // The folder the shown exercise's files are named from (ending in '/'), "" for none.
    const std::string& directory() const { return directory_; }
    bool correctionAvailable() const { return correctionAvailable_; }
    // The exercise whose correction "Voir la correction" shows: the open one, still after a
    // pupil's text replaced its statement (the pupil's saved answers beside the correction).
    const std::string& correctedExercise() const { return correctedExercise_; }
    // "Fermer" of the exercise menu: only while something else than the introduction shows.
    bool canClose() const { return shown_ != Shown::Introduction; }
    // The introduction is read only; everything else the pupil may type in.
    bool editable() const { return shown_ != Shown::Introduction; }

    // The pupil typed: it counts once a file's text is shown.
    void textEdited();
    bool textModified() const { return textModified_; }
    void setTextModified(bool modified) { textModified_ = modified; }

    // Asked before the shown text is replaced or closed; nothing when it is unchanged.
    std::optional<Question> discardQuestion() const;
    // Asked before a save that would lose what the area could not show; "" when nothing.
    std::string droppedContentQuestion() const;

    // What was shown, once its files were read whole. source: the file the text came from.
    void showGuidedTour(const std::string& tourFile, const std::string& directory, std::vector<DroppedContent> dropped);
    void showExercise(const std::string& exerciseFile, const std::string& directory, bool corrected,
                      const std::string& source, std::vector<DroppedContent> dropped);
    // The correction replaces the statement, or a pupil's text shown since: the exercise is
    // the open one again.
    void showCorrection(const std::string& source, std::vector<DroppedContent> dropped);
    void showPupilText(const std::string& path, std::vector<DroppedContent> dropped);
    void closeText();
    // The file the shown text came from, "" for the introduction and the guided tour.
    const std::string& source() const { return source_; }
    // Saved; written over its own file, what the area could not show is gone from there too.
    void saved(bool overItsOwnFile);

private:
    Shown shown_ = Shown::Introduction;
    std::string exerciseFile_;
    std::string directory_;
    bool correctionAvailable_ = false;
    std::string correctedExercise_;
    bool textModified_ = false;
    std::string source_;
    std::vector<DroppedContent> dropped_;
};

// What the exercise chooser shows of a chosen file.
struct ExerciseHeader {
    std::string title;
    std::string topics;
    std::array<bool, 3> difficultyLit{};
    std::string correctionLabel;
};
ExerciseHeader exerciseHeader(const ExerciseFile& file);

}  // namespace tavir

#pragma once
// The exercises and the guided tour the page carries, opened as the desktop's exercise area
// opens them: the page writes the shipped folder into its memory file system once, and the
// core reads it with the desktop's own functions. Every answer is JSON.
#include <string>

#include "core/files/file_result.hpp"

namespace tavir {
class Workspace;
}

namespace tavir::web {

std::string failureJson(const FileFailure& failure);

// One file of the shipped folder (an exercise, a statement, a series, the tour).
void installContent(const std::string& relativePath, const std::string& bytes);
// The chooser's list: each exercise file's name and header, in file order.
std::string exerciseList();
// What replacing the shown text asks first: {"title","text"}, or null.
std::string exerciseDiscardQuestion(const Workspace& workspace);
// Each shows its text ({"ok":true,"html":...}) and loads its series; or the desktop's refusal,
// with nothing changed.
std::string openExercise(Workspace& workspace, const std::string& fileName);
std::string openCorrection(Workspace& workspace);
std::string openGuidedTour(Workspace& workspace);
// What the exercise menu and the area show of the session.
std::string exerciseState(const Workspace& workspace);

}  // namespace tavir::web

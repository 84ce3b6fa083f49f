#pragma once
// The exercises and the guided tour the page carries, and those a teacher gives it, opened as
// the desktop's exercise area opens them: the page writes the shipped folder into its memory
// file system once, a teacher's files into a folder of their own inside it, and the core
// reads them with the desktop's own functions. Every answer is JSON; every text shown hands
// back its pictures, which a save of the area writes with their own bytes.
#include <string>
#include <vector>

#include "core/files/file_result.hpp"
#include "core/richtext/rtf_reader.hpp"

namespace tavir {
class Workspace;
}

namespace tavir::web {

std::string failureJson(const FileFailure& failure);

// The text as the area shows it, with its pictures in the HTML's order; or why it cannot be shown.
FileResult<std::string> shownHtml(RtfReadResult& text, std::vector<Picture>& pictures);

// One file (an exercise, a statement, a series, the tour) by its path inside the folder;
// false for a path that would leave it, or a failed write.
bool installContent(const std::string& relativePath, const std::string& bytes);
// The chooser's list of a folder ("" for the shipped one): each exercise file's path and
// header, in file order.
std::string exerciseList(const std::string& folder);
// What replacing the shown text asks first: {"title","text"}, or null.
std::string exerciseDiscardQuestion(const Workspace& workspace);
// Each shows its text ({"ok":true,"html":...}) and loads its series; or the desktop's refusal,
// with nothing changed.
std::string openExercise(Workspace& workspace, const std::string& relativeFile, std::vector<Picture>& pictures);
std::string openCorrection(Workspace& workspace, std::vector<Picture>& pictures);
std::string openGuidedTour(Workspace& workspace, std::vector<Picture>& pictures);
// Whether the exercise (its path inside the folder), its correction or the guided tour names
// a series, which opening it would put on the board.
bool bringsSeries(const Workspace& workspace, const std::string& kind, const std::string& relativeFile);
// What the exercise menu and the area show of the session.
std::string exerciseState(const Workspace& workspace);

}  // namespace tavir::web

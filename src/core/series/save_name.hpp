#pragma once
// The name rules of the save dialog's "ENREGISTRER": from the name box and the folder the
// directory list shows to the full path of the series file.
#include <optional>
#include <string>
#include <string_view>

namespace tavir {

struct SaveName {
    std::optional<std::string> path;  // the series file to write, ending in ".C01"
    // When refused: the French message box (the dialog stays open).
    std::string_view message;
    std::string_view title;

    bool ok() const { return path.has_value(); }
};

// nameBox: the text of `Text1`; directory: the directory list's path.
// The name is trimmed and cut before the first "." of its file name ("a.b.c" gives "a");
// a name that is or becomes empty is refused. A plain name goes into `directory`; a name
// with a "/" is a path, taken from `directory` when relative. ".C01" is appended.
SaveName seriesSaveName(std::string_view nameBox, std::string_view directory);

}  // namespace tavir

#pragma once
// What must hold for any bytes read as an exercise file; shared by the fuzzer and the
// corpus replay. Returns "" when all is well, else what broke.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/exercises/exercise_file.hpp"

namespace tavir::fuzz {

inline std::string checkExerciseReader(std::string_view bytes) {
    const auto file = decodeExercise(bytes);
    if (!file) return "";
    const int d = file->difficulty();
    if (d < 0 || d > kExerciseMaxDifficulty) return "difficulty out of range";
    for (const auto& record : file->records)
        if (record.size() > 126 * 3) return "record longer than a record can hold";
    if (file->title().size() > file->records[10].size()) return "title longer than its record";
    // The files it names stay inside the exercise folder. Normalising an absolute path drops
    // a climbing "..", so where it lands is measured from the folder.
    const std::filesystem::path folder = "/exercices";
    for (const std::string* name : {&file->statement(), &file->statementSeries(), &file->correction(),
                                    &file->correctionSeries()}) {
        const auto path = exercisePath(folder, *name);
        if (!path) {
            if (path.failure().title != "Fichier absent") return "a refused name without its message";
            continue;
        }
        if (!*path) continue;
        const std::filesystem::path inside = (*path)->lexically_normal().lexically_relative(folder);
        if (inside.empty() || *inside.begin() == ".." || inside == ".") return "a named file leads out of the folder";
        if ((*path)->native().find('\0') != std::string::npos) return "a named file hides a NUL byte";
    }
    return "";
}

}  // namespace tavir::fuzz

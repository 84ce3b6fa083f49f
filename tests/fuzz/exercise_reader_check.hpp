#pragma once
// What must hold for any bytes read as an exercise file; shared by the fuzzer and the
// corpus replay. Returns "" when all is well, else what broke.
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
    // The files it names stay inside the exercise folder.
    for (const std::string* name : {&file->statement(), &file->statementSeries(), &file->correction(),
                                    &file->correctionSeries()}) {
        const auto path = exercisePath("/exercices", *name);
        if (!path) continue;
        for (const auto& part : path->lexically_normal())
            if (part == "..") return "a named file leads out of the folder";
    }
    return "";
}

}  // namespace tavir::fuzz

#pragma once
// What the exercise area loads through an exercise file: the texts its records name and the
// guided tour. Every refusal is the message box the pupil sees.
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/files/file_result.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/series/series_file.hpp"

namespace tavir {

// The statement or correction a record names, in the exercise directory: "Fichier absent"
// with its path when the record is blank, leads out of the directory or names no file; a
// file that is there and cannot be read as a text is refused as loadRtfFile refuses it (not
// a regular file, not a text).
FileResult<RtfReadResult> loadNamedText(const std::filesystem::path& directory, std::string_view record);

struct NamedSeries {
    std::filesystem::path path;
    SeriesEntries entries;
};
// The series a record names, read whole before anything is shown: nothing when the record is
// blank; "Fichier absent" with its path when it leads out of the directory or names no file,
// loadSeriesFile's refusal when the file cannot be read as a series, so that an exercise
// opens whole or not at all.
FileResult<std::optional<NamedSeries>> loadNamedSeries(const std::filesystem::path& directory,
                                                      std::string_view record);

struct GuidedTour {
    RtfReadResult statement;
    std::optional<NamedSeries> series;  // nothing when record 2 is blank
};

// The guided tour: records 1 and 2 of `tourFile`, named in `directory`. Any failure is
// "Erreur lors du chargement", "Fichier introuvable. Revoir l'installation du logiciel.".
FileResult<GuidedTour> loadGuidedTour(const std::filesystem::path& tourFile, const std::filesystem::path& directory);

}  // namespace tavir

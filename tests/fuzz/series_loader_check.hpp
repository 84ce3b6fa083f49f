#pragma once
// What must hold for any bytes given to the series loader, shared by the fuzzer and the
// corpus replay.
#include <string>
#include <string_view>

#include "core/board/construction.hpp"
#include "core/files/record_file.hpp"
#include "core/series/save_name.hpp"
#include "core/series/series_file.hpp"
#include "core/series/texts.hpp"

namespace tavir::fuzz {

// Returns "" when every property holds, else what broke.
inline std::string checkSeriesLoader(std::string_view bytes) {
    const auto load = decodeSeries(bytes);
    const auto magic = readRecordBytes(bytes, 1);
    const bool ours = magic && *magic == "TAVIR";
    if (!load) {
        if (load.failure().message.empty() || load.failure().title.empty()) return "a refusal without its message";
        if ((load.failure().message == series_texts::kWrongMagic) != !ours) return "magic verdict disagrees with record 1";
    } else {
        if (!ours) return "accepted without the magic";
        if (bytes.size() < kSeriesMinimumFileSize) return "accepted a short file";
        const SeriesEntries& entries = *load;
        const auto again = encodeSeries(entries);
        if (!again) return "a loaded series cannot be written back";
        if (again->size() != kSeriesFileSize) return "written file has the wrong size";
        const auto reread = decodeSeries(*again);
        if (!reread) return "a written series does not load";
        for (int i = 0; i < kSeriesLength; ++i) {
            const auto& entry = entries[static_cast<std::size_t>(i)];
            const auto before = readRecordBytes(bytes, i + 2);
            const auto after = readRecordBytes(*again, i + 2);
            if (!before || !after) return "a loaded record does not read back";
            if (isBlankEntry(entry) ? !after->empty() : *before != *after)
                return "record " + std::to_string(i + 2) + " changed on the way through";
            if (!isBlankEntry(entry) && (*reread)[static_cast<std::size_t>(i)] != entry)
                return "entry " + std::to_string(i + 1) + " changed on a second load";
            const std::string board = normalisedSeriesEntry(entry);
            if (isBlankEntry(entry) ? !board.empty() : !Construction::parse(board))
                return "entry " + std::to_string(i + 1) + " would put an impossible board up: " + board;
        }
    }
    // The same bytes as a typed name: either refused or a ".C01" path with a file name.
    const SaveName name = seriesSaveName(bytes, "/tmp/series");
    if (name.ok()) {
        const std::string& path = *name.path;
        if (path.size() < 5 || path.compare(path.size() - 4, 4, ".C01") != 0) return "save name without .C01";
        const std::string stem = path.substr(0, path.size() - 4);
        const std::string file = stem.substr(stem.rfind('/') + 1);
        if (file.empty() || file.find('.') != std::string::npos) return "bad file name in " + path;
    } else if (name.message.empty()) {
        return "a refused name without its message";
    }
    return {};
}

}  // namespace tavir::fuzz

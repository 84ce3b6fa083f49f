// series dump and series write: series files without the dialogs.
#include <iostream>
#include <sstream>

#include "core/board/construction.hpp"
#include "cli/commands.hpp"
#include "core/text/json.hpp"
#include "core/series/series_file.hpp"

namespace tavir::cli {

namespace {

void usageSeries() {
    std::cerr << "usage : tavir-cli series dump FICHIER\n"
                 "        tavir-cli series write FICHIER [C1 ... C10]\n";
}

std::string constructionsJson(const SeriesEntries& entries) {
    std::string out = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) out += (i ? "," : "") + jsonString(entries[i]);
    return out + "]";
}

int dump(const std::string& file) {
    const auto load = loadSeriesFile(file);
    if (!load) return refuse(load.failure());
    std::cout << "{\"constructions\":" << constructionsJson(*load) << "}\n";
    return kOk;
}

int write(const std::string& file, const std::vector<std::string>& constructions) {
    SeriesEntries entries;
    for (std::size_t i = 0; i < constructions.size(); ++i) {
        const std::string& text = constructions[i];
        if (text.empty()) continue;  // "" keeps the entry empty
        if (!Construction::parse(text)) {
            std::cerr << "construction " << i + 1
                      << " refusée: 23 caractères attendus, \"2\" à \"7\" pour les cases, "
                         "\"2\" à \"5\" pour les liaisons\n";
            return kRefused;
        }
        entries[i] = text;
    }
    const FileDone saved = saveSeriesFile(file, entries);
    if (!saved) return refuse(saved.failure());
    std::cout << "{\"file\":" << jsonString(file) << ",\"constructions\":" << constructionsJson(entries) << "}\n";
    return kOk;
}

}  // namespace

int runSeries(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
    if (args.size() >= 2 && args.size() <= 2 + kSeriesLength && args[0] == "write")
        return write(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    usageSeries();
    return kBadCommandLine;
}

}  // namespace tavir::cli

// exercise dump and exercise write: exercise files without the chooser.
#include <charconv>
#include <iostream>
#include <optional>

#include "cli/commands.hpp"
#include "core/text/json.hpp"
#include "core/exercises/exercise_file.hpp"

namespace tavir::cli {

namespace {

void usageExercise() {
    std::cerr << "usage : tavir-cli exercise dump FICHIER\n"
                 "        tavir-cli exercise write FICHIER --statement E [--series S] [--correction E]\n"
                 "                  [--correction-series S] [--difficulty N] [--topic T]... [--title T]\n";
}

int dump(const std::string& file) {
    const auto exercise = loadExerciseFile(file);
    if (!exercise) return refuse(exercise.failure());
    std::string records = "[";
    for (std::size_t i = 0; i < exercise->records.size(); ++i) records += (i ? "," : "") + jsonString(exercise->records[i]);
    records += "]";
    std::cout << "{\"records\":" << records << ",\"corrected\":" << (exercise->corrected() ? "true" : "false")
              << ",\"difficulty\":" << exercise->difficulty() << ",\"topics\":" << jsonString(exercise->topics())
              << ",\"title\":" << jsonString(exercise->title()) << "}\n";
    return kOk;
}

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int write(const std::string& file, const std::vector<std::string>& options) {
    ExerciseDescription d;
    bool statement = false;
    for (std::size_t i = 0; i < options.size(); i += 2) {
        if (i + 1 >= options.size()) {
            usageExercise();
            return kBadCommandLine;
        }
        const std::string& option = options[i];
        const std::string& value = options[i + 1];
        if (option == "--statement") {
            d.statement = value;
            statement = true;
        } else if (option == "--series") {
            d.statementSeries = value;
        } else if (option == "--correction") {
            d.correction = value;
        } else if (option == "--correction-series") {
            d.correctionSeries = value;
        } else if (option == "--difficulty") {
            d.difficulty = wholeNumber(value);
            if (!d.difficulty) {
                usageExercise();
                return kBadCommandLine;
            }
        } else if (option == "--topic") {
            d.topics.push_back(value);
        } else if (option == "--title") {
            d.title = value;
        } else {
            usageExercise();
            return kBadCommandLine;
        }
    }
    if (!statement) {
        usageExercise();
        return kBadCommandLine;
    }
    const FileDone written = saveExerciseFile(file, d);
    if (!written) return refuse(written.failure());
    std::string records = "[";
    const auto texts = exerciseRecords(d);
    for (std::size_t i = 0; i < texts.size(); ++i) records += (i ? "," : "") + jsonString(texts[i]);
    std::cout << "{\"file\":" << jsonString(file) << ",\"records\":" << records << "]}\n";
    return kOk;
}

}  // namespace

int runExercise(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
    if (args.size() >= 2 && args[0] == "write")
        return write(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    usageExercise();
    return kBadCommandLine;
}

}  // namespace tavir::cli

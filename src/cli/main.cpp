// tavir-cli: the same core as the desktop program, without windows, for teachers and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"

namespace {
void usage() {
    std::cerr << "usage : tavir-cli COMMANDE [ARGUMENTS]\n"
                 "  analyse [--drag] [--charges] [--polarity] CONSTRUCTION\n"
                 "  render VUE CONSTRUCTION SORTIE [--frame N] [--compact] [--figure] [--red] [--blue] [--charges]"
                 " [--polarity] [--scale K]\n"
                 "  series dump FICHIER | series write FICHIER [C1 ... C10]\n"
                 "  rtf dump FICHIER | rtf roundtrip ENTRÉE SORTIE\n"
                 "  exercise dump FICHIER | exercise write FICHIER --statement E [OPTIONS]\n"
                 "  eval [--radians] [--scientific] EXPRESSION | keys TOUCHE...\n";
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
        return tavir::cli::kBadCommandLine;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "analyse") return tavir::cli::runAnalyse(args);
    if (command == "eval") return tavir::cli::runEval(args);
    if (command == "keys") return tavir::cli::runKeys(args);
    if (command == "series") return tavir::cli::runSeries(args);
    if (command == "rtf") return tavir::cli::runRtf(args);
    if (command == "exercise") return tavir::cli::runExercise(args);
    if (command == "render") return tavir::cli::runRender(args);
    usage();
    return tavir::cli::kBadCommandLine;
}

#include <iostream>

#include "cli/commands.hpp"
#include "core/analysis/analysis_json.hpp"

namespace tavir::cli {

int runAnalyse(const std::vector<std::string>& args) {
    bool drag = false;
    bool charges = false;
    bool polarity = false;
    std::string text;
    int positional = 0;
    for (const auto& a : args) {
        if (a == "--drag") {
            drag = true;
        } else if (a == "--charges") {
            charges = true;
        } else if (a == "--polarity") {
            polarity = true;
        } else {
            text = a;
            ++positional;
        }
    }
    if (positional != 1) {
        std::cerr << "usage : tavir-cli analyse [--drag] [--charges] [--polarity] CONSTRUCTION\n";
        return kBadCommandLine;
    }
    const auto construction = Construction::parse(text);
    if (!construction) {
        std::cerr << "construction refusée: 23 caractères attendus, \"2\" à \"7\" pour les cases, "
                     "\"2\" à \"5\" pour les liaisons (un 24e, \"3\" à \"5\", pour une lacune électronique)\n";
        return kRefused;
    }
    // --charges analyses as with "Afficher les charges formelles" ticked: ions are accepted.
    const Analysis a = analyse(*construction, drag ? 1 : 0, AnalysisOptions{charges});
    // --polarity: as with "Afficher la polarité" ticked.
    std::cout << analysisJson(a, charges, polarity) << "\n";
    return kOk;
}

}  // namespace tavir::cli

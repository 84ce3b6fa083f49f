#include <iostream>
#include <sstream>

#include "core/analysis/analysis.hpp"
#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "cli/commands.hpp"
#include "cli/json.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/pairs.hpp"

namespace tavir::cli {

int runAnalyse(const std::vector<std::string>& args) {
    bool drag = false;
    bool charges = false;
    std::string text;
    int positional = 0;
    for (const auto& a : args) {
        if (a == "--drag") {
            drag = true;
        } else if (a == "--charges") {
            charges = true;
        } else {
            text = a;
            ++positional;
        }
    }
    if (positional != 1) {
        std::cerr << "usage : tavir-cli analyse [--drag] [--charges] CONSTRUCTION\n";
        return kBadCommandLine;
    }
    const auto construction = Construction::parse(text);
    if (!construction) {
        std::cerr << "construction refusée: 23 caractères attendus, \"2\" à \"7\" pour les cases, "
                     "\"2\" à \"5\" pour les liaisons\n";
        return kRefused;
    }
    // --charges analyses as with "Afficher les charges formelles" ticked: ions are accepted.
    const Analysis a = analyse(*construction, drag ? 1 : 0, AnalysisOptions{charges});
    const Board& b = a.board;
    std::ostringstream out;
    out << "{\"construction\":" << jsonString(b.record.toString())
        << ",\"accepted\":" << (a.accepted ? "true" : "false")
        << ",\"formula\":" << jsonString(a.formula) << ",\"charge\":" << netCharge(b.record);
    if (charges) {
        out << ",\"charges\":[";
        for (int cell = 0; cell < kCellCount; ++cell)
            out << (cell ? "," : "") << (isElement(b.record.code[cell]) ? formalCharge(b.record, cell) : 0);
        out << "]";
    }
    out << ",\"corners\":{";
    bool first = true;
    for (int c : {3, 6, 8, 11}) {
        out << (first ? "" : ",") << "\"" << c << "\":[" << b.position[c].left << ","
            << b.position[c].top << "]";
        first = false;
    }
    out << "},\"pairs\":[";
    // Bars exist only where the dot structure is drawn.
    const auto bars = pairNames(b.record);
    for (int cell = 0; cell < kCellCount; ++cell) {
        out << (cell ? ",[" : "[");
        if (a.shown()) {
            for (std::size_t k = 0; k < bars[cell].size(); ++k) out << (k ? "," : "") << jsonString(bars[cell][k]);
        }
        out << "]";
    }
    // What the 3D view's first tick shows: nothing at all for a construction not shown.
    const GeometryDecision& g = a.geometry;
    out << "],\"geometry\":";
    if (a.shown()) {
        out << jsonString(geometryName(g.routine));
    } else {
        out << "null";
    }
    out << ",\"text\":" << jsonString(a.shown() ? g.text.value_or(std::string()) : std::string())
        << ",\"figure\":" << (a.shown() && g.figureBox == FigureBoxChange::shown ? "true" : "false") << "}\n";
    std::cout << out.str();
    return kOk;
}

}  // namespace tavir::cli

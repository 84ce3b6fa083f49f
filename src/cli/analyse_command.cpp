#include <iostream>
#include <sstream>

#include "core/board/acceptance.hpp"
#include "core/session/workspace.hpp"
#include "cli/commands.hpp"
#include "cli/json.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/pairs.hpp"

namespace tavir::cli {

int runAnalyse(const std::vector<std::string>& args) {
    bool drag = false;
    std::string text;
    int positional = 0;
    for (const auto& a : args) {
        if (a == "--drag") {
            drag = true;
        } else {
            text = a;
            ++positional;
        }
    }
    if (positional != 1) {
        std::cerr << "usage : tavir-cli analyse [--drag] CONSTRUCTION\n";
        return kBadCommandLine;
    }
    const auto construction = Construction::parse(text);
    if (!construction) {
        std::cerr << "construction refusée: 23 caractères attendus, \"2\" à \"7\" pour les cases, "
                     "\"2\" à \"5\" pour les liaisons\n";
        return kRefused;
    }
    Workspace ws;
    ws.setBoard(*construction, drag ? 1 : 0);
    ws.majliaison();
    ws.Timer1_Timer();

    const Board& b = ws.board();
    std::ostringstream out;
    out << "{\"construction\":" << jsonString(b.record.toString())
        << ",\"accepted\":" << (isAccepted(b.record) ? "true" : "false")
        << ",\"formula\":" << jsonString(ws.view().brute ? formulaText(ws.view().formula) : std::string())
        << ",\"charge\":" << netCharge(b.record) << ",\"corners\":{";
    bool first = true;
    for (int c : {3, 6, 8, 11}) {
        out << (first ? "" : ",") << "\"" << c << "\":[" << b.position[c].left << ","
            << b.position[c].top << "]";
        first = false;
    }
    out << "},\"pairs\":[";
    // Bars exist only where the dot structure was drawn by this analysis.
    const auto bars = pairNames(b.record);
    for (int cell = 0; cell < kCellCount; ++cell) {
        out << (cell ? ",[" : "[");
        if (ws.view().smile) {
            for (std::size_t k = 0; k < bars[cell].size(); ++k) out << (k ? "," : "") << jsonString(bars[cell][k]);
        }
        out << "]";
    }
    out << "],\"geometry\":";
    if (const auto& tick = ws.view().lastTick) {
        out << jsonString(tick->idle ? std::string_view("none") : geometryName(tick->routine));
    } else {
        out << "null";
    }
    out << ",\"text\":" << jsonString(ws.view().c3dText) << ",\"figure\":"
        << (ws.view().tetra1Visible ? "true" : "false") << "}\n";
    std::cout << out.str();
    return kOk;
}

}  // namespace tavir::cli

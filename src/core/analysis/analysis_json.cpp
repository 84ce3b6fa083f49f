#include "core/analysis/analysis_json.hpp"

#include <sstream>

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/board/topology.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/dotstructure/pairs.hpp"
#include "core/geometry3d/polarity.hpp"
#include "core/text/json.hpp"

namespace tavir {

std::string analysisJson(const Analysis& a, bool withCharges, bool withPolarity) {
    const Board& b = a.board;
    std::ostringstream out;
    out << "{\"construction\":" << jsonString(b.record.toString())
        << ",\"accepted\":" << (a.accepted ? "true" : "false")
        << ",\"formula\":" << jsonString(a.formula) << ",\"charge\":" << netCharge(b.record);
    if (withCharges) {
        out << ",\"charges\":[";
        for (int cell = 0; cell < kCellCount; ++cell)
            out << (cell ? "," : "") << (isElement(b.record.code[cell]) ? formalCharge(b.record, cell) : 0);
        out << "]";
    }
    out << ",\"corners\":{";
    bool first = true;
    for (int c : kCornerCells) {
        out << (first ? "" : ",") << "\"" << c << "\":[" << b.position[c].left << "," << b.position[c].top << "]";
        first = false;
    }
    // The species' charge as a number ("charge" counts the electrons the formula lacks).
    out << "},\"netCharge\":" << speciesCharge(b.record) << ",\"pairs\":[";
    // Bars exist only where the dot structure is drawn.
    const auto bars = pairNames(b.record);
    for (int cell = 0; cell < kCellCount; ++cell) {
        out << (cell ? ",[" : "[");
        if (a.shown()) {
            for (std::size_t k = 0; k < bars[cell].size(); ++k) out << (k ? "," : "") << jsonString(bars[cell][k]);
        }
        out << "]";
    }
    // A vacancy where the dot structure draws its box.
    out << "],\"vacancies\":[";
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto place = a.shown() ? vacancyPosition(b.record, cell) : std::nullopt;
        out << (cell ? ",[" : "[") << (place ? jsonString(pairName(*place)) : "") << "]";
    }
    if (withPolarity) {
        out << "],\"polar\":" << (a.polar ? (*a.polar ? "true" : "false") : "null") << ",\"delta\":[";
        const auto deltas = partialCharges(b.record);
        for (int cell = 0; cell < kCellCount; ++cell)
            out << (cell ? "," : "") << jsonString(a.shown() ? partialChargeName(deltas[cell]) : std::string());
    }
    // What the 3D view's first tick shows: nothing at all for a construction not shown.
    const GeometryDecision& g = a.geometry;
    out << "],\"geometry\":";
    if (a.shown()) {
        out << jsonString(geometryName(g.routine));
    } else {
        out << "null";
    }
    out << ",\"text\":" << jsonString(a.shown() ? geometryText(a, withPolarity).value_or(std::string()) : std::string())
        << ",\"figure\":" << (a.shown() && g.figureBox == FigureBoxChange::shown ? "true" : "false") << "}";
    return out.str();
}

}  // namespace tavir

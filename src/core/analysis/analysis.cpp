#include "core/analysis/analysis.hpp"

#include "core/board/acceptance.hpp"
#include "core/dotstructure/formula.hpp"
#include "core/geometry3d/polarity.hpp"

namespace tavir {

Analysis analyse(Board board, const AnalysisOptions& options) {
    Analysis a;
    a.board = std::move(board);
    a.board.tidy(options.formalCharges);
    const Construction& c = a.board.record;
    a.accepted = isAccepted(c, options.formalCharges);
    a.centreOccupied = a.board.occupied(0) || a.board.occupied(1);
    if (a.accepted) a.formula = formulaWithCharge(c);
    if (a.shown()) {
        a.geometry = decideGeometry(c);
        a.polar = isPolarMolecule(c, a.geometry);
    }
    return a;
}

Analysis analyse(const Construction& c, int dragFlag, const AnalysisOptions& options) {
    Board board;
    board.show(c);
    board.dragFlag = static_cast<int16_t>(dragFlag);
    return analyse(std::move(board), options);
}

std::optional<std::string> geometryText(const Analysis& analysis, bool polarity) {
    const auto& text = analysis.geometry.text;
    if (!text || !polarity) return text;
    return withPolarity(*text, analysis.polar);
}

bool needsFormalCharges(const Construction& c) {
    return !(analyse(c, 0, {false}).board.record == analyse(c, 0, {true}).board.record);
}

}  // namespace tavir

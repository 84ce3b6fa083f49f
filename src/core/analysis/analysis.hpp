#pragma once
// The analysis run after every change of the board, as one value: the tidied board, whether
// the construction is accepted and shown, its formula and how the 3D view draws it. Nothing
// here depends on what ran before; the session keeps the history.
#include <optional>
#include <string>

#include "core/board/board.hpp"
#include "core/geometry3d/classification.hpp"

namespace tavir {

// Ticks that change what the analysis accepts.
struct AnalysisOptions {
    // `Check3`: ions are accepted too, and nitrogen and oxygen keep one more neighbour.
    bool formalCharges = false;
};

struct Analysis {
    // Tidied: codes, pictures, cell positions, bond orders, and the drag flag as the position
    // test left it.
    Board board;
    // Every atom at its usual valence (an empty board qualifies), or an ion while the formal
    // charges are shown.
    bool accepted = true;
    // Cell 0 or cell 1 holds an atom.
    bool centreOccupied = false;
    // The formula as the formula box writes it, charge suffix included; "" unless accepted.
    std::string formula;
    // The 3D view's routine, arguments, text and figure box; only for a shown construction.
    GeometryDecision geometry;
    // Whether the molecule is polar, from that shape (see polarity.hpp); nothing for a
    // construction not shown, an ion or a structure with formal charges.
    std::optional<bool> polar;

    // Accepted with an atom on a centre: `smile`, the dot structure and the turning model.
    bool shown() const { return accepted && centreOccupied; }
};

// The geometry text as the view writes it: the shape's text, and with the polarity shown the
// sentence on the molecule's polarity; nothing when the text is left as it is.
std::optional<std::string> geometryText(const Analysis& analysis, bool polarity);

// A construction the neutral rules would cut down (a fourth neighbour or bond on nitrogen, a
// third on oxygen, a vacancy) and the rules of ions keep: it was built with the formal charges
// shown.
bool needsFormalCharges(const Construction& c);

// The board as dropped, picked up or chosen; its drag flag decides whether the position test runs.
Analysis analyse(Board board, const AnalysisOptions& options = {});
// A construction put on the board as it stands (a table entry, a command-line argument).
Analysis analyse(const Construction& c, int dragFlag = 0, const AnalysisOptions& options = {});

}  // namespace tavir

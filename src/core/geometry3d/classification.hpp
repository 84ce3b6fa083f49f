#pragma once
// Which spatial model fits the construction, with what arguments, and what the geometry text
// and the figure box show. The tick checks acceptance and steps the frame counter first.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/board/construction.hpp"

namespace tavir {

// The drawing routine a tick runs. The names are those the companion prints.
enum class GeometryRoutine : uint8_t {
    r3dax4,
    kax3,
    Kax3ax3,
    Kx2x3,
    r3dlin2,
    r3dlin3,
    r3dlin4,
    r3dax4ax4,
    r3dax4ax3,
    r3dax3ax3s,
    r3dax4ax2,
    r3dax3ax2,
    single,  // one atom: its picture alone in the middle
    empty,   // no atom
    none,    // unclassified (or a triple bond beside a double one): the view is only cleared
};

std::string_view geometryName(GeometryRoutine routine);

// What happens to the check box `tetra1`.
enum class FigureBoxChange : uint8_t {
    unchanged,
    shown,   // visible, caption "Géométrie"
    hidden,
};

struct GeometryDecision {
    int rule = 15;  // the dispatch rule that matched, 3..15
    GeometryRoutine routine = GeometryRoutine::none;
    // The routine's arguments in its own parameter order; -1 for an empty place.
    // Element indices (code - 1) for every routine except r3dlin2/3/4, which take element
    // codes 1..5 for their atoms followed by bond orders. single: the element index to paint.
    std::array<int16_t, 8> args{-1, -1, -1, -1, -1, -1, -1, -1};
    int argCount = 0;
    // Rules 5..8: the seven values given to ax2ax2 (ax1..ax4, lia1..lia3).
    std::optional<std::array<int16_t, 7>> ax2ax2;
    // ax2ax2 found no bond between its two middle atoms: nothing at all happens,
    // not even a clear of the view.
    bool idle = false;
    // New caption of `C3D`; nothing when it is left as it is.
    std::optional<std::string> text;
    FigureBoxChange figureBox = FigureBoxChange::unchanged;

    int16_t arg(int i) const { return args.at(static_cast<std::size_t>(i)); }
};

// Rules 3..15 of the tick's dispatch, over the construction as the analysis left it.
GeometryDecision decideGeometry(const Construction& c);

// Fragment of a column (geometry_texts::kP ...) for an element index; "" outside 0..4.
std::string_view elementFragment(const std::array<std::string_view, 5>& column, int index);

// The caption each routine sets, from its arguments (element indices).
std::string r3dax4Text(int centre, int p1, int p2, int p3, int p4);
std::string kax3Text(int centre, int single1, int single2);
std::string Kax3ax3Text();
std::string Kx2x3Text(int trig, int lin, int end);
std::string r3dlin3Text();
std::string r3dlin4Text();
std::string r3dax4ax4Text();
std::string r3dax4ax3Text(int t, int g);
std::string r3dax3ax3sText();
std::string r3dax4ax2Text(int t, int l, int lt);
std::string r3dax3ax2Text(int g, int l, int lt);

}  // namespace tavir

#pragma once
// Which spatial model fits the construction, with what arguments, and what the geometry text
// and the figure box show. The tick checks acceptance and steps the frame counter first.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

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

// The arguments of each routine, named as its parameters. A place holds the element index
// (code - 1) of its atom, -1 when empty; the chains r3dlin2/3/4 take element codes 1..5 for
// their atoms, followed by the bond orders between neighbours.
using Place = int16_t;

struct R3dax4Args {  // one tetrahedral centre and its four places
    Place centre, p1, p2, p3, p4;
    auto fields() const { return std::tie(centre, p1, p2, p3, p4); }
};
struct Kax3Args {  // one trigonal centre: its doubly bonded atom, single1 below, single2 above
    Place centre, doubled, single1, single2;
    auto fields() const { return std::tie(centre, doubled, single1, single2); }
};
struct Kax3ax3Args {  // two trigonal centres joined by a double bond, the first on top
    Place upper, lower, s0a, s0b, s1a, s1b;
    auto fields() const { return std::tie(upper, lower, s0a, s0b, s1a, s1b); }
};
struct Kx2x3Args {  // a trigonal centre, the linear centre below it, the trigonal one's singles, the far end
    Place trig, lin, s1, s2, end;
    auto fields() const { return std::tie(trig, lin, s1, s2, end); }
};
struct R3dlin2Args {
    Place a1, a2, bond;
    auto fields() const { return std::tie(a1, a2, bond); }
};
struct R3dlin3Args {
    Place end1, middle, end2, bond1, bond2;
    auto fields() const { return std::tie(end1, middle, end2, bond1, bond2); }
};
struct R3dlin4Args {
    Place ax1, ax2, ax3, ax4, lia1, lia2, lia3;
    auto fields() const { return std::tie(ax1, ax2, ax3, ax4, lia1, lia2, lia3); }
};
// Two centres joined by a single bond: t tetrahedral, g trigonal, l linear; then each one's
// singles (t1.., gs), doubly bonded (gd) and triply bonded (lt) atoms.
struct R3dax4ax4Args {
    Place t, u, t1, t2, t3, u1, u2, u3;
    auto fields() const { return std::tie(t, u, t1, t2, t3, u1, u2, u3); }
};
struct R3dax4ax3Args {
    Place t, g, t1, t2, t3, gs, gd;
    auto fields() const { return std::tie(t, g, t1, t2, t3, gs, gd); }
};
struct R3dax3ax3sArgs {
    Place g, h, gs, gd, hs, hd;
    auto fields() const { return std::tie(g, h, gs, gd, hs, hd); }
};
struct R3dax4ax2Args {
    Place t, l, t1, t2, t3, lt;
    auto fields() const { return std::tie(t, l, t1, t2, t3, lt); }
};
struct R3dax3ax2Args {
    Place g, l, gd, gs, lt;
    auto fields() const { return std::tie(g, l, gd, gs, lt); }
};
struct SingleArgs {  // one atom: its picture alone in the middle
    Place atom;
    auto fields() const { return std::tie(atom); }
};

using GeometryArgs =
    std::variant<std::monostate, R3dax4Args, Kax3Args, Kax3ax3Args, Kx2x3Args, R3dlin2Args, R3dlin3Args, R3dlin4Args,
                 R3dax4ax4Args, R3dax4ax3Args, R3dax3ax3sArgs, R3dax4ax2Args, R3dax3ax2Args, SingleArgs>;

// The arguments in the routine's own parameter order.
std::vector<int> argumentList(const GeometryArgs& args);

struct GeometryDecision {
    int rule = 15;  // the dispatch rule that matched, 3..15
    GeometryRoutine routine = GeometryRoutine::none;
    GeometryArgs args;
    // Rules 5..8: the seven values given to ax2ax2 (ax1..ax4, lia1..lia3).
    std::optional<std::array<int16_t, 7>> ax2ax2;
    // ax2ax2 found no bond between its two middle atoms: nothing at all happens,
    // not even a clear of the view.
    bool idle = false;
    // New caption of `C3D`; nothing when it is left as it is.
    std::optional<std::string> text;
    FigureBoxChange figureBox = FigureBoxChange::unchanged;
    // A carbocation is trigonal with three single bonds: the routine's centre that holds the
    // electron vacancy (1 its first centre, 2 its second, 0 none) is given as a trigonal
    // centre whose place for a doubly bonded atom is singly bonded, and drawn so.
    int vacancyCentre = 0;
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

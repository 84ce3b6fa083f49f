#include "core/geometry3d/classification.hpp"

#include <initializer_list>
#include <span>
#include <utility>

#include "core/board/topology.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir {

namespace gt = geometry_texts;

std::string_view geometryName(GeometryRoutine routine) {
    switch (routine) {
    case GeometryRoutine::r3dax4: return "r3dax4";
    case GeometryRoutine::kax3: return "kax3";
    case GeometryRoutine::Kax3ax3: return "Kax3ax3";
    case GeometryRoutine::Kx2x3: return "Kx2x3";
    case GeometryRoutine::r3dlin2: return "r3dlin2";
    case GeometryRoutine::r3dlin3: return "r3dlin3";
    case GeometryRoutine::r3dlin4: return "r3dlin4";
    case GeometryRoutine::r3dax4ax4: return "r3dax4ax4";
    case GeometryRoutine::r3dax4ax3: return "r3dax4ax3";
    case GeometryRoutine::r3dax3ax3s: return "r3dax3ax3s";
    case GeometryRoutine::r3dax4ax2: return "r3dax4ax2";
    case GeometryRoutine::r3dax3ax2: return "r3dax3ax2";
    case GeometryRoutine::single: return "single";
    case GeometryRoutine::empty: return "empty";
    case GeometryRoutine::none: return "none";
    }
    return "none";
}

std::vector<int> argumentList(const GeometryArgs& args) {
    return std::visit(
        [](const auto& a) {
            std::vector<int> out;
            if constexpr (!std::is_same_v<std::decay_t<decltype(a)>, std::monostate>)
                std::apply([&out](const auto&... v) { (out.push_back(v), ...); }, a.fields());
            return out;
        },
        args);
}

std::string_view elementFragment(const std::array<std::string_view, 5>& column, int index) {
    if (index < 0 || index > 4) return {};
    return column[static_cast<std::size_t>(index)];
}

namespace {

std::string join(std::initializer_list<std::string_view> pieces) {
    std::string s;
    for (std::string_view p : pieces) s += p;
    return s;
}

}  // namespace

std::string r3dax4Text(int centre, int p1, int p2, int p3, int p4) {
    int emptyPlaces = 0;
    for (int p : {p1, p2, p3, p4})
        if (p < 0) ++emptyPlaces;
    std::string_view shape;
    if (emptyPlaces == 0) shape = gt::kTetrahedral;
    else if (emptyPlaces == 1) shape = gt::kPyramidal;
    else if (emptyPlaces == 2) shape = gt::kBent;
    return join({gt::kAroundCentralElement, elementFragment(gt::kP, centre), gt::kNear109, gt::kCrlf,
                 gt::kWeSayShapeIs, shape});
}

std::string kax3Text(int centre, int single1, int single2) {
    // Any free single place (a lone pair) makes the shape bent.
    const bool bent = single1 < 0 || single2 < 0;
    return join({gt::kAroundCentralElement, elementFragment(gt::kP, centre), gt::kNear120, gt::kCrlf,
                 bent ? gt::kWeSayShapeIsBent : gt::kShapeIsPlane});
}

std::string Kax3ax3Text() { return join({gt::kDoubleBondLead, gt::kDoubleBondTail}); }

std::string Kx2x3Text(int trig, int lin, int end) {
    return join({gt::kAnglesAround, elementFragment(gt::kD, trig), gt::kNear120, gt::kCrlf,
                 elementFragment(gt::kL1, trig), elementFragment(gt::kL2, lin), elementFragment(gt::kL3, end),
                 gt::kAlignedAndPlane});
}

std::string r3dlin3Text() { return join({gt::kNear180, gt::kCrlf, gt::kThreeAligned}); }
std::string r3dlin4Text() { return join({gt::kNear180, gt::kCrlf, gt::kFourAligned}); }
std::string r3dax4ax4Text() { return join({gt::kBondsNear109, gt::kCrlf, gt::kFreeRotation}); }

std::string r3dax4ax3Text(int t, int g) {
    return join({gt::kBondsNear109Around, elementFragment(gt::kN0, t), gt::kAnd120Around,
                 elementFragment(gt::kN1, g), gt::kFreeRotation});
}

std::string r3dax3ax3sText() { return join({gt::kBondsNear120, gt::kCrlf, gt::kFreeRotation}); }

std::string r3dax4ax2Text(int t, int l, int lt) {
    return join({gt::kBondsNear109Around, elementFragment(gt::kN2, t), gt::kCrlf, elementFragment(gt::kL1, t),
                 elementFragment(gt::kL2, l), elementFragment(gt::kL3, lt), gt::kSpaceAligned});
}

std::string r3dax3ax2Text(int g, int l, int lt) {
    return join({gt::kNear120Around, elementFragment(gt::kN2, g), gt::kCrlf, elementFragment(gt::kL1, g),
                 elementFragment(gt::kL2, l), elementFragment(gt::kL3, lt), gt::kSpaceAlignedAndPlane});
}

namespace {

struct Reader {
    const Construction& c;
    bool occupied(int cell) const { return c.code[cell] != 0; }
    int16_t code(int cell) const { return c.code[cell]; }
    int16_t index(int cell) const { return static_cast<int16_t>(c.code[cell] - 1); }
    int16_t slot(int s) const { return c.slot[s]; }
    // Element index of a cell bonded to its centre by a single bond, else -1.
    int16_t singleIndex(int cell) const { return occupied(cell) && slot(cell) == 1 ? index(cell) : int16_t{-1}; }
};

void decide(GeometryDecision& d, GeometryRoutine routine, GeometryArgs args, std::string text, FigureBoxChange box) {
    d.routine = routine;
    d.args = args;
    d.text = std::move(text);
    d.figureBox = box;
}

constexpr auto kShown = FigureBoxChange::shown;
constexpr auto kHidden = FigureBoxChange::hidden;

// ax2ax2: only a chain whose two middle atoms are bonded is drawn; the side of the one end
// present gives r3dlin3.
void ax2ax2(GeometryDecision& d, Place ax1, Place ax2, Place ax3, Place ax4, Place lia1, Place lia2, Place lia3) {
    d.ax2ax2 = std::array<int16_t, 7>{ax1, ax2, ax3, ax4, lia1, lia2, lia3};
    const auto isAtom = [](int v) { return v > 0; };
    if (!isAtom(ax2) || !isAtom(ax3) || lia2 == 0) {
        d.routine = GeometryRoutine::none;
        d.idle = true;
        d.args = std::monostate{};
        return;
    }
    const bool first = isAtom(ax1);
    const bool last = isAtom(ax4);
    if (!first && !last) {
        decide(d, GeometryRoutine::r3dlin2, R3dlin2Args{ax2, ax3, lia2}, "", kHidden);
    } else if (first && !last) {
        decide(d, GeometryRoutine::r3dlin3, R3dlin3Args{ax1, ax2, ax3, lia1, lia2}, r3dlin3Text(), kShown);
    } else if (!first && last) {
        decide(d, GeometryRoutine::r3dlin3, R3dlin3Args{ax2, ax3, ax4, lia2, lia3}, r3dlin3Text(), kShown);
    } else {
        decide(d, GeometryRoutine::r3dlin4, R3dlin4Args{ax1, ax2, ax3, ax4, lia1, lia2, lia3}, r3dlin4Text(), kShown);
    }
}

// Rules 11 and 12: one trigonal centre. Returns false when the centre has no single double bond.
bool trigonalCentre(GeometryDecision& d, const Reader& r, int centre) {
    const int other = 1 - centre;
    int doubles = 0;
    int16_t doubled = -1;
    int16_t single1 = -1, single2 = -1;
    int single1Cell = -1;
    bool single2Free = true;
    bool single1Free = true;

    const auto noteDouble = [&](int16_t slotValue, int16_t index) {
        if (slotValue == 2) {
            ++doubles;
            doubled = index;
        }
    };
    const auto firstPart = [&](int cell, int16_t slotValue) {
        if (slotValue != 1) return;
        if (single1Free) {
            single1 = r.index(cell);
            single1Cell = cell;
            single1Free = false;
        } else {
            single2 = r.index(cell);
            single2Free = false;
        }
    };
    const auto secondPart = [&](int cell, int16_t slotValue) {
        if (slotValue != 1) return;
        if (single2Free) {
            single2 = r.index(cell);
            single2Free = false;
        } else {
            single1 = r.index(cell);
            single1Cell = cell;
            single1Free = false;
        }
    };

    if (centre == 1) {
        for (int cell : {4, 3, 2}) {
            if (!r.occupied(cell)) continue;
            noteDouble(r.slot(cell), r.index(cell));
            firstPart(cell, r.slot(cell));
        }
        if (r.occupied(other)) {
            noteDouble(r.slot(1), r.index(other));
            firstPart(other, r.slot(1));
        }
        for (int cell : {10, 11}) {
            if (!r.occupied(cell)) continue;
            noteDouble(r.slot(cell), r.index(cell));
            secondPart(cell, r.slot(cell));
        }
    } else {
        for (int cell : kCentre0Cells) {
            if (!r.occupied(cell)) continue;
            noteDouble(r.slot(cell), r.index(cell));
            firstPart(cell, r.slot(cell));
        }
        if (r.occupied(other)) {
            noteDouble(r.slot(1), r.index(other));
            secondPart(other, r.slot(1));
        }
        // single2 is drawn above the centre: a lone upper atom (cells 8, 9) stays above.
        if (single2Free && (single1Cell == 8 || single1Cell == 9)) {
            single2 = single1;
            single1 = -1;
            single2Free = false;
        }
    }
    if (doubles != 1) return false;
    const int16_t centreIndex = r.index(centre);
    decide(d, GeometryRoutine::kax3, Kax3Args{centreIndex, doubled, single1, single2},
           kax3Text(centreIndex, single1, single2), kShown);
    return true;
}

// Rule 13's split of a centre's atoms: the first found in one of the three leading cells
// takes the first place; any other found takes the second, the last one winning.
void firstAndOther(const Reader& r, std::span<const int> cells, std::span<const int> leading,
                   int16_t& first, int16_t& second) {
    first = -1;
    second = -1;
    bool firstFree = true;
    for (int cell : cells) {
        if (!r.occupied(cell)) continue;
        bool isLeading = false;
        for (int l : leading) isLeading = isLeading || l == cell;
        if (firstFree && isLeading) {
            first = r.index(cell);
            firstFree = false;
        } else {
            second = r.index(cell);
        }
    }
}

struct CentreBonds {
    bool hasDouble = false;
    bool hasTriple = false;
    int16_t doubled = -1;
    int16_t tripled = -1;
    std::array<int16_t, 3> singles{-1, -1, -1};
};

CentreBonds scanCentre(const Reader& r, std::span<const int> cells) {
    CentreBonds b;
    std::size_t n = 0;
    for (int cell : cells) {
        if (!r.occupied(cell)) continue;
        switch (r.slot(cell)) {
        case 1:
            if (n < b.singles.size()) b.singles[n++] = r.index(cell);
            break;
        case 2:
            b.hasDouble = true;
            b.doubled = r.index(cell);
            break;
        case 3:
            b.hasTriple = true;
            b.tripled = r.index(cell);
            break;
        default: break;
        }
    }
    return b;
}

// What the first rules read: how many atoms stand on each side (centre 0 with its cells,
// centre 1 with its), the sum of the bond orders around each centre, and each centre's last
// occupied cell in the order rules 6 to 8 read them.
struct Sides {
    int nA = 0;
    int nB = 0;
    int sum0 = 0;
    int sum1 = 0;
    int x = -1;
    int y = -1;
};

Sides countSides(const Reader& r) {
    Sides s;
    s.nA = r.occupied(0) ? 1 : 0;
    for (int cell : kCentre0Cells) s.nA += r.occupied(cell) ? 1 : 0;
    for (int cell : kCentre1Side) s.nB += r.occupied(cell) ? 1 : 0;
    for (int slot : kCentre0Slots) s.sum0 += r.slot(slot);
    for (int slot : kCentre1Slots) s.sum1 += r.slot(slot);
    for (int cell : kCentre0Cells)
        if (r.occupied(cell)) s.x = cell;
    for (int cell : kCentre1CellsBySlot)
        if (r.occupied(cell)) s.y = cell;
    return s;
}

// Rules 3 to 8: an empty board, one atom, or a chain of two to four atoms in a line.
bool emptySingleOrLinear(GeometryDecision& d, const Reader& r, const Sides& s) {
    if (s.nA + s.nB == 0) {
        d.rule = 3;
        decide(d, GeometryRoutine::empty, std::monostate{}, "", kHidden);
        return true;
    }
    if (s.nA + s.nB == 1) {
        d.rule = 4;
        const int16_t shown = r.occupied(0) ? r.index(0) : r.index(1);
        decide(d, GeometryRoutine::single, SingleArgs{shown}, "", kHidden);
        return true;
    }
    if (s.nA == 1 && s.nB == 1) {
        d.rule = 5;
        ax2ax2(d, -1, r.code(0), r.code(1), -1, 0, r.slot(1), 0);
        return true;
    }
    if (s.nB == 1 && s.nA == 2 && s.sum0 == 4) {
        d.rule = 6;
        ax2ax2(d, r.code(s.x), r.code(0), r.code(1), -1, r.slot(s.x), r.slot(1), 0);
        return true;
    }
    if (s.nB == 2 && s.nA == 1 && s.sum1 == 4) {
        d.rule = 7;
        ax2ax2(d, -1, r.code(0), r.code(1), r.code(s.y), 0, r.slot(1), r.slot(s.y));
        return true;
    }
    if (s.nA == 2 && s.nB == 2 && s.sum0 == 4 && s.sum1 == 4) {
        d.rule = 8;
        ax2ax2(d, r.code(s.x), r.code(0), r.code(1), r.code(s.y), r.slot(s.x), r.slot(1), r.slot(s.y));
        return true;
    }
    return false;
}

bool allBelowDouble(const Reader& r, std::span<const int> slots) {
    for (int s : slots)
        if (r.slot(s) >= 2) return false;
    return true;
}

// The cells whose atoms take a tetrahedral centre's places, with the cell tried when the
// preferred one holds no singly bonded atom.
struct TetrahedralPlaces {
    int centre, p2, p2Fallback, p3, p4, p4Fallback;
};

void tetrahedralCentre(GeometryDecision& d, const Reader& r, const TetrahedralPlaces& t) {
    const auto firstSingle = [&](int preferred, int fallback) {
        const int16_t p = r.singleIndex(preferred);
        return p >= 0 ? p : r.singleIndex(fallback);
    };
    const R3dax4Args a{r.index(t.centre), r.index(1 - t.centre), firstSingle(t.p2, t.p2Fallback),
                       r.singleIndex(t.p3), firstSingle(t.p4, t.p4Fallback)};
    if (r.c.vacancy[static_cast<std::size_t>(t.centre)]) {
        // A carbocation: the vacancy takes no place, the three bonds lie in a plane. The
        // other centre stands where kax3 puts its doubled atom; an upper cell's atom above.
        // p2 is centre 0's lower place and centre 1's upper one; p4 the other way round.
        const int16_t up = t.centre == 0 ? a.p4 : a.p2;
        const int16_t down = t.centre == 0 ? a.p2 : a.p4;
        const int16_t upper = up >= 0 ? up : a.p3;
        const int16_t lower = up >= 0 ? (down >= 0 ? down : a.p3) : down;
        decide(d, GeometryRoutine::kax3, Kax3Args{a.centre, a.p1, lower, upper}, kax3Text(a.centre, lower, upper),
               kShown);
        d.vacancyCentre = 1;
        return;
    }
    decide(d, GeometryRoutine::r3dax4, a, r3dax4Text(a.centre, a.p1, a.p2, a.p3, a.p4), kShown);
}

// Rules 9 and 10: a tetrahedral centre singly bonded to the other centre, which is alone on
// its side and takes the first place.
bool tetrahedralBesideLoneCentre(GeometryDecision& d, const Reader& r, const Sides& s) {
    if (r.slot(1) != 1) return false;
    if (s.nA == 1 && allBelowDouble(r, kCentre1CellsBySlot)) {
        d.rule = 9;
        tetrahedralCentre(d, r, {1, 11, 10, 2, 4, 3});
        return true;
    }
    if (s.nB == 1 && allBelowDouble(r, kCentre0Cells)) {
        d.rule = 10;
        tetrahedralCentre(d, r, {0, 6, 5, 7, 9, 8});
        return true;
    }
    return false;
}

// Rules 11 and 12: a lone centre beside a trigonal one; when that centre has no single double
// bond the rule is noted and the next rules still decide.
bool trigonalBesideLoneCentre(GeometryDecision& d, const Reader& r, const Sides& s) {
    if (s.nA == 1 && s.nB >= 2) {
        d.rule = 11;
        if (trigonalCentre(d, r, 1)) return true;
    }
    if (s.nB == 1 && s.nA >= 2) {
        d.rule = 12;
        if (trigonalCentre(d, r, 0)) return true;
    }
    return false;
}

// Rule 13 with a second double bond: the centre with none is trigonal, the other linear,
// and the far end of the other double bond closes the chain.
void cumulatedDoubleBonds(GeometryDecision& d, const Reader& r) {
    int end0 = -1;
    for (int cell : kCentre0Cells)
        if (r.occupied(cell) && r.slot(cell) == 2) end0 = cell;
    int end1 = -1;
    for (int cell : kCentre1Cells)
        if (r.occupied(cell) && r.slot(cell) == 2) end1 = cell;
    int16_t s1 = -1, s2 = -1;
    if (end0 >= 0) {
        firstAndOther(r, kCentre1Cells, kCentre1LeadingCells, s1, s2);
        const int16_t trig = r.index(1), lin = r.index(0), end = r.index(end0);
        decide(d, GeometryRoutine::Kx2x3, Kx2x3Args{trig, lin, s1, s2, end}, Kx2x3Text(trig, lin, end), kShown);
    } else if (end1 >= 0) {
        firstAndOther(r, kCentre0Cells, kCentre0LeadingCells, s1, s2);
        const int16_t trig = r.index(0), lin = r.index(1), end = r.index(end1);
        decide(d, GeometryRoutine::Kx2x3, Kx2x3Args{trig, lin, s1, s2, end}, Kx2x3Text(trig, lin, end), kShown);
    } else {
        // A triple bond beside the double one: only the view is cleared.
        d.routine = GeometryRoutine::none;
    }
}

// Rule 13: the two centres doubly bonded; two trigonal centres unless another double or a
// triple bond follows.
void doublyBondedCentres(GeometryDecision& d, const Reader& r) {
    bool cumulated = false;
    for (int s = 2; s <= 11; ++s) cumulated = cumulated || r.slot(s) == 2 || r.slot(s) == 3;
    if (cumulated) {
        cumulatedDoubleBonds(d, r);
        return;
    }
    int16_t s0a = -1, s0b = -1, s1a = -1, s1b = -1;
    firstAndOther(r, kCentre0Cells, kCentre0LeadingCells, s0a, s0b);
    firstAndOther(r, kCentre1Cells, kCentre1LeadingCells, s1a, s1b);
    decide(d, GeometryRoutine::Kax3ax3, Kax3ax3Args{r.index(0), r.index(1), s0a, s0b, s1a, s1b}, Kax3ax3Text(), kShown);
}

// A carbocation's two outer atoms: trigonal, the second in the doubled atom's place.
void treatVacancyAsDouble(const Reader& r, int centre, CentreBonds& b) {
    if (!r.c.vacancy[static_cast<std::size_t>(centre)]) return;
    b.hasDouble = true;
    b.doubled = b.singles[1];
    b.singles = {b.singles[0], -1, -1};
}

// Rule 14: the two centres singly bonded; each is tetrahedral, trigonal or linear from its
// own double or triple bond.
void singlyBondedCentres(GeometryDecision& d, const Reader& r) {
    CentreBonds b0 = scanCentre(r, kCentre0Cells);
    CentreBonds b1 = scanCentre(r, kCentre1Cells);
    treatVacancyAsDouble(r, 0, b0);
    treatVacancyAsDouble(r, 1, b1);
    // The routine's first centre is board centre `first`.
    const auto vacancyAt = [&](int first) {
        if (r.c.vacancy[static_cast<std::size_t>(first)]) d.vacancyCentre = 1;
        else if (r.c.vacancy[static_cast<std::size_t>(1 - first)]) d.vacancyCentre = 2;
    };
    const int16_t c0 = r.index(0), c1 = r.index(1);
    const bool d0 = b0.hasDouble, t0 = b0.hasTriple, d1 = b1.hasDouble, t1 = b1.hasTriple;
    const auto& s0 = b0.singles;
    const auto& s1 = b1.singles;
    if (!d0 && !t0 && !d1 && !t1) {
        decide(d, GeometryRoutine::r3dax4ax4, R3dax4ax4Args{c0, c1, s0[0], s0[1], s0[2], s1[0], s1[1], s1[2]},
               r3dax4ax4Text(), kHidden);
    } else if (!d0 && !t0 && d1) {
        decide(d, GeometryRoutine::r3dax4ax3, R3dax4ax3Args{c0, c1, s0[0], s0[1], s0[2], s1[0], b1.doubled},
               r3dax4ax3Text(c0, c1), kHidden);
        vacancyAt(0);
    } else if (!d0 && !t0) {  // t1 without d1
        decide(d, GeometryRoutine::r3dax4ax2, R3dax4ax2Args{c0, c1, s0[0], s0[1], s0[2], b1.tripled},
               r3dax4ax2Text(c0, c1, b1.tripled), kHidden);
    } else if (d0 && !d1 && !t1) {
        decide(d, GeometryRoutine::r3dax4ax3, R3dax4ax3Args{c1, c0, s1[0], s1[1], s1[2], s0[0], b0.doubled},
               r3dax4ax3Text(c1, c0), kHidden);
        vacancyAt(1);
    } else if (d0 && d1) {
        decide(d, GeometryRoutine::r3dax3ax3s, R3dax3ax3sArgs{c0, c1, s0[0], b0.doubled, s1[0], b1.doubled},
               r3dax3ax3sText(), kHidden);
        vacancyAt(0);
    } else if (d0) {  // and t1
        decide(d, GeometryRoutine::r3dax3ax2, R3dax3ax2Args{c0, c1, b0.doubled, s0[0], b1.tripled},
               r3dax3ax2Text(c0, c1, b1.tripled), kShown);
        vacancyAt(0);
    } else if (!d1) {  // t0
        decide(d, GeometryRoutine::r3dax4ax2, R3dax4ax2Args{c1, c0, s1[0], s1[1], s1[2], b0.tripled},
               r3dax4ax2Text(c1, c0, b0.tripled), kHidden);
    } else {  // t0 and d1
        decide(d, GeometryRoutine::r3dax3ax2, R3dax3ax2Args{c1, c0, b1.doubled, s1[0], b0.tripled},
               r3dax3ax2Text(c1, c0, b0.tripled), kShown);
        vacancyAt(1);
    }
}

}  // namespace

// The rules in their order: the first that matches decides.
GeometryDecision decideGeometry(const Construction& c) {
    GeometryDecision d;
    const Reader r{c};
    const Sides sides = countSides(r);
    if (emptySingleOrLinear(d, r, sides) || tetrahedralBesideLoneCentre(d, r, sides) ||
        trigonalBesideLoneCentre(d, r, sides))
        return d;
    if (r.slot(1) == 2) {
        d.rule = 13;
        doublyBondedCentres(d, r);
        return d;
    }
    if (r.slot(1) == 1) {
        d.rule = 14;
        singlyBondedCentres(d, r);
        return d;
    }
    d.rule = 15;
    d.routine = GeometryRoutine::none;
    return d;
}

}  // namespace tavir

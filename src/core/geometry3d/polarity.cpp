#include "core/geometry3d/polarity.hpp"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"
#include "core/geometry3d/texts.hpp"

namespace tavir {

bool isPolarisedBond(int codeA, int codeB) {
    return isElement(codeA) && isElement(codeB) &&
           std::abs(electronegativity(codeA) - electronegativity(codeB)) >= kPolarisedBondThreshold;
}

std::array<PartialCharges, kCellCount> partialCharges(const Construction& c) {
    std::array<PartialCharges, kCellCount> out{};
    for (int s = 1; s < kSlotCount; ++s) {
        if (c.slot[s] == 0) continue;
        const int a = slotCentre(s), b = slotOtherCell(s);
        if (!isPolarisedBond(c.code[a], c.code[b])) continue;
        const bool aPlus = electronegativity(c.code[a]) < electronegativity(c.code[b]);
        auto& pa = out[static_cast<std::size_t>(a)];
        auto& pb = out[static_cast<std::size_t>(b)];
        (aPlus ? pa.plus : pa.minus) = true;
        (aPlus ? pb.minus : pb.plus) = true;
    }
    return out;
}

std::string partialChargeName(const PartialCharges& p) {
    return std::string(p.plus ? "+" : "") + (p.minus ? "-" : "");
}

namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double length() const { return std::sqrt(x * x + y * y + z * z); }
};

constexpr double kTolerance = 1e-6;

// Codes, not element indices; an empty place (or any non-element) bears no bond.
int codeOfIndex(int index) { return index + 1; }

// The dipole of the bond from an atom to another in direction `towards`, pointing to δ-,
// weighted by the difference of electronegativities; nothing for a bond that is not polarised.
Vec bondDipole(int fromCode, int toCode, Vec towards) {
    if (!isPolarisedBond(fromCode, toCode)) return {};
    const double length = towards.length();
    return towards * ((electronegativity(toCode) - electronegativity(fromCode)) / length);
}

// Atoms at fixed places and the bonds between them: a rigid shape.
struct Rigid {
    struct Atom {
        int code;
        Vec at;
    };
    std::vector<Atom> atoms;
    Vec sum;
    int add(int code, Vec at) {
        atoms.push_back({code, at});
        return static_cast<int>(atoms.size()) - 1;
    }
    void bond(int a, int b) {
        const Atom& p = atoms[static_cast<std::size_t>(a)];
        const Atom& q = atoms[static_cast<std::size_t>(b)];
        sum = sum + bondDipole(p.code, q.code, q.at - p.at);
    }
    // A substituent of the atom `centre` in direction d, if the place holds an atom.
    void substituent(int centre, int code, Vec d) {
        if (!isElement(code)) return;
        bond(centre, add(code, atoms[static_cast<std::size_t>(centre)].at + d));
    }
    bool polar() const { return sum.length() > kTolerance; }
};

constexpr double kCos30 = 0.8660254037844386;

// One end of a single bond between two centres, the bond along x, this end's other atoms
// pointing away from it (sign -1 for the first centre, +1 for the second).
enum class Kind { tetrahedral, trigonal, linear };
Vec endSum(int centreCode, Kind kind, double awaySign, std::initializer_list<int> places) {
    std::vector<Vec> directions;
    switch (kind) {
    case Kind::tetrahedral: {
        const double r = std::sqrt(8.0) / 3.0;
        for (double g : {0.0, 2.0943951023931953, 4.1887902047863905})
            directions.push_back({awaySign / 3.0, r * std::cos(g), r * std::sin(g)});
        break;
    }
    case Kind::trigonal:
        directions = {{awaySign * 0.5, kCos30, 0}, {awaySign * 0.5, -kCos30, 0}};
        break;
    case Kind::linear: directions = {{awaySign, 0, 0}}; break;
    }
    Vec sum;
    std::size_t i = 0;
    for (int place : places) {
        if (i >= directions.size()) break;
        sum = sum + bondDipole(centreCode, codeOfIndex(place), directions[i++]);
    }
    return sum;
}

// Two centres joined by a single bond, each end turning freely about it.
bool freeRotationPolar(int first, Kind firstKind, std::initializer_list<int> firstPlaces, int second, Kind secondKind,
                       std::initializer_list<int> secondPlaces) {
    const int f = codeOfIndex(first), s = codeOfIndex(second);
    const Vec a = endSum(f, firstKind, -1, firstPlaces);
    const Vec b = endSum(s, secondKind, +1, secondPlaces);
    const Vec central = bondDipole(f, s, {1, 0, 0});
    const auto across = [](const Vec& v) { return std::hypot(v.y, v.z); };
    // Each end's part across the axis turns with it and stays unless it is zero; the parts
    // along the axis add up in every conformation.
    return across(a) > kTolerance || across(b) > kTolerance || std::abs(a.x + b.x + central.x) > kTolerance;
}

std::optional<bool> polarOf(const GeometryDecision& d) {
    using K = Kind;
    if (const auto* a = std::get_if<R3dax4Args>(&d.args)) {
        Rigid m;
        const int centre = m.add(codeOfIndex(a->centre), {});
        const double k = 1 / std::sqrt(3.0);
        m.substituent(centre, codeOfIndex(a->p1), Vec{1, 1, 1} * k);
        m.substituent(centre, codeOfIndex(a->p2), Vec{1, -1, -1} * k);
        m.substituent(centre, codeOfIndex(a->p3), Vec{-1, 1, -1} * k);
        m.substituent(centre, codeOfIndex(a->p4), Vec{-1, -1, 1} * k);
        return m.polar();
    }
    if (const auto* a = std::get_if<Kax3Args>(&d.args)) {
        Rigid m;
        const int centre = m.add(codeOfIndex(a->centre), {});
        m.substituent(centre, codeOfIndex(a->doubled), {1, 0, 0});
        m.substituent(centre, codeOfIndex(a->single1), {-0.5, -kCos30, 0});
        m.substituent(centre, codeOfIndex(a->single2), {-0.5, kCos30, 0});
        return m.polar();
    }
    if (const auto* a = std::get_if<Kax3ax3Args>(&d.args)) {
        // As the view draws it: the first centre on top, s0a and s1b on one side, s0b and
        // s1a on the other (cis and trans as on the board).
        Rigid m;
        const int upper = m.add(codeOfIndex(a->upper), {0, 0.5, 0});
        const int lower = m.add(codeOfIndex(a->lower), {0, -0.5, 0});
        m.bond(upper, lower);
        m.substituent(upper, codeOfIndex(a->s0a), {-kCos30, 0.5, 0});
        m.substituent(upper, codeOfIndex(a->s0b), {kCos30, 0.5, 0});
        m.substituent(lower, codeOfIndex(a->s1a), {kCos30, -0.5, 0});
        m.substituent(lower, codeOfIndex(a->s1b), {-kCos30, -0.5, 0});
        return m.polar();
    }
    if (const auto* a = std::get_if<Kx2x3Args>(&d.args)) {
        Rigid m;
        const int trig = m.add(codeOfIndex(a->trig), {0, 1, 0});
        const int lin = m.add(codeOfIndex(a->lin), {0, 0, 0});
        m.bond(trig, lin);
        m.substituent(trig, codeOfIndex(a->s1), {-kCos30, 0.5, 0});
        m.substituent(trig, codeOfIndex(a->s2), {kCos30, 0.5, 0});
        m.substituent(lin, codeOfIndex(a->end), {0, -1, 0});
        return m.polar();
    }
    // The chains take element codes: atoms along one axis.
    const auto chain = [](std::initializer_list<int> codes) {
        Rigid m;
        int previous = -1;
        double x = 0;
        for (int code : codes) {
            if (!isElement(code)) continue;
            const int atom = m.add(code, {x, 0, 0});
            if (previous >= 0) m.bond(previous, atom);
            previous = atom;
            x += 1;
        }
        return m.polar();
    };
    if (const auto* a = std::get_if<R3dlin2Args>(&d.args)) return chain({a->a1, a->a2});
    if (const auto* a = std::get_if<R3dlin3Args>(&d.args)) return chain({a->end1, a->middle, a->end2});
    if (const auto* a = std::get_if<R3dlin4Args>(&d.args)) return chain({a->ax1, a->ax2, a->ax3, a->ax4});
    if (const auto* a = std::get_if<R3dax4ax4Args>(&d.args))
        return freeRotationPolar(a->t, K::tetrahedral, {a->t1, a->t2, a->t3}, a->u, K::tetrahedral, {a->u1, a->u2, a->u3});
    if (const auto* a = std::get_if<R3dax4ax3Args>(&d.args))
        return freeRotationPolar(a->t, K::tetrahedral, {a->t1, a->t2, a->t3}, a->g, K::trigonal, {a->gs, a->gd});
    if (const auto* a = std::get_if<R3dax3ax3sArgs>(&d.args))
        return freeRotationPolar(a->g, K::trigonal, {a->gs, a->gd}, a->h, K::trigonal, {a->hs, a->hd});
    if (const auto* a = std::get_if<R3dax4ax2Args>(&d.args))
        return freeRotationPolar(a->t, K::tetrahedral, {a->t1, a->t2, a->t3}, a->l, K::linear, {a->lt});
    if (const auto* a = std::get_if<R3dax3ax2Args>(&d.args))
        return freeRotationPolar(a->g, K::trigonal, {a->gs, a->gd}, a->l, K::linear, {a->lt});
    return std::nullopt;
}

}  // namespace

std::optional<bool> isPolarMolecule(const Construction& c, const GeometryDecision& decision) {
    for (int i = 0; i < kCellCount; ++i)
        if (isElement(c.code[i]) && formalCharge(c, i) != 0) return std::nullopt;
    if (decision.idle) return std::nullopt;
    return polarOf(decision);
}

std::string withPolarity(const std::string& text, std::optional<bool> polar) {
    if (!polar) return text;
    const std::string_view sentence = *polar ? geometry_texts::kPolar : geometry_texts::kApolar;
    if (text.empty()) return std::string(sentence);
    return text + std::string(geometry_texts::kCrlf) + std::string(sentence);
}

}  // namespace tavir

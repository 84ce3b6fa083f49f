#include "core/geometry3d/drawing.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/board/elements.hpp"

namespace tavir {

// Depth convention of every model: a point whose depth is positive lies behind the view
// plane, as a place whose azimuth has a positive sine does in the tetrahedral model.
// Back items are painted first; a back atom before its bond, a front atom after it.

int16_t nearest(double v) { return static_cast<int16_t>(std::nearbyint(v)); }

void tourneplan(int16_t& x, int16_t& y, int frameCounter) {
    // The pole constants are kept as written so that poses match the original frames.
    constexpr double kHalfPi = 1.5707963;
    constexpr double kPi = 3.1415927;
    const double t = frameCounter / 100.0;
    double phi = x == kViewCentre ? kHalfPi
                                  : std::atan(static_cast<double>(kViewCentre - y) / (kViewCentre - x));
    for (int i = 0; i < 2 && phi < 0; ++i) phi += kPi;
    if (y <= kViewCentre) phi += kPi;
    if (y == kViewCentre && x >= kViewCentre + 1) phi -= kPi;
    const double dx = kViewCentre - x;
    const double dy = kViewCentre - y;
    const double r = std::sqrt(dx * dx + dy * dy);
    x = nearest(r * std::cos(t + phi) + kViewCentre);
    y = nearest(r * std::sin(t + phi) + kViewCentre);
}

std::array<ViewPoint, 4> tetrahedralPlaces(int frameCounter, bool compact) {
    const double a = frameCounter / 20.0;
    const double L = compact ? 18 : 40;
    const double h = L / 1.4142;
    const int16_t upper = nearest(100 - h);
    const int16_t lower = static_cast<int16_t>(200 - upper);
    std::array<ViewPoint, 4> p{{
        {nearest(L * std::cos(a + 3.14) + 100), upper},  // p1
        {nearest(L * std::cos(a) + 100), upper},         // p2
        {nearest(L * std::cos(a + 1.57) + 100), lower},  // p3
        {nearest(L * std::cos(a + 4.71) + 100), lower},  // p4
    }};
    for (ViewPoint& q : p) tourneplan(q.x, q.y, frameCounter);
    return p;
}

namespace {

const Rgb kBondColour = paletteColour(palette::kGrey);
const Rgb kFigureColour = paletteColour(palette::kBlack);
constexpr int kBondWidth = 2;
constexpr int kFigureWidth = 1;
constexpr int kHalfSprite = 16;

int codeOfIndex(int index) { return index + 1; }

struct Painter {
    Canvas& canvas;
    bool compact;
    int n;  // frame counter, for the tilt

    // An empty place (or any code outside 1..5) paints nothing.
    void atom(ViewPoint p, int code) const {
        if (isElement(code)) canvas.sprite(p.x - kHalfSprite, p.y - kHalfSprite, code);
    }
    void bond(ViewPoint a, ViewPoint b) const {
        if (!compact) canvas.line(a.x, a.y, b.x, b.y, kBondColour, kBondWidth);
    }
    void figure(ViewPoint a, ViewPoint b) const { canvas.line(a.x, a.y, b.x, b.y, kFigureColour, kFigureWidth); }
    void outline(std::initializer_list<ViewPoint> corners) const {
        const ViewPoint* prev = corners.end() - 1;
        for (const ViewPoint& c : corners) {
            figure(*prev, c);
            prev = &c;
        }
    }
    ViewPoint tilted(double x, double y) const {
        ViewPoint p{nearest(x), nearest(y)};
        tourneplan(p.x, p.y, n);
        return p;
    }
    ViewPoint flat(double x, double y) const { return {nearest(x), nearest(y)}; }
};

// Offsets of the parallel strokes of a bond of order 1..3 from its centre line.
struct Strokes {
    std::array<int, 3> offset{};
    int count = 0;
    const int* begin() const { return offset.data(); }
    const int* end() const { return offset.data() + count; }
};
Strokes strokeOffsets(int order, int doubleGap, int tripleGap) {
    switch (order) {
    case 1: return {{0, 0, 0}, 1};
    case 2: return {{-doubleGap, doubleGap, 0}, 2};
    case 3: return {{-tripleGap, 0, tripleGap}, 3};
    default: return {};
    }
}

// --- one tetrahedral centre -------------------------------------------------------------

void drawTetra(const Painter& p, const std::array<ViewPoint, 4>& q) {
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) p.figure(q[static_cast<std::size_t>(i)], q[static_cast<std::size_t>(j)]);
}

void r3dax4(const Painter& p, const R3dax4Args& d, const FrameOptions& o) {
    const auto q = tetrahedralPlaces(p.n, o.compact);
    const std::array<int, 4> code{codeOfIndex(d.p1), codeOfIndex(d.p2), codeOfIndex(d.p3), codeOfIndex(d.p4)};
    const auto bondOf = [&](int i) {
        const ViewPoint& t = q[static_cast<std::size_t>(i)];
        if (!isElement(code[static_cast<std::size_t>(i)])) return;
        p.bond({nearest(0.2 * (t.x - 100) + 100), nearest(0.2 * (t.y - 100) + 100)},
               {nearest(0.8 * (t.x - 100) + 100), nearest(0.8 * (t.y - 100) + 100)});
    };
    const double a = p.n / 20.0;
    const bool sinPos = std::sin(a) >= 0;
    const bool cosPos = std::cos(a) >= 0;
    // Places by number - 1: p1 = 0 ... p4 = 3.
    using Pair = std::array<int, 2>;
    const auto [back, front] = sinPos && cosPos ? std::pair{Pair{2, 1}, Pair{0, 3}}
                               : sinPos         ? std::pair{Pair{3, 1}, Pair{0, 2}}
                               : !cosPos        ? std::pair{Pair{0, 3}, Pair{2, 1}}
                                                : std::pair{Pair{0, 2}, Pair{3, 1}};

    p.canvas.clear();
    for (int i : back) {
        p.atom(q[static_cast<std::size_t>(i)], code[static_cast<std::size_t>(i)]);
        bondOf(i);
    }
    p.atom({100, 100}, codeOfIndex(d.centre));
    for (int i : front) {
        bondOf(i);
        p.atom(q[static_cast<std::size_t>(i)], code[static_cast<std::size_t>(i)]);
    }
    if (o.figure) drawTetra(p, q);
}

// --- trigonal centres (azimuth n / 10, tilted) --------------------------------------------

// kax3: the double bond points along +x at counter 0; single2 stands above the centre and
// single1 below it, as the board's upper and lower cells do.
void kax3(const Painter& p, const Kax3Args& d, const FrameOptions& o, bool carbocation) {
    const double a = p.n / 10.0;
    const double R = o.compact ? 22 : 44;
    const double c = std::cos(a);
    const int centre = codeOfIndex(d.centre);
    const int doubled = codeOfIndex(d.doubled);
    const int single1 = codeOfIndex(d.single1);
    const int single2 = codeOfIndex(d.single2);

    const ViewPoint dbl = p.tilted(R * c + 100, 100);
    const ViewPoint s1 = p.tilted(100 - 0.5 * R * c, 100 + 0.866 * R);
    const ViewPoint s2 = p.tilted(100 - 0.5 * R * c, 100 - 0.866 * R);
    const auto doubleBond = [&] {
        if (!isElement(doubled)) return;
        // A carbocation's three bonds are single.
        for (int dy : strokeOffsets(carbocation ? 1 : 2, 2, 0))
            p.bond(p.tilted(0.2 * R * c + 100, 100 + dy), p.tilted(0.8 * R * c + 100, 100 + dy));
    };
    const auto singleBond = [&](int code, double dy) {
        if (!isElement(code)) return;
        const double dx = -0.5 * R * c;
        p.bond(p.tilted(100 + 0.2 * dx, 100 + 0.2 * dy), p.tilted(100 + 0.77 * dx, 100 + 0.77 * dy));
    };

    p.canvas.clear();
    if (std::sin(a) >= 0) {  // double-bond side behind
        p.atom(dbl, doubled);
        doubleBond();
        p.atom({100, 100}, centre);
        singleBond(single1, 0.866 * R);
        p.atom(s1, single1);
        singleBond(single2, -0.866 * R);
        p.atom(s2, single2);
    } else {
        p.atom(s1, single1);
        singleBond(single1, 0.866 * R);
        p.atom(s2, single2);
        singleBond(single2, -0.866 * R);
        p.atom({100, 100}, centre);
        doubleBond();
        p.atom(dbl, doubled);
    }
    if (o.figure) {
        const double left = 100 - 50 * c, right = 100 + 70 * c;
        p.outline({p.tilted(left, 40), p.tilted(right, 40), p.tilted(right, 160), p.tilted(left, 160)});
    }
}

// A substituent of one of the two centres on the vertical axis of Kax3ax3 and Kx2x3.
struct AxisSubstituent {
    ViewPoint at;
    ViewPoint bondFrom, bondTo;
    int code;
};

AxisSubstituent axisSubstituent(const Painter& p, double cx, double cy, double x, double y, int code) {
    return {p.tilted(x, y), p.tilted(cx + 0.2 * (x - cx), cy + 0.2 * (y - cy)),
            p.tilted(cx + 0.8 * (x - cx), cy + 0.8 * (y - cy)), code};
}

void paintBack(const Painter& p, const AxisSubstituent& s) {
    p.atom(s.at, s.code);
    if (isElement(s.code)) p.bond(s.bondFrom, s.bondTo);
}
void paintFront(const Painter& p, const AxisSubstituent& s) {
    if (isElement(s.code)) p.bond(s.bondFrom, s.bondTo);
    p.atom(s.at, s.code);
}

// Two centres on the vertical axis (Kax3ax3, Kx2x3): the azimuth a, the bond length R, the
// upper centre at yU, the lower at yL, and the height of the upper centre's substituents.
struct AxisFrame {
    double a, R, c, yU, yL, top;
    AxisFrame(const Painter& p, const FrameOptions& o)
        : a(p.n / 10.0), R(o.compact ? 22 : 44), c(std::cos(a)), yU(nearest(100 - R / 2)), yL(200 - yU),
          top(100 - R / 2 - 0.5 * R) {}
};

// A double bond along the vertical axis between y0 and y1: strokes at x = 98 and 102.
void axisDoubleBond(const Painter& p, double y0, double y1) {
    const double from = y0 + 0.2 * (y1 - y0), to = y0 + 0.8 * (y1 - y0);
    for (double x : {98.0, 102.0}) p.bond(p.tilted(x, from), p.tilted(x, to));
}

// Kax3ax3: the first centre stands on top, as if the board were turned a quarter turn
// clockwise: its lower cells' atom (s0a) goes to -x, its upper one (s0b) to +x; for the
// lower centre its upper cells' atom (s1a) goes to +x and its lower one (s1b) to -x.
void Kax3ax3(const Painter& p, const Kax3ax3Args& d, const FrameOptions& o) {
    const AxisFrame f(p, o);
    const double a = f.a, R = f.R, c = f.c, yU = f.yU, yL = f.yL, top = f.top;
    const double plusX = 100 + 0.866 * R * c, minusX = 100 - 0.866 * R * c;
    const double bottom = 100 + R / 2 + 0.5 * R;
    const AxisSubstituent s0a = axisSubstituent(p, 100, yU, minusX, top, codeOfIndex(d.s0a));
    const AxisSubstituent s0b = axisSubstituent(p, 100, yU, plusX, top, codeOfIndex(d.s0b));
    const AxisSubstituent s1a = axisSubstituent(p, 100, yL, plusX, bottom, codeOfIndex(d.s1a));
    const AxisSubstituent s1b = axisSubstituent(p, 100, yL, minusX, bottom, codeOfIndex(d.s1b));
    const bool plusBehind = std::sin(a) >= 0;
    const auto back = plusBehind ? std::array{s0b, s1a} : std::array{s0a, s1b};
    const auto front = plusBehind ? std::array{s0a, s1b} : std::array{s0b, s1a};

    p.canvas.clear();
    for (const auto& s : back) paintBack(p, s);
    axisDoubleBond(p, yU, yL);
    p.atom(p.tilted(100, yU), codeOfIndex(d.upper));
    p.atom(p.tilted(100, yL), codeOfIndex(d.lower));
    for (const auto& s : front) paintFront(p, s);
    if (o.figure) {
        const double left = 100 - 60 * c, right = 100 + 60 * c;
        p.outline({p.tilted(left, 30), p.tilted(right, 30), p.tilted(right, 170), p.tilted(left, 170)});
    }
}

// Kx2x3: the trigonal centre on top with s1 at -x and s2 at +x, the linear centre below it
// and the end atom lowest on the axis. The plane outline runs from y = 40 to y = 180, just
// past the end atom's picture.
void Kx2x3(const Painter& p, const Kx2x3Args& d, const FrameOptions& o) {
    const AxisFrame f(p, o);
    const double a = f.a, R = f.R, c = f.c, yU = f.yU, yL = f.yL, top = f.top;
    const double yE = nearest(1.5 * R + 100);
    const AxisSubstituent s1 = axisSubstituent(p, 100, yU, 100 - 0.866 * R * c, top, codeOfIndex(d.s1));
    const AxisSubstituent s2 = axisSubstituent(p, 100, yU, 100 + 0.866 * R * c, top, codeOfIndex(d.s2));
    const int end = codeOfIndex(d.end);
    const bool plusBehind = std::sin(a) >= 0;

    p.canvas.clear();
    paintBack(p, plusBehind ? s2 : s1);
    axisDoubleBond(p, yU, yL);
    if (isElement(end)) axisDoubleBond(p, yL, yE);
    p.atom(p.tilted(100, yU), codeOfIndex(d.trig));
    p.atom(p.tilted(100, yL), codeOfIndex(d.lin));
    p.atom(p.tilted(100, yE), end);
    paintFront(p, plusBehind ? s1 : s2);
    if (o.figure) {
        const double left = nearest(100 - 55 * c), right = nearest(100 + 55 * c);
        p.outline({p.tilted(left, 40), p.tilted(right, 40), p.tilted(right, 180), p.tilted(left, 180)});
    }
}

// --- linear chains (azimuth n / 10) ---------------------------------------------------------

// Atoms along the axis by their offset at counter 0 (+x first), and the bond strokes between
// neighbours from one offset to another. The first atom of the chain is on the +x side: it
// lies behind when sin(a) >= 0, so the chain is painted in order, else in reverse order.
struct ChainAtom {
    double offset;
    int code;
};
struct ChainBond {
    double from, to;
    int order;
};

void paintChain(const Painter& p, const std::vector<ChainAtom>& atoms, const std::vector<ChainBond>& bonds,
                bool tilt, bool figure) {
    const double a = p.n / 10.0;
    const double c = std::cos(a);
    const auto at = [&](double offset, double y) {
        return tilt ? p.tilted(100 + offset * c, y) : p.flat(100 + offset * c, y);
    };
    const auto paintBond = [&](const ChainBond& b) {
        for (int dy : strokeOffsets(b.order, 3, 4)) p.bond(at(b.from, 100 + dy), at(b.to, 100 + dy));
    };
    const auto paintAtom = [&](const ChainAtom& ca) { p.atom(at(ca.offset, 100), ca.code); };

    p.canvas.clear();
    const std::size_t count = atoms.size();
    if (std::sin(a) >= 0) {
        for (std::size_t i = 0; i < count; ++i) {
            paintAtom(atoms[i]);
            if (i + 1 < count) paintBond(bonds[i]);
        }
    } else {
        for (std::size_t i = count; i-- > 0;) {
            paintAtom(atoms[i]);
            if (i > 0) paintBond(bonds[i - 1]);
        }
    }
    if (figure) p.figure(tilt ? p.tilted(0, 100) : p.flat(0, 100), tilt ? p.tilted(200, 100) : p.flat(200, 100));
}

bool isHydrogen(int code) { return code == kHydrogen; }

void r3dlin2(const Painter& p, const R3dlin2Args& d, const FrameOptions& o) {
    const int a1 = d.a1, a2 = d.a2;
    const auto dist = [&](int code) { return o.compact ? (isHydrogen(code) ? 10.0 : 12.0) : 25.0; };
    const double d1 = dist(a1), d2 = dist(a2);
    paintChain(p, {{d1, a1}, {-d2, a2}}, {{0.6 * d1, -0.6 * d2, d.bond}}, false, o.figure);
}

// End 1 on the +x side, the middle atom in the view centre; each bond's strokes cover the
// middle 60 % of the gap between its atoms' centres, as in r3dlin2.
void r3dlin3(const Painter& p, const R3dlin3Args& d, const FrameOptions& o) {
    const int e1 = d.end1, m = d.middle, e2 = d.end2;
    const auto dist = [&](int code) { return o.compact ? (isHydrogen(code) ? 21.0 : 23.0) : 45.0; };
    const double d1 = dist(e1), d2 = dist(e2);
    paintChain(p, {{d1, e1}, {0, m}, {-d2, e2}},
               {{0.8 * d1, 0.2 * d1, d.bond1}, {-0.2 * d2, -0.8 * d2, d.bond2}}, true, o.figure);
}

// The outer bonds start at 1.45 of the inner atom's offset and end at 0.87 of the outer
// atom's: taken of the inner offset the outer end would fall under the inner atom.
void r3dlin4(const Painter& p, const R3dlin4Args& d, const FrameOptions& o) {
    const int ax1 = d.ax1, ax2 = d.ax2, ax3 = d.ax3, ax4 = d.ax4;
    const auto inner = [&](int code) { return o.compact ? (isHydrogen(code) ? 10.0 : 12.0) : 25.0; };
    const auto outer = [&](int code) { return o.compact ? (isHydrogen(code) ? 34.0 : 36.0) : 80.0; };
    const double o1 = outer(ax1), i2 = inner(ax2), i3 = inner(ax3), o4 = outer(ax4);
    paintChain(p, {{o1, ax1}, {i2, ax2}, {-i3, ax3}, {-o4, ax4}},
               {{0.87 * o1, 1.45 * i2, d.lia1}, {0.6 * i2, -0.6 * i3, d.lia2}, {-1.45 * i3, -0.87 * o4, d.lia3}},
               true, o.figure);
}

// --- two centres joined by a single bond ----------------------------------------------------

// The first centre of each routine stands on the +x side at counter 0 and turns at n / 14.28;
// the second turns at n / 20 times the rotation sign. The axis u = (cos b, sin b) in
// (screen x, depth); v = (sin b, -cos b) and screen y span the plane across it.
struct Vec3 {
    double x, y, depth;
};

struct SceneItem {
    double depth;
    bool isAtom;
    Vec3 a, b;
    int code;
    int order;
};

enum class CentreKind { tetrahedral, trigonal, linear };

struct Substituent {
    int code;
    int order;
};

class TwoCentreScene {
public:
    TwoCentreScene(const Painter& p, double D, double b) : p_(p), D_(D), cb_(std::cos(b)), sb_(std::sin(b)) {
        items_.reserve(16);
    }

    // side +1 or -1; substituents in angle order: g, g + 2.0944, g + 4.1888 (tetrahedral)
    // or g, g + 3.1415927 (trigonal) or on the axis (linear).
    void centre(int side, int code, CentreKind kind, double g, std::initializer_list<Substituent> subs) {
        const Vec3 c = along(side, 0.5 * D_);
        double axial = 0, radial = 0;
        std::array<double, 3> angles{};
        std::size_t places = 0;
        switch (kind) {
        case CentreKind::tetrahedral:
            axial = 0.83 * D_;
            radial = 0.943 * D_;
            angles = {g, g + 2.0944, g + 4.1888};
            places = 3;
            break;
        case CentreKind::trigonal:
            axial = (0.5 + 0.5) * D_;
            radial = 0.866 * D_;
            angles = {g, g + 3.1415927, 0};
            places = 2;
            break;
        case CentreKind::linear:
            axial = 1.5 * D_;
            places = 1;
            break;
        }
        std::size_t i = 0;
        for (const Substituent& s : subs) {
            if (i >= places) break;
            const Vec3 at = place(side, axial, radial, angles[i++]);
            addBond(c, at, s.code, s.order);
            addAtom(at, s.code);
        }
        addAtom(c, code);
        centres_[side > 0 ? 0 : 1] = {c, code};
    }

    // The plane through the axis and the directions g and g + pi across it.
    void planeOutline(double g) const {
        const double reach = 1.9 * D_, width = 1.2 * D_;
        const auto corner = [&](int alongSign, int acrossSign) {
            const Vec3 v = place(alongSign, reach, acrossSign * width, g);
            return p_.flat(v.x, v.y);
        };
        p_.outline({corner(1, 1), corner(1, -1), corner(-1, -1), corner(-1, 1)});
    }

    void paint() {
        addBond(centres_[0].at, centres_[1].at, centres_[1].code, 1, centres_[0].code);
        std::stable_sort(items_.begin(), items_.end(),
                         [](const SceneItem& l, const SceneItem& r) { return l.depth > r.depth; });
        for (const SceneItem& it : items_) {
            if (it.isAtom) {
                p_.atom(p_.flat(it.a.x, it.a.y), it.code);
                continue;
            }
            const ViewPoint from = p_.flat(it.a.x, it.a.y), to = p_.flat(it.b.x, it.b.y);
            // Parallel strokes side by side across the bond's main screen direction.
            const bool across = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
            for (int off : strokeOffsets(it.order, 2, 4)) {
                const int ox = across ? 0 : off, oy = across ? off : 0;
                p_.bond({static_cast<int16_t>(from.x + ox), static_cast<int16_t>(from.y + oy)},
                        {static_cast<int16_t>(to.x + ox), static_cast<int16_t>(to.y + oy)});
            }
        }
    }

private:
    struct PlacedCentre {
        Vec3 at{100, 100, 0};
        int code = 0;
    };

    Vec3 along(int side, double distance) const {
        return {100 + side * distance * cb_, 100, side * distance * sb_};
    }
    Vec3 place(int side, double axial, double radial, double g) const {
        return {100 + side * axial * cb_ + radial * std::sin(g) * sb_, 100 + radial * std::cos(g),
                side * axial * sb_ - radial * std::sin(g) * cb_};
    }
    void addAtom(const Vec3& at, int code) {
        if (isElement(code)) items_.push_back({at.depth, true, at, at, code, 0});
    }
    // From 0.2 to 0.8 of the way from the centre to the atom.
    void addBond(const Vec3& c, const Vec3& at, int code, int order, int otherCode = kCarbon) {
        if (!isElement(code) || !isElement(otherCode)) return;
        const auto mix = [&](double f) {
            return Vec3{c.x + f * (at.x - c.x), c.y + f * (at.y - c.y), c.depth + f * (at.depth - c.depth)};
        };
        const Vec3 a = mix(0.2), b = mix(0.8);
        items_.push_back({(a.depth + b.depth) / 2, false, a, b, 0, order});
    }

    const Painter& p_;
    double D_, cb_, sb_;
    std::array<PlacedCentre, 2> centres_{};
    std::vector<SceneItem> items_;
};

void twoCentres(const Painter& p, const GeometryDecision& d, int rotationSign, const FrameOptions& o) {
    const double D = o.compact ? 22 : 50;
    const double gFirst = p.n / 14.28;
    const double gSecond = p.n / 20.0 * (rotationSign == 0 ? 1 : rotationSign);
    const auto single = [](Place i) { return Substituent{codeOfIndex(i), 1}; };
    // The routine's first centre is on side +1; a carbocation's "doubled" place is single.
    const auto doubledOf = [&](int centre) {
        const int order = d.vacancyCentre == centre ? 1 : 2;
        return [order](Place i) { return Substituent{codeOfIndex(i), order}; };
    };
    const auto doubled = doubledOf(1);
    const auto doubledSecond = doubledOf(2);
    const auto tripled = [](Place i) { return Substituent{codeOfIndex(i), 3}; };
    constexpr auto tet = CentreKind::tetrahedral;
    constexpr auto trig = CentreKind::trigonal;
    constexpr auto lin = CentreKind::linear;

    TwoCentreScene scene(p, D, p.n / 100.0);
    if (const auto* a = std::get_if<R3dax4ax4Args>(&d.args)) {
        scene.centre(1, codeOfIndex(a->t), tet, gFirst, {single(a->t1), single(a->t2), single(a->t3)});
        scene.centre(-1, codeOfIndex(a->u), tet, gSecond, {single(a->u1), single(a->u2), single(a->u3)});
    } else if (const auto* a = std::get_if<R3dax4ax3Args>(&d.args)) {
        scene.centre(1, codeOfIndex(a->t), tet, gFirst, {single(a->t1), single(a->t2), single(a->t3)});
        scene.centre(-1, codeOfIndex(a->g), trig, gSecond, {single(a->gs), doubledSecond(a->gd)});
    } else if (const auto* a = std::get_if<R3dax3ax3sArgs>(&d.args)) {
        scene.centre(1, codeOfIndex(a->g), trig, gFirst, {single(a->gs), doubled(a->gd)});
        scene.centre(-1, codeOfIndex(a->h), trig, gSecond, {single(a->hs), doubledSecond(a->hd)});
    } else if (const auto* a = std::get_if<R3dax4ax2Args>(&d.args)) {
        scene.centre(1, codeOfIndex(a->t), tet, gFirst, {single(a->t1), single(a->t2), single(a->t3)});
        scene.centre(-1, codeOfIndex(a->l), lin, gSecond, {tripled(a->lt)});
    } else if (const auto* a = std::get_if<R3dax3ax2Args>(&d.args)) {
        scene.centre(1, codeOfIndex(a->g), trig, gFirst, {single(a->gs), doubled(a->gd)});
        scene.centre(-1, codeOfIndex(a->l), lin, gSecond, {tripled(a->lt)});
    } else {
        return;
    }
    p.canvas.clear();
    scene.paint();
    if (o.figure && d.routine == GeometryRoutine::r3dax3ax2) scene.planeOutline(gFirst);
}

// Runs a routine on its own arguments; a decision without them draws nothing.
template <typename Args, typename Routine>
void run(const Painter& p, const GeometryDecision& d, const FrameOptions& o, Routine routine) {
    if (const auto* args = std::get_if<Args>(&d.args)) routine(p, *args, o);
}

}  // namespace

void drawGeometryFrame(const GeometryDecision& decision, int frameCounter, int rotationSign,
                       const FrameOptions& options, Canvas& canvas) {
    if (decision.idle) return;
    const Painter p{canvas, options.compact, frameCounter};
    switch (decision.routine) {
    case GeometryRoutine::r3dax4: run<R3dax4Args>(p, decision, options, r3dax4); break;
    case GeometryRoutine::kax3:
        run<Kax3Args>(p, decision, options, [&](const Painter& q, const Kax3Args& a, const FrameOptions& f) {
            kax3(q, a, f, decision.vacancyCentre == 1);
        });
        break;
    case GeometryRoutine::Kax3ax3: run<Kax3ax3Args>(p, decision, options, Kax3ax3); break;
    case GeometryRoutine::Kx2x3: run<Kx2x3Args>(p, decision, options, Kx2x3); break;
    case GeometryRoutine::r3dlin2: run<R3dlin2Args>(p, decision, options, r3dlin2); break;
    case GeometryRoutine::r3dlin3: run<R3dlin3Args>(p, decision, options, r3dlin3); break;
    case GeometryRoutine::r3dlin4: run<R3dlin4Args>(p, decision, options, r3dlin4); break;
    case GeometryRoutine::r3dax4ax4:
    case GeometryRoutine::r3dax4ax3:
    case GeometryRoutine::r3dax3ax3s:
    case GeometryRoutine::r3dax4ax2:
    case GeometryRoutine::r3dax3ax2: twoCentres(p, decision, rotationSign, options); break;
    case GeometryRoutine::single:
        canvas.clear();
        if (const auto* a = std::get_if<SingleArgs>(&decision.args)) p.atom({100, 100}, codeOfIndex(a->atom));
        break;
    case GeometryRoutine::empty:
    case GeometryRoutine::none: canvas.clear(); break;
    }
}

}  // namespace tavir

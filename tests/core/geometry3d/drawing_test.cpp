// The 3D frames: poses, exact strokes at known counters, painting order, compact and figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/canvas/recording_canvas.hpp"
#include "core/geometry3d/classification.hpp"
#include "core/geometry3d/drawing.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;
using Kind = DrawCall::Kind;

const Rgb kGrey = paletteColour(8);
const Rgb kBlack = paletteColour(0);

RecordingCanvas draw(const GeometryDecision& d, int n, FrameOptions o = {}, int sign = 1) {
    RecordingCanvas canvas;
    drawGeometryFrame(d, n, sign, o, canvas);
    return canvas;
}

GeometryDecision handMade(GeometryRoutine routine, GeometryArgs args) {
    GeometryDecision d;
    d.routine = routine;
    d.args = args;
    return d;
}

DrawCall sprite(int x, int y, int code) {
    DrawCall c;
    c.kind = Kind::Sprite;
    c.x1 = x;
    c.y1 = y;
    c.element = code;
    return c;
}
DrawCall bond(int x1, int y1, int x2, int y2) {
    DrawCall c;
    c.kind = Kind::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.colour = paletteColour(8);
    c.width = 2;
    return c;
}
DrawCall figureLine(int x1, int y1, int x2, int y2) {
    DrawCall c = bond(x1, y1, x2, y2);
    c.colour = paletteColour(0);
    c.width = 1;
    return c;
}
DrawCall cleared() { return DrawCall{}; }

std::vector<DrawCall> linesOf(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<DrawCall> out;
    for (const DrawCall& c : canvas.callsOf(Kind::Line))
        if (c.colour == colour) out.push_back(c);
    return out;
}
std::vector<int> spriteCodes(const RecordingCanvas& canvas) {
    std::vector<int> codes;
    for (const DrawCall& c : canvas.callsOf(Kind::Sprite)) codes.push_back(c.element);
    return codes;
}

// --- tourneplan ---------------------------------------------------------------------------

struct TiltCase {
    const char* name;
    int x, y, n;
    int ex, ey;
};
class Tourneplan : public ::testing::TestWithParam<TiltCase> {};

TEST_P(Tourneplan, TurnsAboutTheViewCentre) {
    const TiltCase& tc = GetParam();
    int16_t x = static_cast<int16_t>(tc.x), y = static_cast<int16_t>(tc.y);
    tourneplan(x, y, tc.n);
    EXPECT_EQ(x, tc.ex);
    EXPECT_EQ(y, tc.ey);
}

INSTANTIATE_TEST_SUITE_P(Points, Tourneplan,
                         ::testing::Values(TiltCase{"view_centre", 100, 100, 123, 100, 100},
                                           TiltCase{"straight_above_at_0", 100, 60, 0, 100, 60},
                                           TiltCase{"upper_right_at_0", 140, 72, 0, 140, 72},
                                           TiltCase{"right_on_axis_at_0", 140, 100, 0, 140, 100},
                                           TiltCase{"left_on_axis_at_0", 60, 100, 0, 60, 100},
                                           TiltCase{"straight_below_at_0", 100, 140, 0, 100, 140},
                                           TiltCase{"right_quarter_turn", 140, 100, 157, 100, 140},
                                           TiltCase{"above_quarter_turn", 100, 60, 157, 140, 100},
                                           TiltCase{"lower_left_quarter_turn", 70, 120, 157, 80, 70},
                                           TiltCase{"right_half_turn", 140, 100, 314, 60, 100},
                                           TiltCase{"tilt_of_a_tenth", 140, 100, 10, 140, 104}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Tourneplan, EveryQuadrantKeepsItsPointAtCounterZeroAndTurnsAQuarterAt157) {
    for (int x = 40; x <= 160; x += 7) {
        for (int y = 40; y <= 160; y += 9) {
            int16_t px = static_cast<int16_t>(x), py = static_cast<int16_t>(y);
            tourneplan(px, py, 0);
            EXPECT_EQ(std::make_pair(int{px}, int{py}), std::make_pair(x, y)) << "at 0: " << x << "," << y;
            px = static_cast<int16_t>(x);
            py = static_cast<int16_t>(y);
            tourneplan(px, py, 157);
            // A quarter turn in a y-down view: (dx, dy) becomes (-dy, dx).
            EXPECT_EQ(std::make_pair(int{px}, int{py}), std::make_pair(100 - (y - 100), 100 + (x - 100)))
                << "at 157: " << x << "," << y;
        }
    }
}

TEST(Nearest, RoundsHalvesToEven) {
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(71.7155), 72);
}

// --- tetrahedral model --------------------------------------------------------------------

TEST(Tetrahedral, PlacesAtCounterZero) {
    EXPECT_EQ(tetrahedralPlaces(0, false),
              (std::array<ViewPoint, 4>{{{60, 72}, {140, 72}, {100, 128}, {100, 128}}}));
    EXPECT_EQ(tetrahedralPlaces(0, true), (std::array<ViewPoint, 4>{{{82, 87}, {118, 87}, {100, 113}, {100, 113}}}));
}

const Construction kMethane =
    makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}});
const Construction kWater = makeConstruction({{0, O}, {1, H}, {9, H}}, {{1, 1}, {9, 1}});

TEST(Tetrahedral, MethaneAtCounterZeroExactly) {
    const RecordingCanvas canvas = draw(decideGeometry(kMethane), 0);
    const std::vector<DrawCall> expected{
        cleared(),
        sprite(84, 112, H), bond(100, 106, 100, 122),  // p3, behind
        sprite(124, 56, H), bond(108, 94, 132, 78),    // p2, behind
        sprite(84, 84, C),                              // centre
        bond(92, 94, 68, 78), sprite(44, 56, H),       // p1, in front
        bond(100, 106, 100, 122), sprite(84, 112, H),  // p4, in front
    };
    EXPECT_EQ(canvas.calls(), expected);
}

struct OrderCase {
    const char* name;
    int n;
    std::vector<int> codes;  // sprites in painting order
};
class TetrahedralOrder : public ::testing::TestWithParam<OrderCase> {};

// p1 H, p2 O, p3 N, p4 Cl around a carbon: the sprite order shows the place order.
TEST_P(TetrahedralOrder, PaintsBackPlacesFirst) {
    const OrderCase& tc = GetParam();
    const GeometryDecision d = handMade(GeometryRoutine::r3dax4, R3dax4Args{0, 1, 2, 3, 4});
    const RecordingCanvas canvas = draw(d, tc.n);
    EXPECT_EQ(spriteCodes(canvas), tc.codes);
    // Back places: picture then bond; front places: bond then picture.
    std::vector<Kind> kinds;
    for (const DrawCall& c : canvas.calls()) kinds.push_back(c.kind);
    const std::vector<Kind> expected{Kind::Clear, Kind::Sprite, Kind::Line, Kind::Sprite, Kind::Line, Kind::Sprite,
                                     Kind::Line,  Kind::Sprite, Kind::Line, Kind::Sprite};
    EXPECT_EQ(kinds, expected);
    // Each outer picture sits on its place.
    const auto places = tetrahedralPlaces(tc.n, false);
    for (const DrawCall& s : canvas.callsOf(Kind::Sprite)) {
        if (s.element == C) continue;
        const ViewPoint& p = places[static_cast<std::size_t>(s.element - 2)];
        EXPECT_EQ(std::make_pair(s.x1, s.y1), std::make_pair(p.x - 16, p.y - 16)) << "code " << s.element;
    }
}

INSTANTIATE_TEST_SUITE_P(Quadrants, TetrahedralOrder,
                         ::testing::Values(OrderCase{"sin_pos_cos_pos", 0, {N, O, C, H, Cl}},
                                           OrderCase{"sin_pos_cos_neg", 40, {Cl, O, C, H, N}},
                                           OrderCase{"sin_neg_cos_neg", 80, {H, Cl, C, N, O}},
                                           OrderCase{"sin_neg_cos_pos", 110, {H, N, C, Cl, O}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Tetrahedral, WaterDrawsTwoBondsAndNoneWhenCompact) {
    const GeometryDecision d = decideGeometry(kWater);
    const RecordingCanvas full = draw(d, 0);
    EXPECT_EQ(linesOf(full, kGrey).size(), 2u);
    EXPECT_EQ(spriteCodes(full), (std::vector<int>{O, H, H}));

    const RecordingCanvas compact = draw(d, 0, {true, false});
    EXPECT_TRUE(compact.callsOf(Kind::Line).empty());
    const std::vector<DrawCall> expected{cleared(), sprite(84, 84, O), sprite(66, 71, H), sprite(84, 97, H)};
    EXPECT_EQ(compact.calls(), expected);
}

TEST(Tetrahedral, FigureHasAllSixEdgesEvenWithLonePairs) {
    for (int n : {0, 33, 250}) {
        const RecordingCanvas canvas = draw(decideGeometry(kWater), n, {false, true});
        const auto q = tetrahedralPlaces(n, false);
        std::multiset<std::pair<std::pair<int, int>, std::pair<int, int>>> expected, drawn;
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j) {
                auto a = std::make_pair(int{q[i].x}, int{q[i].y}), b = std::make_pair(int{q[j].x}, int{q[j].y});
                expected.insert(std::minmax(a, b));
            }
        const auto edges = linesOf(canvas, kBlack);
        for (const DrawCall& e : edges) {
            EXPECT_EQ(e.width, 1);
            drawn.insert(std::minmax(std::make_pair(e.x1, e.y1), std::make_pair(e.x2, e.y2)));
        }
        EXPECT_EQ(drawn, expected) << "counter " << n;
        EXPECT_EQ(canvas.calls().back().colour, kBlack) << "the figure lies over the model";
    }
}

// --- exact frames of the other routines at counter 0 --------------------------------------

TEST(Frames, MethanalAtCounterZero) {
    const auto d = decideGeometry(makeConstruction({{0, C}, {1, O}, {5, H}, {9, H}}, {{1, 2}, {5, 1}, {9, 1}}));
    const std::vector<DrawCall> expected{
        cleared(),
        sprite(128, 84, O), bond(109, 98, 135, 98), bond(109, 102, 135, 102),  // double side behind
        sprite(84, 84, C),
        bond(96, 108, 83, 129), sprite(62, 122, H),  // single1 below
        bond(96, 92, 83, 71), sprite(62, 46, H),     // single2 above
    };
    EXPECT_EQ(draw(d, 0).calls(), expected);
}

TEST(Frames, EtheneCentresAndDoubleBondAtCounterZero) {
    const auto d = decideGeometry(makeConstruction({{0, C}, {1, C}, {5, H}, {9, Cl}, {10, H}, {4, Cl}},
                                                   {{1, 2}, {5, 1}, {9, 1}, {10, 1}, {4, 1}}));
    const RecordingCanvas canvas = draw(d, 0);
    const std::vector<DrawCall> sprites = canvas.callsOf(Kind::Sprite);
    const std::vector<DrawCall> expected{sprite(122, 40, Cl), sprite(122, 128, H), sprite(84, 62, C),
                                         sprite(84, 106, C),  sprite(46, 40, H),   sprite(46, 128, Cl)};
    EXPECT_EQ(sprites, expected);
    const auto lines = linesOf(canvas, kGrey);
    EXPECT_NE(std::find(lines.begin(), lines.end(), bond(98, 87, 98, 113)), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), bond(102, 87, 102, 113)), lines.end());
}

TEST(Frames, TwoAtomsTurnAndSwapPaintingOrder) {
    const auto d = decideGeometry(makeConstruction({{0, H}, {1, Cl}}, {{1, 1}}));
    EXPECT_EQ(draw(d, 0).calls(),
              (std::vector<DrawCall>{cleared(), sprite(109, 84, H), bond(115, 100, 85, 100), sprite(59, 84, Cl)}));
    // a = 4: the hydrogen has come round to the front and is painted last.
    EXPECT_EQ(draw(d, 40).calls(),
              (std::vector<DrawCall>{cleared(), sprite(100, 84, Cl), bond(90, 100, 110, 100), sprite(68, 84, H)}));
    // Compact: hydrogen nearer than chlorine, no bond; the figure is the axis line.
    EXPECT_EQ(draw(d, 0, {true, true}).calls(),
              (std::vector<DrawCall>{cleared(), sprite(94, 84, H), sprite(72, 84, Cl), figureLine(0, 100, 200, 100)}));
}

TEST(Frames, CarbonDioxideDoubleBondsAtCounterZero) {
    const auto d = decideGeometry(makeConstruction({{0, C}, {1, O}, {7, O}}, {{1, 2}, {7, 2}}));
    const std::vector<DrawCall> expected{
        cleared(),          sprite(129, 84, O),     bond(136, 97, 109, 97), bond(136, 103, 109, 103),
        sprite(84, 84, C),  bond(91, 97, 64, 97),   bond(91, 103, 64, 103), sprite(39, 84, O),
    };
    EXPECT_EQ(draw(d, 0).calls(), expected);
}

TEST(Frames, FourInLineBondsReachTheOuterAtoms) {
    const auto d =
        decideGeometry(makeConstruction({{0, C}, {1, C}, {7, H}, {2, Cl}}, {{1, 3}, {7, 1}, {2, 1}}));
    const std::vector<DrawCall> expected{
        cleared(),           sprite(164, 84, H),      bond(170, 100, 136, 100), sprite(109, 84, C),
        bond(115, 96, 85, 96), bond(115, 100, 85, 100), bond(115, 104, 85, 104), sprite(59, 84, C),
        bond(64, 100, 30, 100), sprite(4, 84, Cl),
    };
    EXPECT_EQ(draw(d, 0).calls(), expected);
}

const Construction kChloroethane =
    makeConstruction({{0, C}, {1, C}, {5, H}, {7, Cl}, {9, H}, {10, H}, {2, H}, {4, H}},
                     {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {10, 1}, {2, 1}, {4, 1}});

TEST(Frames, SingleBondCentresAtCounterZero) {
    const RecordingCanvas canvas = draw(decideGeometry(kChloroethane), 0);
    std::vector<std::pair<int, int>> at;
    for (const DrawCall& s : canvas.callsOf(Kind::Sprite)) at.emplace_back(s.x1 + 16, s.y1 + 16);
    std::sort(at.begin(), at.end());
    // 100 +/- 41.5 rounds to the even neighbours 142 and 58.
    const std::vector<std::pair<int, int>> expected{{58, 76}, {58, 76}, {58, 147}, {75, 100},
                                                    {125, 100}, {142, 76}, {142, 76}, {142, 147}};
    EXPECT_EQ(at, expected);
    const auto lines = linesOf(canvas, kGrey);
    EXPECT_NE(std::find(lines.begin(), lines.end(), bond(115, 100, 85, 100)), lines.end());
}

TEST(Frames, SingleBondEndsTurnByTheRotationSign) {
    const GeometryDecision d = decideGeometry(kChloroethane);
    const auto sorted = [](std::vector<DrawCall> v) {
        std::sort(v.begin(), v.end(), [](const DrawCall& a, const DrawCall& b) {
            return std::tie(a.x1, a.y1, a.element) < std::tie(b.x1, b.y1, b.element);
        });
        return v;
    };
    const auto plus = sorted(draw(d, 100, {}, 1).callsOf(Kind::Sprite));
    const auto zero = sorted(draw(d, 100, {}, 0).callsOf(Kind::Sprite));
    const auto minus = sorted(draw(d, 100, {}, -1).callsOf(Kind::Sprite));
    EXPECT_EQ(zero, plus);
    EXPECT_NE(minus, plus);
    std::vector<DrawCall> common;
    std::set_intersection(plus.begin(), plus.end(), minus.begin(), minus.end(), std::back_inserter(common),
                          [](const DrawCall& a, const DrawCall& b) {
                              return std::tie(a.x1, a.y1, a.element) < std::tie(b.x1, b.y1, b.element);
                          });
    EXPECT_GE(common.size(), 5u) << "both centres and the first end's atoms stay";
}

TEST(Frames, SingleBondCentresPaintedBackToFront) {
    // Nitrosomethane: carbon on the first side, nitrogen on the other.
    const auto d = decideGeometry(makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, O}},
                                                   {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 2}}));
    const auto position = [](const std::vector<int>& codes, int code) {
        return std::find(codes.begin(), codes.end(), code) - codes.begin();
    };
    const std::vector<int> carbonBehind = spriteCodes(draw(d, 157));
    EXPECT_LT(position(carbonBehind, C), position(carbonBehind, N));
    const std::vector<int> carbonInFront = spriteCodes(draw(d, 471));
    EXPECT_GT(position(carbonInFront, C), position(carbonInFront, N));
}

// --- every routine, whatever the counter --------------------------------------------------

struct RoutineCase {
    const char* routine;
    Construction board;
    std::size_t figureLines;
};
class EveryRoutine : public ::testing::TestWithParam<RoutineCase> {};

TEST_P(EveryRoutine, PaintsEachAtomOnceAndHonoursCompactAndFigure) {
    const RoutineCase& tc = GetParam();
    const GeometryDecision d = decideGeometry(tc.board);
    ASSERT_EQ(geometryName(d.routine), tc.routine);
    std::vector<int> atoms;
    for (int16_t code : tc.board.code)
        if (code != 0) atoms.push_back(code);
    std::sort(atoms.begin(), atoms.end());

    for (int n : {0, 37, 100, 313, 500, 627}) {
        for (bool compact : {false, true}) {
            SCOPED_TRACE("counter " + std::to_string(n) + (compact ? " compact" : ""));
            const RecordingCanvas plain = draw(d, n, {compact, false}, -1);
            ASSERT_FALSE(plain.calls().empty());
            EXPECT_EQ(plain.calls().front().kind, Kind::Clear);
            EXPECT_EQ(plain.callsOf(Kind::Clear).size(), 1u);
            std::vector<int> codes = spriteCodes(plain);
            std::sort(codes.begin(), codes.end());
            EXPECT_EQ(codes, atoms);
            EXPECT_TRUE(linesOf(plain, kBlack).empty());
            const auto bonds = linesOf(plain, kGrey);
            if (compact) EXPECT_TRUE(bonds.empty());
            else EXPECT_FALSE(bonds.empty());
            for (const DrawCall& b : bonds) EXPECT_EQ(b.width, 2);

            const RecordingCanvas withFigure = draw(d, n, {compact, true}, -1);
            EXPECT_EQ(linesOf(withFigure, kBlack).size(), tc.figureLines);
            EXPECT_EQ(withFigure.calls().size(), plain.calls().size() + tc.figureLines);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EveryRoutine,
    ::testing::Values(
        RoutineCase{"r3dax4", kMethane, 6},
        RoutineCase{"kax3", makeConstruction({{0, O}, {1, C}, {2, H}, {4, H}}, {{1, 2}, {2, 1}, {4, 1}}), 4},
        RoutineCase{"Kax3ax3",
                    makeConstruction({{0, C}, {1, C}, {5, H}, {9, Cl}, {10, H}, {4, Cl}},
                                     {{1, 2}, {5, 1}, {9, 1}, {10, 1}, {4, 1}}),
                    4},
        RoutineCase{"Kx2x3",
                    makeConstruction({{0, C}, {1, C}, {7, O}, {10, H}, {4, Cl}}, {{1, 2}, {7, 2}, {10, 1}, {4, 1}}),
                    4},
        RoutineCase{"r3dlin2", makeConstruction({{0, H}, {1, Cl}}, {{1, 1}}), 1},
        RoutineCase{"r3dlin3", makeConstruction({{0, C}, {1, N}, {5, H}}, {{1, 3}, {5, 1}}), 1},
        RoutineCase{"r3dlin4", makeConstruction({{0, C}, {1, C}, {7, H}, {2, Cl}}, {{1, 3}, {7, 1}, {2, 1}}), 1},
        RoutineCase{"r3dax4ax4", kChloroethane, 0},
        RoutineCase{"r3dax4ax3",
                    makeConstruction({{0, C}, {1, N}, {5, H}, {7, H}, {9, H}, {2, O}},
                                     {{1, 1}, {5, 1}, {7, 1}, {9, 1}, {2, 2}}),
                    0},
        RoutineCase{"r3dax3ax3s",
                    makeConstruction({{0, C}, {1, C}, {5, H}, {9, O}, {2, O}, {4, H}},
                                     {{1, 1}, {5, 1}, {9, 2}, {2, 2}, {4, 1}}),
                    0},
        RoutineCase{"r3dax4ax2",
                    makeConstruction({{0, C}, {1, C}, {7, N}, {10, H}, {2, Cl}, {4, H}},
                                     {{1, 1}, {7, 3}, {10, 1}, {2, 1}, {4, 1}}),
                    0},
        RoutineCase{"r3dax3ax2",
                    makeConstruction({{0, C}, {1, C}, {5, H}, {9, O}, {2, N}}, {{1, 1}, {5, 1}, {9, 2}, {2, 3}}),
                    4}),
    [](const auto& info) { return std::string(info.param.routine); });

// --- the small cases ------------------------------------------------------------------------

TEST(Frames, SmallCases) {
    EXPECT_EQ(draw(decideGeometry(Construction{}), 5).calls(), std::vector<DrawCall>{cleared()});
    EXPECT_EQ(draw(decideGeometry(makeConstruction({{1, N}})), 5).calls(),
              (std::vector<DrawCall>{cleared(), sprite(84, 84, N)}));
    const auto triple = makeConstruction({{0, C}, {1, C}, {2, N}, {5, H}}, {{1, 2}, {2, 3}, {5, 1}});
    EXPECT_EQ(draw(decideGeometry(triple), 5, {false, true}).calls(), std::vector<DrawCall>{cleared()});
    // Unbonded centres: the view keeps its last picture.
    EXPECT_TRUE(draw(decideGeometry(makeConstruction({{0, C}, {1, C}})), 5).calls().empty());
}

}  // namespace
}  // namespace tavir

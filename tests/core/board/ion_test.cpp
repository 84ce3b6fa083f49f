// Polyatomic ions: what the analysis accepts and keeps with the formal charges shown, and that
// the same boards behave as before without them.
#include <gtest/gtest.h>

#include <string>

#include "core/analysis/analysis.hpp"
#include "core/board/acceptance.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/dotstructure/dot_structure.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

constexpr AnalysisOptions kCharges{true};

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct IonCase {
    const char* name;
    Construction dropped;  // as the pupil left it on the board
    int dragFlag;
    // With the charges shown.
    Construction tidied;
    bool accepted;
    const char* formula;
    const char* routine;
    const char* textEnd;  // end of the geometry text ("" for none)
    // Without them.
    bool neutralAccepted;
    const char* neutralFormula;
};
void PrintTo(const IonCase& c, std::ostream* os) { *os << c.name; }
class Ions : public ::testing::TestWithParam<IonCase> {};

TEST_P(Ions, AcceptedWithTheChargesShownOnly) {
    const IonCase& tc = GetParam();
    const tavir::Analysis ticked = analyse(tc.dropped, tc.dragFlag, kCharges);
    EXPECT_EQ(ticked.board.record.toString(), tc.tidied.toString());
    EXPECT_EQ(ticked.accepted, tc.accepted);
    EXPECT_EQ(ticked.formula, tc.formula);
    EXPECT_EQ(geometryName(ticked.geometry.routine), tc.routine);
    const std::string text = ticked.geometry.text.value_or("");
    EXPECT_TRUE(endsWith(text, tc.textEnd)) << text;
    EXPECT_EQ(text.empty(), std::string(tc.textEnd).empty()) << text;

    const tavir::Analysis unticked = analyse(tc.dropped, tc.dragFlag);
    EXPECT_EQ(unticked.accepted, tc.neutralAccepted);
    EXPECT_EQ(unticked.formula, tc.neutralFormula);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ions,
    ::testing::Values(
        // The fourth hydrogen stays on nitrogen, the third on oxygen; unticked it is removed.
        IonCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}), 0,
                makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}), true,
                "NH4+", "r3dax4", "tétraédrique.", true, "NH3"},
        IonCase{"ammonium_on_centre_1", makeConstruction({{0, H}, {1, N}, {10, H}, {2, H}, {4, H}}), 0,
                makeConstruction({{0, H}, {1, N}, {10, H}, {2, H}, {4, H}}, {{1, 1}, {10, 1}, {2, 1}, {4, 1}}), true,
                "NH4+", "r3dax4", "tétraédrique.", true, "NH3"},
        IonCase{"oxonium", makeConstruction({{0, O}, {1, H}, {5, H}, {9, H}}), 0,
                makeConstruction({{0, O}, {1, H}, {5, H}, {9, H}}, {{1, 1}, {5, 1}, {9, 1}}), true, "H3O+",
                "r3dax4", "pyramidale.", true, "H2O"},
        // A fourth neighbour on oxygen is one too many even for an ion.
        IonCase{"oxygen_keeps_three_neighbours", makeConstruction({{0, O}, {1, H}, {5, H}, {7, H}, {9, H}}), 0,
                makeConstruction({{0, O}, {1, H}, {5, H}, {7, H}}, {{1, 1}, {5, 1}, {7, 1}}), true, "H3O+",
                "r3dax4", "pyramidale.", true, "H2O"},
        IonCase{"amide", makeConstruction({{0, N}, {1, H}, {5, H}}), 0,
                makeConstruction({{0, N}, {1, H}, {5, H}}, {{1, 1}, {5, 1}}), true, "NH2-", "r3dax4", "coudée.",
                false, ""},
        IonCase{"hydroxide", makeConstruction({{0, O}, {1, H}}), 0, makeConstruction({{0, O}, {1, H}}, {{1, 1}}),
                true, "HO-", "r3dlin2", "", false, ""},
        IonCase{"cyanide", makeConstruction({{0, C}, {1, N}}, {{1, 3}}), 0,
                makeConstruction({{0, C}, {1, N}}, {{1, 3}}), true, "CN-", "r3dlin2", "", false, ""},
        IonCase{"chloride", makeConstruction({{9, Cl}}), 0, makeConstruction({{0, Cl}}), true, "Cl-", "single", "",
                false, ""},
        IonCase{"lone_hydride", makeConstruction({{2, H}}), 0, makeConstruction({{1, H}}), true, "H-", "single", "",
                false, ""},
        // Neutral molecules are the same either way.
        IonCase{"methane", makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}), 0,
                makeConstruction({{0, C}, {1, H}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}), true,
                "CH4", "r3dax4", "tétraédrique.", true, "CH4"},
        IonCase{"ammonia", makeConstruction({{0, N}, {1, H}, {5, H}, {9, H}}), 0,
                makeConstruction({{0, N}, {1, H}, {5, H}, {9, H}}, {{1, 1}, {5, 1}, {9, 1}}), true, "NH3", "r3dax4",
                "pyramidale.", true, "NH3"},
        // A double bond on a nitrogen with four neighbours is lowered as before: only singles.
        IonCase{"nitrogen_double_lowered", makeConstruction({{0, N}, {1, C}, {5, H}, {7, H}, {9, H}}, {{1, 2}}), 0,
                makeConstruction({{0, N}, {1, C}, {5, H}, {7, H}, {9, H}}, {{1, 1}, {5, 1}, {7, 1}, {9, 1}}),
                false, "", "none", "", false, ""},
        // Rejected: a charge beyond one, or a charged hydrogen beside other atoms.
        IonCase{"lone_oxygen", makeConstruction({{0, O}}), 0, makeConstruction({{0, O}}), false, "", "none", "",
                false, ""},
        IonCase{"lone_nitrogen", makeConstruction({{1, N}}), 0, makeConstruction({{1, N}}), false, "", "none", "",
                false, ""},
        IonCase{"carbon_two_short", makeConstruction({{0, C}, {1, H}, {5, H}}), 0,
                makeConstruction({{0, C}, {1, H}, {5, H}}, {{1, 1}, {5, 1}}), false, "", "none", "", false, ""},
        IonCase{"hydrogen_with_two_bonds", makeConstruction({{0, H}, {1, O}, {5, H}}), 1,
                makeConstruction({{0, H}, {1, O}, {5, H}}, {{1, 1}, {5, 1}}), false, "", "none", "", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The dot structure of each ion as the analysis leaves it: its pair bars, and a mark on the
// charged atom that hides none of them.
struct Mark {
    int x, y;
    const char* text;
};
struct DrawingCase {
    const char* name;
    Construction dropped;
    int bars;
    std::vector<Mark> marks;
};
void PrintTo(const DrawingCase& c, std::ostream* os) { *os << c.name; }
class IonDrawing : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(IonDrawing, BarsAndMarks) {
    const DrawingCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.dropped, 0, kCharges);
    ASSERT_TRUE(a.shown());
    RecordingCanvas canvas;
    reptavir(a.board.record, a.board.position, DotOptions{false, true, true}, canvas);
    std::vector<DrawCall> bars;
    for (const DrawCall& l : canvas.callsOf(DrawCall::Kind::Line))
        if (l.colour == paletteColour(palette::kLightBlue)) bars.push_back(l);
    EXPECT_EQ(static_cast<int>(bars.size()), tc.bars);

    const auto circles = canvas.callsOf(DrawCall::Kind::Circle);
    const auto texts = canvas.callsOf(DrawCall::Kind::Text);
    ASSERT_EQ(circles.size(), tc.marks.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const Mark& m = tc.marks[i];
        EXPECT_EQ(std::make_tuple(circles[i].x1, circles[i].y1), std::make_tuple(m.x, m.y));
        EXPECT_EQ(texts[texts.size() - circles.size() + i].text, m.text);
        for (const DrawCall& b : bars) {
            // Both ends and the middle of every bar lie outside the disc.
            for (auto [x, y] : {std::pair{b.x1, b.y1}, std::pair{b.x2, b.y2},
                                std::pair{(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2}}) {
                const int dx = x - circles[i].x1;
                const int dy = y - circles[i].y1;
                EXPECT_GT(dx * dx + dy * dy, circles[i].x2 * circles[i].x2) << "bar end " << x << "," << y;
            }
        }
    }
}

// Board cells: centre 0 at (32, 32), centre 1 at (64, 32).
INSTANTIATE_TEST_SUITE_P(
    Table, IonDrawing,
    ::testing::Values(
        DrawingCase{"ammonium", makeConstruction({{0, N}, {1, H}, {5, H}, {7, H}, {9, H}}), 0, {{62, 31, "+"}}},
        DrawingCase{"oxonium_left_free", makeConstruction({{0, O}, {1, H}, {5, H}, {9, H}}), 1, {{33, 33, "+"}}},
        DrawingCase{"oxonium_top_free", makeConstruction({{0, O}, {1, H}, {5, H}, {7, H}}), 1, {{48, 25, "+"}}},
        DrawingCase{"oxonium_on_centre_1", makeConstruction({{0, H}, {1, O}, {2, H}, {4, H}}), 1, {{80, 25, "+"}}},
        DrawingCase{"methanide_left_free", makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), 1, {{33, 33, "−"}}},
        DrawingCase{"hydroxide", makeConstruction({{0, O}, {1, H}}), 3, {{48, 25, "−"}}},
        DrawingCase{"amide", makeConstruction({{0, N}, {1, H}, {5, H}}), 2, {{48, 25, "−"}}},
        // Cyanide: the charge is on carbon, three bonds for a usual four.
        DrawingCase{"cyanide", makeConstruction({{0, C}, {1, N}}, {{1, 3}}), 2, {{48, 25, "−"}}},
        DrawingCase{"cyanide_reversed", makeConstruction({{0, N}, {1, C}}, {{1, 3}}), 2, {{95, 33, "−"}}},
        DrawingCase{"chloride", makeConstruction({{0, Cl}}), 4, {{48, 25, "−"}}},
        DrawingCase{"hydride", makeConstruction({{0, H}}), 1, {{48, 25, "−"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir

// A carbocation is trigonal: its vacancy takes no place, so its three bonds lie in a plane at
// 120°, and the 3D model draws all three single.
#include <gtest/gtest.h>

#include <string>

#include "core/analysis/analysis.hpp"
#include "core/canvas/recording_canvas.hpp"
#include "core/geometry3d/drawing.hpp"
#include "support/boards.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

Construction withVacancy(Construction c, int centre) {
    c.vacancy[static_cast<std::size_t>(centre)] = true;
    return c;
}

struct VacancyShapeCase {
    const char* name;
    Construction built;
    const char* routine;
    int vacancyCentre;
    const char* text;
    std::size_t bondStrokes;  // grey lines of the frame at counter 0
};
void PrintTo(const VacancyShapeCase& c, std::ostream* os) { *os << c.name; }
class VacancyShape : public ::testing::TestWithParam<VacancyShapeCase> {};

TEST_P(VacancyShape, PlaneAround120WithSingleBonds) {
    const VacancyShapeCase& tc = GetParam();
    const tavir::Analysis a = analyse(tc.built, 0, AnalysisOptions{true});
    ASSERT_TRUE(a.shown());
    EXPECT_EQ(geometryName(a.geometry.routine), tc.routine);
    EXPECT_EQ(a.geometry.vacancyCentre, tc.vacancyCentre);
    EXPECT_EQ(a.geometry.text.value_or(""), tc.text);
    RecordingCanvas canvas;
    drawGeometryFrame(a.geometry, 0, 1, {}, canvas);
    std::size_t strokes = 0;
    for (const DrawCall& l : canvas.callsOf(DrawCall::Kind::Line)) strokes += l.colour == paletteColour(8) ? 1 : 0;
    EXPECT_EQ(strokes, tc.bondStrokes);
}

const char* const kPlaneCarbon =
    "Les angles entre les liaisons autour de l'élément central (carbone) sont voisins de 120°.\r\n"
    "La structure est plane.";
INSTANTIATE_TEST_SUITE_P(
    Table, VacancyShape,
    ::testing::Values(
        VacancyShapeCase{"methylium", withVacancy(makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), 0), "kax3", 1,
                         kPlaneCarbon, 3},
        VacancyShapeCase{"methylium_on_centre_1", withVacancy(makeConstruction({{0, H}, {1, C}, {2, H}, {10, H}}), 1),
                         "kax3", 1, kPlaneCarbon, 3},
        // The same board with its pair: pyramidal.
        VacancyShapeCase{"methanide", makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), "r3dax4", 0,
                         "Les angles entre les liaisons autour de l'élément central (carbone) sont voisins de 109°.\r\n"
                         "On dit que la structure est pyramidale.",
                         3},
        // Three bonds and the bond between the centres: six strokes, none doubled.
        VacancyShapeCase{"ethylium", withVacancy(makeConstruction({{0, C}, {1, C}, {5, H}, {7, H}, {9, H}, {2, H}, {4, H}}), 1),
                         "r3dax4ax3", 2,
                         "Les angles entre les liaisons sont voisins de 109° autour du carbone et de 120° autour du "
                         "carbone. Il y a libre rotation autour de la liaison simple.",
                         6},
        VacancyShapeCase{"ethylium_on_centre_0",
                         withVacancy(makeConstruction({{0, C}, {1, C}, {7, H}, {9, H}, {2, H}, {4, H}, {10, H}}), 0),
                         "r3dax4ax3", 2,
                         "Les angles entre les liaisons sont voisins de 109° autour du carbone et de 120° autour du "
                         "carbone. Il y a libre rotation autour de la liaison simple.",
                         6},
        VacancyShapeCase{"hydroxymethylium", withVacancy(makeConstruction({{0, C}, {1, O}, {7, H}, {9, H}, {2, H}}), 0),
                         "r3dax4ax3", 2,
                         "Les angles entre les liaisons sont voisins de 109° autour de l'oxygène et de 120° autour du "
                         "carbone. Il y a libre rotation autour de la liaison simple.",
                         4}),
    [](const auto& info) { return std::string(info.param.name); });

// Without the formal charges there is no vacancy: the carbon is short of a bond, refused.
TEST(VacancyShape, DroppedWithoutTheFormalCharges) {
    const tavir::Analysis a = analyse(withVacancy(makeConstruction({{0, C}, {1, H}, {5, H}, {9, H}}), 0));
    EXPECT_FALSE(a.board.record.hasVacancy());
    EXPECT_FALSE(a.accepted);
}

}  // namespace
}  // namespace tavir

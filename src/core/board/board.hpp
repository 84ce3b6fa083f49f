#pragma once
// The board as the pupil sees it: what each cell shows, where it stands, and the record read
// from it. The tidying rules of the analysis work here.
#include <array>
#include <cstdint>

#include "core/board/construction.hpp"
#include "core/board/topology.hpp"

namespace tavir {

// Neighbours a centre of this element keeps (0 for no limit): N 3 and O 2, one more of each
// while ions may be built (ammonium, oxonium).
int neighbourLimit(int code, bool ions);

struct Board {
    Construction record;
    // Element picture shown by each cell (0 = the empty picture). The picture is the
    // authority; record.code is its reading.
    std::array<int16_t, kCellCount> picture{};
    std::array<CellPosition, kCellCount> position = designPositions();
    std::array<bool, kCellCount> customCursor{};
    // 1 right after a pick-up, -1 while that move is unfinished, else 0.
    int16_t dragFlag = 0;

    bool occupied(int cell) const { return record.code[cell] != 0; }

    void readPictures();
    void moveAtom(int from, int to);
    void removeAtom(int cell);

    // The model steps of the analysis, in the order it runs them.
    void testpos();
    void autoBond();
    void testencomb(int16_t& alors, bool ions = false);
    // Lowers bonds above the element's ceiling: its usual valence, one more on nitrogen and
    // oxygen while ions may be built.
    void testliaisons(bool ions = false);
    // A vacancy stays only on a carbon that may hold one, and only while ions may be built.
    void settleVacancies(bool ions);
    void placeCorners();
    void limitMonovalentCentreBond();
    void updateCursors();
    // All of the above: the board becomes an admissible construction; with ions allowed,
    // nitrogen and oxygen keep one more neighbour and one more bond.
    void tidy(bool ions = false);

    // Shows a construction: pictures and codes from it, bond slots and vacancies from it.
    void show(const Construction& c);
};

}  // namespace tavir

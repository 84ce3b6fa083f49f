#pragma once
// Where a table's cells stand on screen: the model gives each cell its right edge, and a cell
// that spans two columns of another row (a merged "Total") is wider, not one column. The
// columns are the distinct right edges of all rows; a row whose edges do not grow is laid
// out a cell per column. Cells merged down (VerticalMerge) are one cell over several rows.
#include <vector>

#include "core/richtext/rich_text.hpp"

namespace tavir {

struct GridCell {
    int column = 0;
    int columnSpan = 1;
    int rowSpan = 1;       // more than 1 for the first of cells merged down
    bool covered = false;  // under a cell merged down from above: not drawn on its own
};

struct TableGrid {
    int columns = 0;
    std::vector<int> columnEdges;              // right edges, twips, growing; empty when laid out per cell
    std::vector<std::vector<GridCell>> cells;  // [row][cell of the model's row]
};

TableGrid tableGrid(const Table& table);

}  // namespace tavir

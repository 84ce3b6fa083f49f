#include "core/richtext/table_grid.hpp"

#include <algorithm>
#include <cstddef>

namespace tavir {

namespace {

bool edgesGrow(const Table& table) {
    for (const auto& row : table.rows) {
        int left = 0;
        for (const auto& cell : row.cells) {
            if (cell.rightEdge <= left) return false;
            left = cell.rightEdge;
        }
    }
    return true;
}

int columnOf(const std::vector<int>& edges, int edge) {
    return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin());
}

}  // namespace

TableGrid tableGrid(const Table& table) {
    TableGrid grid;
    const bool byEdges = edgesGrow(table);
    if (byEdges) {
        for (const auto& row : table.rows)
            for (const auto& cell : row.cells) grid.columnEdges.push_back(cell.rightEdge);
        std::sort(grid.columnEdges.begin(), grid.columnEdges.end());
        grid.columnEdges.erase(std::unique(grid.columnEdges.begin(), grid.columnEdges.end()), grid.columnEdges.end());
        grid.columns = static_cast<int>(grid.columnEdges.size());
    } else {
        for (const auto& row : table.rows) grid.columns = std::max(grid.columns, static_cast<int>(row.cells.size()));
    }
    for (const auto& row : table.rows) {
        std::vector<GridCell> cells;
        int left = 0;
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            GridCell cell;
            if (byEdges) {
                cell.column = left == 0 ? 0 : columnOf(grid.columnEdges, left) + 1;
                cell.columnSpan = columnOf(grid.columnEdges, row.cells[i].rightEdge) - cell.column + 1;
                left = row.cells[i].rightEdge;
            } else {
                cell.column = static_cast<int>(i);
            }
            cells.push_back(cell);
        }
        // A shorter row: its last cell spans the rest, so that the row keeps its cells.
        if (!cells.empty()) cells.back().columnSpan = grid.columns - cells.back().column;
        grid.cells.push_back(std::move(cells));
    }
    // Cells merged down: a covered cell joins the cell above it that starts its run in the
    // same columns; one with nothing to join is a cell of its own.
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t i = 0; i < table.rows[r].cells.size(); ++i) {
            if (table.rows[r].cells[i].verticalMerge != VerticalMerge::First) continue;
            GridCell& first = grid.cells[r][i];
            for (std::size_t below = r + 1; below < table.rows.size(); ++below) {
                const auto& row = table.rows[below].cells;
                std::size_t k = 0;
                while (k < row.size() && grid.cells[below][k].column < first.column) ++k;
                if (k == row.size() || row[k].verticalMerge != VerticalMerge::Covered ||
                    grid.cells[below][k].column != first.column || grid.cells[below][k].columnSpan != first.columnSpan)
                    break;
                grid.cells[below][k].covered = true;
                ++first.rowSpan;
            }
        }
    }
    return grid;
}

}  // namespace tavir

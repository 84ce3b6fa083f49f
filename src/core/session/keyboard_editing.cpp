#include "core/session/keyboard_editing.hpp"

#include "core/board/elements.hpp"
#include "core/board/topology.hpp"
#include "core/session/workspace.hpp"

namespace tavir {

namespace {
constexpr int kColumns = 4;
constexpr int kRows = 3;

int columnOf(int cell) { return kGridPositions[static_cast<std::size_t>(cell)].left / kCellSize; }
int rowOf(int cell) { return kGridPositions[static_cast<std::size_t>(cell)].top / kCellSize; }

int cellAt(int column, int row) {
    for (int i = 0; i < kCellCount; ++i)
        if (columnOf(i) == column && rowOf(i) == row) return i;
    return -1;
}

int elementOf(BoardKey key) {
    switch (key) {
    case BoardKey::Carbon: return kCarbon;
    case BoardKey::Hydrogen: return kHydrogen;
    case BoardKey::Oxygen: return kOxygen;
    case BoardKey::Nitrogen: return kNitrogen;
    case BoardKey::Chlorine: return kChlorine;
    default: return kEmpty;
    }
}

bool setBondOrder(Workspace& workspace, int cell, int order) {
    const int slot = bondSlotOfCell(cell);
    const auto menu = bondMenuForSlot(workspace.board().record, slot, workspace.view().options.dot.formalCharges);
    if (!menu || order > menu->highestOrder) return false;
    workspace.chooseBondOrderOf(slot, order);
    return true;
}
}  // namespace

std::optional<BoardKey> boardKeyForCharacter(char c) {
    switch (c) {
    case 'c': case 'C': return BoardKey::Carbon;
    case 'h': case 'H': return BoardKey::Hydrogen;
    case 'o': case 'O': return BoardKey::Oxygen;
    case 'n': case 'N': return BoardKey::Nitrogen;
    case 'l': case 'L': return BoardKey::Chlorine;
    case 'v': case 'V': return BoardKey::Vacancy;
    case '1': return BoardKey::Order1;
    case '2': return BoardKey::Order2;
    case '3': return BoardKey::Order3;
    default: return std::nullopt;
    }
}

int neighbourCell(int cell, BoardKey arrow) {
    if (cell < 0 || cell >= kCellCount) return 0;
    int column = columnOf(cell);
    int row = rowOf(cell);
    switch (arrow) {
    case BoardKey::Left: column = column > 0 ? column - 1 : column; break;
    case BoardKey::Right: column = column < kColumns - 1 ? column + 1 : column; break;
    case BoardKey::Up: row = row > 0 ? row - 1 : row; break;
    case BoardKey::Down: row = row < kRows - 1 ? row + 1 : row; break;
    default: return cell;
    }
    return cellAt(column, row);
}

bool applyBoardKey(Workspace& workspace, int& focusedCell, BoardKey key) {
    if (focusedCell < 0 || focusedCell >= kCellCount) focusedCell = 0;
    switch (key) {
    case BoardKey::Left:
    case BoardKey::Right:
    case BoardKey::Up:
    case BoardKey::Down:
        focusedCell = neighbourCell(focusedCell, key);
        return true;
    case BoardKey::Remove:
        // As dragging the atom off the board: lifted, then the interrupted move's analysis.
        if (!workspace.pickUp(focusedCell)) return false;
        workspace.finishInterruptedMove();
        return true;
    case BoardKey::Order1: return setBondOrder(workspace, focusedCell, 1);
    case BoardKey::Order2: return setBondOrder(workspace, focusedCell, 2);
    case BoardKey::Order3: return setBondOrder(workspace, focusedCell, 3);
    case BoardKey::Vacancy: {
        const auto& record = workspace.board().record;
        const bool now = focusedCell < 2 && record.vacancy[static_cast<std::size_t>(focusedCell)];
        return workspace.setVacancy(focusedCell, !now);
    }
    default:
        workspace.dropPaletteElement(focusedCell, elementOf(key));
        return true;
    }
}

}  // namespace tavir

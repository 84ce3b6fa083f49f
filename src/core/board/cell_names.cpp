#include "core/board/cell_names.hpp"

#include <cctype>

#include "core/board/elements.hpp"
#include "core/board/texts.hpp"
#include "core/session/keyboard_editing.hpp"

namespace tavir {

namespace {

// The palette's names in lower case inside the sentence; their capitals are plain ASCII.
std::string lowerFirst(std::string_view name) {
    std::string out(name);
    if (!out.empty()) out[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[0])));
    return out;
}

void replaceArg(std::string& text, std::string_view arg, const std::string& value) {
    const std::size_t p = text.find(arg);
    if (p != std::string::npos) text.replace(p, arg.size(), value);
}

}  // namespace

std::string cellAccessibleName(const Board& board, int cell) {
    if (cell < 0 || cell >= kCellCount) return {};
    const int code = board.record.code[static_cast<std::size_t>(cell)];
    const std::string content = isElement(code) ? lowerFirst(board_texts::kA11yElementNames[static_cast<std::size_t>(code)])
                                                : std::string(board_texts::kEmptyCellName);
    const CellPosition grid = kGridPositions[static_cast<std::size_t>(cell)];
    std::string text(board_texts::kCellAccessibleName);
    replaceArg(text, "%1", std::to_string(grid.top / kCellSize + 1));
    replaceArg(text, "%2", std::to_string(grid.left / kCellSize + 1));
    replaceArg(text, "%3", content);
    return text;
}

std::string cellBondDescription(const Board& board, int cell) {
    if (cell < 0 || cell >= kCellCount) return {};
    const int order = board.record.slot[static_cast<std::size_t>(bondSlotOfCell(cell))];
    return std::string(board_texts::kBondDescriptions[order >= 0 && order <= 3 ? order : 0]);
}

}  // namespace tavir

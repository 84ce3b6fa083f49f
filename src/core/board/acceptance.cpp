#include "core/board/acceptance.hpp"

#include "core/board/elements.hpp"

namespace tavir {

int formalCharge(const Construction& c, int cell) {
    return bondCount(c, cell) - usualValence(c.code[cell]);
}

bool isAccepted(const Construction& c) {
    for (int i = 0; i < kCellCount; ++i)
        if (isElement(c.code[i]) && formalCharge(c, i) != 0) return false;
    return true;
}

}  // namespace tavir

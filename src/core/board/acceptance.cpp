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

bool isAcceptedIon(const Construction& c) {
    int atoms = 0;
    for (int i = 0; i < kCellCount; ++i) atoms += isElement(c.code[i]) ? 1 : 0;
    bool charged = false;
    for (int i = 0; i < kCellCount; ++i) {
        if (!isElement(c.code[i])) continue;
        const int q = formalCharge(c, i);
        if (q < -1 || q > 1) return false;
        if (q != 0 && c.code[i] == kHydrogen && atoms > 1) return false;
        charged = charged || q != 0;
    }
    return charged;
}

bool isAccepted(const Construction& c, bool formalCharges) {
    return isAccepted(c) || (formalCharges && isAcceptedIon(c));
}

}  // namespace tavir

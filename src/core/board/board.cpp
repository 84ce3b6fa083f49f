#include "core/board/board.hpp"

#include "core/board/acceptance.hpp"
#include "core/board/elements.hpp"

namespace tavir {

namespace {

bool isMonovalent(int code) { return code == kHydrogen || code == kChlorine; }
bool isChainAtom(int code) { return code == kCarbon || code == kOxygen || code == kNitrogen; }

struct CornerRule {
    int corner, p, q, far, farCorner;
};
// Corners in the order the crowding test visits them.
constexpr std::array<CornerRule, 4> kCornerRules{{
    {8, 7, 9, 5, 6},
    {6, 5, 7, 9, 8},
    {11, 10, 2, 4, 3},
    {3, 2, 4, 10, 11},
}};

}  // namespace

int neighbourLimit(int code, bool ions) {
    const int extra = ions ? 1 : 0;
    if (code == kOxygen) return 2 + extra;
    if (code == kNitrogen) return 3 + extra;
    return 0;
}

void Board::readPictures() {
    for (int i = 0; i < kCellCount; ++i)
        record.code[i] = isElement(picture[i]) ? picture[i] : int16_t{0};
    for (int centre = 0; centre < 2; ++centre)
        if (record.code[centre] != kCarbon) record.vacancy[centre] = false;
}

void Board::moveAtom(int from, int to) {
    picture[to] = picture[from];
    picture[from] = 0;
    record.code[to] = record.code[from];
    record.code[from] = 0;
    // Only peripheral atoms move, and they never hold a vacancy.
    if (to < 2) record.vacancy[static_cast<std::size_t>(to)] = false;
}

void Board::removeAtom(int cell) {
    record.code[cell] = 0;
    picture[cell] = 0;
}

void Board::testpos() {
    if (dragFlag == 1) {
        // The atom was just lifted: leave its old neighbours where they are for now.
        dragFlag = -1;
        return;
    }
    dragFlag = 0;
    if (isChainAtom(record.code[0]) && isChainAtom(record.code[1])) return;

    int n = 0;
    int last = -1;
    for (int i = 0; i < kCellCount; ++i) {
        if (occupied(i)) {
            ++n;
            last = i;
        }
    }
    if (n == 1 && last >= 2) {
        moveAtom(last, slotCentre(last));
    } else if (n == 2) {
        for (int i = 2; i < kCellCount; ++i)
            if (occupied(i)) moveAtom(i, occupied(0) ? 1 : 0);
    } else if (n > 2) {
        for (int i = 2; i < kCellCount; ++i) {
            if (occupied(i) && !occupied(0)) moveAtom(i, 0);
            if (occupied(i) && !occupied(1)) moveAtom(i, 1);
        }
    }
    // A monovalent centre keeps only the other centre as neighbour.
    if (isMonovalent(record.code[0]))
        for (int c : kCentre0Cells) removeAtom(c);
    if (isMonovalent(record.code[1]))
        for (int c : kCentre1Cells) removeAtom(c);
}

void Board::autoBond() {
    auto bond = [this](int slot, int a, int b) {
        if (occupied(a) && occupied(b)) {
            if (record.slot[slot] == 0) record.slot[slot] = 1;
        } else {
            record.slot[slot] = 0;
        }
    };
    bond(1, 0, 1);
    for (int k : kCentre0Cells) bond(k, 0, k);
    for (int k : kCentre1Cells) bond(k, 1, k);
}

void Board::testencomb(int16_t& alors, bool ions) {
    alors = 0;
    auto limitNeighbours = [this, ions](int centre, int element) {
        if (record.code[centre] != element) return;
        const int limit = neighbourLimit(element, ions);
        int seen = occupied(1 - centre) ? 1 : 0;
        for (int c : centre == 0 ? kCentre0Cells : kCentre1Cells) {
            if (!occupied(c)) continue;
            if (seen >= limit) {
                removeAtom(c);
                record.slot[c] = 0;
            } else {
                ++seen;
            }
        }
    };
    limitNeighbours(0, kOxygen);
    limitNeighbours(1, kOxygen);
    limitNeighbours(0, kNitrogen);
    limitNeighbours(1, kNitrogen);

    for (const auto& r : kCornerRules) {
        if (!occupied(r.corner) || record.slot[r.corner] == 0) continue;
        const bool pFull = occupied(r.p);
        const bool qFull = occupied(r.q);
        if (pFull && qFull) {
            if (!occupied(r.far) && !occupied(r.farCorner)) {
                moveAtom(r.corner, r.far);
            } else {
                removeAtom(r.corner);
            }
            record.slot[r.corner] = 0;
            alors = 1;
        } else if (pFull != qFull) {
            const int target = pFull ? r.q : r.p;
            moveAtom(r.corner, target);
            record.slot[target] = record.slot[r.corner];
            record.slot[r.corner] = 0;
            alors = 1;
        }
    }
}

void Board::testliaisons(bool ions) {
    bool changed = true;
    while (changed) {
        changed = false;
        for (int i = 0; i < kCellCount; ++i) {
            if (!occupied(i) || bondCount(record, i) <= bondCeiling(record.code[i], ions)) continue;
            auto lower = [&](int slot) {
                if (record.slot[slot] > 1) {
                    --record.slot[slot];
                    changed = true;
                }
            };
            if (i == 0) {
                for (int s : kCentre0Slots) lower(s);
            } else if (i == 1) {
                for (int s : kCentre1Slots) lower(s);
            } else {
                lower(i);
            }
        }
    }
}

void Board::settleVacancies(bool ions) {
    for (int centre = 0; centre < 2; ++centre) {
        auto& v = record.vacancy[static_cast<std::size_t>(centre)];
        v = v && ions && canHoldVacancy(record, centre);
    }
}

void Board::placeCorners() {
    struct Corner {
        int cell, leftOf, topOf, dx, dy;
    };
    static constexpr std::array<Corner, 4> kCorners{{
        {3, 2, 4, -8, -8},
        {6, 7, 5, 8, -8},
        {8, 7, 9, 8, 8},
        {11, 2, 9, -8, 8},
    }};
    for (const auto& c : kCorners) {
        CellPosition p{position[c.leftOf].left, position[c.topOf].top};
        if (record.slot[c.cell] != 0) {
            p.left = static_cast<int16_t>(p.left + c.dx);
            p.top = static_cast<int16_t>(p.top + c.dy);
        }
        position[c.cell] = p;
    }
}

void Board::limitMonovalentCentreBond() {
    if ((isMonovalent(record.code[0]) || isMonovalent(record.code[1])) && record.slot[1] != 0)
        record.slot[1] = 1;
}

void Board::updateCursors() {
    for (int i = 0; i < kCellCount; ++i) customCursor[i] = occupied(i);
}

void Board::tidy(bool ions) {
    int16_t alors = 0;
    do {
        readPictures();
        testpos();
        autoBond();
        testencomb(alors, ions);
    } while (alors != 0);
    testliaisons(ions);
    placeCorners();
    limitMonovalentCentreBond();
    settleVacancies(ions);
    updateCursors();
}

void Board::show(const Construction& c) {
    for (int i = 0; i < kCellCount; ++i) {
        record.code[i] = c.code[i];
        picture[i] = c.code[i];
    }
    for (int k = 1; k < kSlotCount; ++k) record.slot[k] = c.slot[k];
    record.vacancy = c.vacancy;
}

}  // namespace tavir

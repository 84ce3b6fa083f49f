#include "core/board/acceptance.hpp"

#include <array>
#include <utility>

#include "core/board/elements.hpp"

namespace tavir {

int formalCharge(const Construction& c, int cell) {
    const bool vacancy = (cell == 0 || cell == 1) && c.vacancy[static_cast<std::size_t>(cell)];
    return bondCount(c, cell) - usualValence(c.code[cell]) + (vacancy ? 2 : 0);
}

int speciesCharge(const Construction& c) {
    int q = 0;
    for (int i = 0; i < kCellCount; ++i)
        if (isElement(c.code[i])) q += formalCharge(c, i);
    return q;
}

bool canHoldVacancy(const Construction& c, int cell) {
    if ((cell != 0 && cell != 1) || c.code[cell] != kCarbon) return false;
    int singles = 0;
    for (int s = 1; s < kSlotCount; ++s) {
        if (slotCentre(s) != cell && slotOtherCell(s) != cell) continue;
        if (c.slot[s] > 1) return false;
        singles += c.slot[s];
    }
    return singles == 3;
}

bool isAccepted(const Construction& c) {
    for (int i = 0; i < kCellCount; ++i)
        if (isElement(c.code[i]) && formalCharge(c, i) != 0) return false;
    return true;
}

namespace {

// Every atom reached from the first one through bonds.
bool allJoined(const Construction& c) {
    std::array<bool, kCellCount> reached{};
    int first = -1;
    for (int i = 0; i < kCellCount && first < 0; ++i)
        if (isElement(c.code[i])) first = i;
    if (first < 0) return true;
    reached[static_cast<std::size_t>(first)] = true;
    for (bool grew = true; grew;) {
        grew = false;
        for (int s = 1; s < kSlotCount; ++s) {
            if (c.slot[s] == 0) continue;
            auto& a = reached[static_cast<std::size_t>(slotCentre(s))];
            auto& b = reached[static_cast<std::size_t>(slotOtherCell(s))];
            if (a != b) {
                a = b = true;
                grew = true;
            }
        }
    }
    for (int i = 0; i < kCellCount; ++i)
        if (isElement(c.code[i]) && !reached[static_cast<std::size_t>(i)]) return false;
    return true;
}

}  // namespace

IonVerdict ionVerdict(const Construction& c) {
    std::array<int, kCellCount> q{};
    int atoms = 0;
    bool charged = false;
    bool negative = false;
    for (int i = 0; i < kCellCount; ++i) {
        if (!isElement(c.code[i])) continue;
        ++atoms;
        q[static_cast<std::size_t>(i)] = formalCharge(c, i);
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (!isElement(c.code[i])) continue;
        const int qi = q[static_cast<std::size_t>(i)];
        if (qi < -1 || qi > 1) return IonVerdict::chargeBeyondOne;
        if (qi != 0 && c.code[i] == kHydrogen && atoms > 1) return IonVerdict::chargedHydrogen;
        charged = charged || qi != 0;
        negative = negative || qi < 0;
    }
    if (!charged) return IonVerdict::uncharged;
    if (!allJoined(c)) return IonVerdict::notJoined;
    for (int s = 1; s < kSlotCount; ++s) {
        if (c.slot[s] == 0) continue;
        const int a = q[static_cast<std::size_t>(slotCentre(s))];
        const int b = q[static_cast<std::size_t>(slotOtherCell(s))];
        // Each atom of a two-atom dianion must hold one charge: peroxide, acetylide.
        const bool dianion = atoms == 2 && a < 0;
        if (a != 0 && a == b && !dianion) return IonVerdict::likeChargesBonded;
    }
    const int net = speciesCharge(c);
    if (net < -2 || net > 2) return IonVerdict::netChargeBeyondTwo;
    if (net == 2) return IonVerdict::dication;
    if (net == -2 && atoms > 2) {
        for (int i = 0; i < kCellCount; ++i)
            if (q[static_cast<std::size_t>(i)] < 0 && c.code[i] != kOxygen) return IonVerdict::dianionOffOxygen;
    }
    if (negative) {
        // One proton moved from N+ or O+ to the negative atom gives the same formula without
        // these two charges: H2C(-)-O(+)H2 is methanol drawn with a hydrogen on the wrong atom.
        for (int s = 1; s < kSlotCount; ++s) {
            if (c.slot[s] == 0) continue;
            const int a = slotCentre(s), b = slotOtherCell(s);
            for (auto [h, x] : {std::pair{a, b}, std::pair{b, a}}) {
                const int code = c.code[x];
                if (c.code[h] == kHydrogen && (code == kNitrogen || code == kOxygen) && q[static_cast<std::size_t>(x)] > 0)
                    return IonVerdict::misplacedHydrogen;
            }
        }
        if (c.hasVacancy()) return IonVerdict::vacancyWithNegative;
    }
    return IonVerdict::accepted;
}

std::string_view ionVerdictName(IonVerdict verdict) {
    switch (verdict) {
    case IonVerdict::accepted: return "accepted";
    case IonVerdict::uncharged: return "uncharged";
    case IonVerdict::chargeBeyondOne: return "chargeBeyondOne";
    case IonVerdict::chargedHydrogen: return "chargedHydrogen";
    case IonVerdict::notJoined: return "notJoined";
    case IonVerdict::netChargeBeyondTwo: return "netChargeBeyondTwo";
    case IonVerdict::dication: return "dication";
    case IonVerdict::dianionOffOxygen: return "dianionOffOxygen";
    case IonVerdict::likeChargesBonded: return "likeChargesBonded";
    case IonVerdict::misplacedHydrogen: return "misplacedHydrogen";
    case IonVerdict::vacancyWithNegative: return "vacancyWithNegative";
    }
    return "accepted";
}

bool isAcceptedIon(const Construction& c) { return ionVerdict(c) == IonVerdict::accepted; }

bool isAccepted(const Construction& c, bool formalCharges) {
    return isAccepted(c) || (formalCharges && isAcceptedIon(c));
}

}  // namespace tavir

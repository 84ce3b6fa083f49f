#pragma once
#include <cstdint>
#include <string_view>

#include "core/board/construction.hpp"

namespace tavir {

// Every atom carries exactly its usual valence (an empty board qualifies).
bool isAccepted(const Construction& c);
// An ion, or a molecule drawn with formal charges, that the pupil may build while the formal
// charges are shown (see IonVerdict).
bool isAcceptedIon(const Construction& c);
// What the analysis accepts: a neutral construction, and with the charges shown an ion too.
bool isAccepted(const Construction& c, bool formalCharges);
// Bonds minus usual valence of the atom in a cell; 2 more for a carbon whose fourth place is an
// electron vacancy rather than a non-bonding pair.
int formalCharge(const Construction& c, int cell);
// The charge of the whole species: the sum of its atoms' formal charges.
int speciesCharge(const Construction& c);

// A centre carbon with exactly three single bonds: its fourth place holds a non-bonding pair
// (a carbanion) or an electron vacancy (a carbocation, trigonal). A vacancy beside a multiple
// bond is not offered: such cations are outside the programme and the board's shapes.
bool canHoldVacancy(const Construction& c, int cell);

// Why a construction with formal charges is accepted or refused, in the order the rules are
// tried.
enum class IonVerdict : uint8_t {
    accepted,
    uncharged,           // no atom is charged: the neutral rules decide
    chargeBeyondOne,     // an atom charged -2, +2 or more
    chargedHydrogen,     // a charged hydrogen beside other atoms
    notJoined,           // atoms not all joined: the board holds one species
    likeChargesBonded,   // two bonded atoms charged alike, but the two atoms of a dianion (O2 2-)
    netChargeBeyondTwo,  // the species' charge beyond -2 .. +2
    dication,            // a charge of +2: no cation of the programme carries two
    dianionOffOxygen,    // a charge of -2 with a negative atom other than oxygen (CO3 2-, O2 2- and
                         // the two like atoms of C2 2- pass; two carbanions do not)
    misplacedHydrogen,   // a hydrogen on N+ or O+ while another atom is negative
    vacancyWithNegative, // a vacancy while an atom is negative: its pair would fill the vacancy
};
IonVerdict ionVerdict(const Construction& c);
// "accepted", "uncharged", "chargeBeyondOne", ... as the companion writes them.
std::string_view ionVerdictName(IonVerdict verdict);

}  // namespace tavir

#pragma once
// The molecular formula of a construction and its drawing in the formula box `brute`.
#include <array>
#include <string>
#include <string_view>

#include "core/board/construction.hpp"
#include "core/canvas/canvas.hpp"

namespace tavir {

// Subscripts sit this many pixels below the symbols' line.
constexpr int kSubscriptDrop = 9;
// The charge suffix sits this many pixels above the symbols' line.
constexpr int kChargeRise = 6;

// Atoms of each element code 1..5 on the board (index 0 unused).
std::array<int, 6> countElements(const Construction& c);

// Text used to measure and centre the formula: order C, H, O, N, Cl; a count of 1 writes no digit.
std::string measuringText(const Construction& c);
// The formula as drawn: order C, N, H, Cl, O (methylamine reads "CNH5").
std::string formulaText(const Construction& c);

// 4 C + 3 N + 2 O + H + Cl - 2 x (bond orders of slots 1..11) - 2 x vacancies: the electrons
// the formula lacks, minus the species' charge. 0 for every neutral construction; an ion's
// suffix shows it.
int netCharge(const Construction& c);
// Suffix written after the formula for a net charge q ("" for 0): "-" for 1, "+" for -1,
// "2-" for 2, "2+" for -2 ...
std::string netChargeSuffix(int q);
// A charge text as it is drawn: the hyphen of the texts becomes the minus sign, which stays
// as wide as the plus at every size and scale.
std::string drawnCharge(std::string_view text);
// The formula as a text, with the charge written after it: "NH4+", "HO-", and a charge of 2
// or more apart from the last count, "CO3 2-", so that it does not read as CO32.
std::string formulaWithCharge(const Construction& c);

// Draws the formula with the top of its symbols' line at (x, y): size-12 symbols, size-10
// counts 9 pixels lower and the charge suffix when q is not 0. Nothing is cleared.
void drawFormula(const Construction& c, Canvas& canvas, int x, int y);

// Clears the canvas and draws the formula centred in a box of the given size: size-12
// symbols, size-10 counts 9 pixels lower, and the charge suffix when q is not 0.
// Whether the box is shown at all is the caller's business.
void formulebrute(const Construction& c, Canvas& canvas, int scaleWidth, int scaleHeight);

}  // namespace tavir

#pragma once
// The calculator's numbers as text: the reader used on every operand, the 15-digit text
// written back into expressions, and the two display formats. All of it ignores the
// user's locale: the decimal point is always ".".
#include <optional>
#include <string>
#include <string_view>

namespace tavir {

// Reads a number from the start of text: optional blanks, an optional sign, digits with at
// most one ".", then optionally "E" or "D" with an optional sign and digits. Stops at the
// first character that cannot continue the number ("5)" reads as 5); 0 when no digit can be
// read. nullopt when the value lies beyond the double range (1E400); tiny values read as 0.
std::optional<double> readNumber(std::string_view text);

// The number text of a finite value: at most 15 significant digits, no blank, "-" only for
// negative values, no "0" before the point (".5", "-.25"), exponent form "1E+20" / "1E-05"
// when the decimal exponent is below -4 or at least 15. "" for a value that is not finite.
std::string numberText(double value);

// Display formats of a result: the number text, preceded by a blank unless negative;
// and the scientific pattern "#.#######E+00" (0 shows as "0.E+00").
std::string standardFormat(double value);
std::string scientificFormat(double value);

}  // namespace tavir

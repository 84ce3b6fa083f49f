#pragma once
// Doubles to and from text in the "C" locale, as the standard library's floating-point
// to_chars and from_chars give them. Libraries without those (the browser's) use the printf
// and strtod way below; both ways are built everywhere, so tests can hold them together.
#include <string>
#include <string_view>

namespace tavir::float_chars {

struct Parsed {
    bool outOfRange = false;  // the value overflows or underflows to zero
    double value = 0;
};

// "1.25e+03" for 1250 with precision 2 (digits after the point).
std::string scientific(double value, int precision);
// The shortest text that reads back to the same double, fixed or scientific, whichever is
// shorter (fixed when equal): "0.1", "1e+21", "123456".
std::string shortest(double value);
// A decimal number with an optional exponent; a subnormal result is a value, not out of range.
Parsed parse(std::string_view text);

namespace by_printf {
std::string scientific(double value, int precision);
std::string shortest(double value);
Parsed parse(std::string_view text);
}  // namespace by_printf

}  // namespace tavir::float_chars

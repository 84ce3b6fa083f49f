#include "core/calculator/float_chars.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace tavir::float_chars {

namespace by_printf {

std::string scientific(double value, int precision) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision, value);
    std::string text(buf);
    // A locale's decimal comma goes back to a point.
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

Parsed parse(std::string_view text) {
    Parsed p;
    const std::string copy(text);
    errno = 0;
    p.value = std::strtod(copy.c_str(), nullptr);
    // strtod sets ERANGE for subnormal results too: only 0 and infinity are out of range.
    p.outOfRange = errno == ERANGE && (p.value == 0 || std::isinf(p.value));
    return p;
}

std::string shortest(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return std::signbit(value) ? "-0" : "0";
    // The fewest significant digits that read back to the same value.
    std::string sci;
    for (int precision = 0; precision <= 16; ++precision) {
        sci = scientific(value, precision);
        if (std::strtod(sci.c_str(), nullptr) == value) break;
    }
    const bool negative = sci[0] == '-';
    std::string digits;
    std::size_t p = negative ? 1 : 0;
    for (; p < sci.size() && sci[p] != 'e'; ++p)
        if (sci[p] != '.') digits += sci[p];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(sci.c_str() + p + 1);
    const int count = static_cast<int>(digits.size());

    std::string fixed = negative ? "-" : "";
    if (exponent >= 0) {
        if (count <= exponent + 1) {
            // A whole number is written with all its own digits, not the shortest then zeros.
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
            fixed += whole;
        } else {
            fixed += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                     digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else {
        fixed += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    std::string science = negative ? "-" : "";
    science += digits.substr(0, 1);
    if (count > 1) science += "." + digits.substr(1);
    const int e = std::abs(exponent);
    science += std::string(exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
    return science.size() < fixed.size() ? science : fixed;
}

}  // namespace by_printf

#if defined(__cpp_lib_to_chars)
std::string scientific(double value, int precision) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision);
    return std::string(buf, r.ptr);
}

std::string shortest(double value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

Parsed parse(std::string_view text) {
    Parsed p;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), p.value);
    p.outOfRange = r.ec == std::errc::result_out_of_range;
    if (r.ec != std::errc{} && !p.outOfRange) p.value = 0;
    return p;
}
#else
std::string scientific(double value, int precision) { return by_printf::scientific(value, precision); }
std::string shortest(double value) { return by_printf::shortest(value); }
Parsed parse(std::string_view text) { return by_printf::parse(text); }
#endif

}  // namespace tavir::float_chars

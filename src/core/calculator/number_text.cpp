#include "core/calculator/number_text.hpp"

#include <cmath>
#include <cstdlib>

#include "core/calculator/float_chars.hpp"

namespace tavir {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits and exponent of |value| rounded to `digits` significant digits.
struct Decimal {
    bool negative = false;
    std::string digits;  // first digit non-zero, trailing zeros removed
    int exponent = 0;    // value = d1.d2d3... * 10^exponent
};

Decimal decompose(double value, int digits) {
    const std::string text = float_chars::scientific(value, digits - 1);
    Decimal d;
    size_t p = 0;
    if (p < text.size() && text[p] == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < text.size() && text[p] != 'e'; ++p)
        if (isDigit(text[p])) d.digits.push_back(text[p]);
    if (p < text.size()) d.exponent = std::atoi(std::string(text.substr(p + 1)).c_str());
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string exponentText(int exponent) {
    std::string out = exponent < 0 ? "E-" : "E+";
    const std::string n = std::to_string(std::abs(exponent));
    if (n.size() < 2) out += '0';
    return out + n;
}

}  // namespace

std::optional<double> readNumber(std::string_view text) {
    size_t p = 0;
    while (p < text.size() && text[p] == ' ') ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';

    // Significant digits without the point; `scale` counts the digits after the point.
    std::string digits;
    long long scale = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (isDigit(c)) {
            sawDigit = true;
            if (sawPoint) ++scale;
            // Leading zeros are dropped; after the point they still count in the scale.
            if (c != '0' || !digits.empty()) digits.push_back(c);
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit || digits.empty()) return 0.0;

    long long exponent = 0;
    if (p < text.size() && (text[p] == 'E' || text[p] == 'e' || text[p] == 'D' || text[p] == 'd')) {
        size_t q = p + 1;
        bool expNegative = false;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) expNegative = text[q++] == '-';
        if (q < text.size() && isDigit(text[q])) {
            for (; q < text.size() && isDigit(text[q]); ++q)
                if (exponent < 100000) exponent = exponent * 10 + (text[q] - '0');  // saturate
            if (expNegative) exponent = -exponent;
        }
    }
    const long long power = exponent - scale;
    const std::string normal = digits + "e" + std::to_string(power);
    const float_chars::Parsed parsed = float_chars::parse(normal);
    if (parsed.outOfRange) {
        const long long magnitude = power + static_cast<long long>(digits.size());
        if (magnitude > 0) return std::nullopt;
        return 0.0;
    }
    return negative ? -parsed.value : parsed.value;
}

std::string numberText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    const Decimal d = decompose(value, 15);
    std::string out = d.negative ? "-" : "";
    const int e = d.exponent;
    if (e < -4 || e >= 15) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += exponentText(e);
    } else if (e < 0) {
        out += '.';
        out.append(static_cast<size_t>(-e - 1), '0');
        out += d.digits;
    } else {
        const size_t whole = static_cast<size_t>(e) + 1;
        out.append(d.digits, 0, whole);
        if (d.digits.size() < whole) out.append(whole - d.digits.size(), '0');
        if (d.digits.size() > whole) {
            out += '.';
            out.append(d.digits, whole);
        }
    }
    return out;
}

std::string standardFormat(double value) {
    const std::string text = numberText(value);
    return value < 0 ? text : " " + text;
}

std::string scientificFormat(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0.E+00";
    const Decimal d = decompose(value, 8);
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    out += '.';
    out += d.digits.substr(1);
    return out + exponentText(d.exponent);
}

}  // namespace tavir

#include "core/calculator/evaluator.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/calculator/number_text.hpp"

// The steps rewrite the text in a fixed order, and that order decides what odd inputs give,
// so each step follows its rule as written, position by position.

namespace tavir {

namespace {

enum Function { kSqr, kSin, kCos, kLog, kTan, kIsi, kExp, kIta, kIco, kLon };
constexpr std::array<std::string_view, 10> kFunctionNames = {"SQR", "SIN", "COS", "LOG", "TAN",
                                                             "ISI", "EXP", "ITA", "ICO", "LON"};
// Tried from highest to lowest rank; each scan takes the leftmost occurrence.
constexpr std::array<std::string_view, 5> kOperators = {" ^ ", " / ", " * ", " - ", " + "};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsAt(std::string_view s, size_t i, std::string_view word) {
    return i <= s.size() && s.substr(i, word.size()) == word;
}

// The function whose name starts at i, or -1.
int functionAt(std::string_view s, size_t i) {
    if (i + 3 > s.size()) return -1;
    switch (s[i]) {  // cheap first-letter filter: this runs at every position of every pass
    case 'S': case 'C': case 'L': case 'T': case 'I': case 'E': break;
    default: return -1;
    }
    const std::string_view three = s.substr(i, 3);
    for (size_t f = 0; f < kFunctionNames.size(); ++f)
        if (three == kFunctionNames[f]) return static_cast<int>(f);
    return -1;
}

bool operatorAt(std::string_view s, size_t i) {
    if (i + 3 > s.size() || s[i] != ' ' || s[i + 2] != ' ') return false;
    const char c = s[i + 1];
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

// Replaces the two characters at i by one.
void mergePair(std::string& s, size_t i, char into) {
    s[i] = into;
    s.erase(i + 1, 1);
}

void toUpper(std::string& s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

double checked(double value) {
    if (!std::isfinite(value)) throw CalcFault("arithmetic overflow or invalid operation");
    return value;
}

double operand(std::string_view text) {
    const auto value = readNumber(text);
    if (!value) throw CalcFault("number beyond range");
    return *value;
}

// Arc sine in radians, written with the arc tangent.
double arcSine(double x) {
    const double quarterPi = std::atan(1.0);
    if (std::abs(x) != 1) {
        const double rest = 1 - x * x;
        if (!(rest > 0)) throw CalcFault("arc sine outside -1..1");
        return std::atan(x / std::sqrt(rest));
    }
    return x > 0 ? 2 * quarterPi : -2 * quarterPi;
}

double applyFunction(int f, double x, std::int16_t angleMode) {
    const double quarterPi = std::atan(1.0);
    const bool radians = angleMode == kRadians;
    const auto angle = [&](double a) { return radians ? a : checked(checked(a * 4) * quarterPi) / 180; };
    const auto toMode = [&](double r) { return radians ? r : r * 180 / (4 * quarterPi); };
    switch (f) {
    case kSqr:
        if (x < 0) throw CalcFault("square root of a negative number");
        return std::sqrt(x);
    case kExp: return checked(std::exp(x));
    case kLon:
        if (!(x > 0)) throw CalcFault("logarithm of a number that is not positive");
        return std::log(x);
    case kLog:
        if (!(x > 0)) throw CalcFault("logarithm of a number that is not positive");
        return std::log(x) / std::log(10.0);
    case kSin: return checked(std::sin(angle(x)));
    case kCos: return checked(std::cos(angle(x)));
    case kTan: return checked(std::tan(angle(x)));
    case kIsi: return toMode(arcSine(x));
    case kIco: return toMode(2 * quarterPi - arcSine(x));
    case kIta: return toMode(std::atan(x));
    default: throw CalcFault("unknown function");
    }
}

double applyOperator(char op, double a, double b) {
    switch (op) {
    case '^': return checked(std::pow(a, b));
    case '/':
        if (b == 0) throw CalcFault("division by zero");
        return checked(a / b);
    case '*': return checked(a * b);
    case '-': return checked(a - b);
    default: return checked(a + b);
    }
}

}  // namespace

void espace(std::string& expr) {
    std::string& s = expr;
    toUpper(s);
    std::erase(s, ' ');
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    s = " " + s + " ";
    // The text grows while it is walked; the bound is taken once, from the length now.
    const size_t bound = 3 * s.size();
    for (size_t i = 0; i < bound && i < s.size(); ++i) {
        if (functionAt(s, i) >= 0) s.insert(i + 3, 1, ' ');
        if (startsAt(s, i, "LN")) s.replace(i, 2, "LON ");
        if (startsAt(s, i, "INV")) {
            std::string shortName = "I";
            shortName += s.substr(i + 3, 2);
            shortName += ' ';
            s.replace(i, 6, shortName);
        }
        char c = s[i];
        if (c == '^' || c == '*' || c == '/') {
            s.replace(i, 1, std::string{' ', c, ' '});
            ++i;
        }
        c = s[i];
        if (c == '+' && s[i - 1] != 'E' && s[i - 1] != 'D') {
            s.replace(i, 1, " + ");
            ++i;
        }
        c = s[i];
        // A "-" after "(", an operator, a function name or at the start is a unary minus.
        if (c == '-') {
            const char before = s[i - 1];
            if (before != 'E' && before != 'D' && before != '(' && before != ' ') {
                s.replace(i, 1, " - ");
                ++i;
            }
        }
    }
}

void nettoie(std::string& expr) {
    std::string& s = expr;
    toUpper(s);
    std::erase(s, ' ');
    for (;;) {
        const std::string before = s;
        for (size_t i = 0; i < s.size(); ++i) {
            if (startsAt(s, i, "--")) mergePair(s, i, '+');
            if (startsAt(s, i, "+-")) mergePair(s, i, '-');
            if (startsAt(s, i, "-+")) mergePair(s, i, '-');
            if (startsAt(s, i, "++")) mergePair(s, i, '+');
        }
        if (!s.empty() && s.front() == '+') s.erase(0, 1);
        // A plain signed number in parentheses loses them: (-5) and (.5), not (1E+3).
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] != '(') continue;
            size_t j = i + 1;
            while (j < s.size()) {
                const char c = s[j];
                if (isDigit(c) || c == '.' || ((c == '-' || c == '+') && j == i + 1)) {
                    ++j;
                    continue;
                }
                if (c == ')' && j > i + 1) {
                    s.erase(j, 1);
                    s.erase(i, 1);
                }
                break;
            }
        }
        if (s == before) break;
    }
    espace(s);
}

void controle(const std::string& expr, std::int16_t& code) {
    const auto opens = std::count(expr.begin(), expr.end(), '(');
    const auto closes = std::count(expr.begin(), expr.end(), ')');
    for (size_t i = 0; i + 2 < expr.size(); ++i) {
        const char c = expr[i];
        if ((c == '*' || c == '/' || c == '^') && expr[i + 2] == ' ') code = calccode::kOperators;
    }
    if (opens != closes) code = calccode::kParentheses;
}

void compte(const std::string& expr, CalcCounters& counters) {
    counters = {};
    const std::string_view s = expr;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '(') ++counters.nbpar;
        if (operatorAt(s, i)) ++counters.nbop;
        if (functionAt(s, i) >= 0) ++counters.nbfonc;
    }
}

void calcfonc(std::string& expr, CalcCounters& counters, std::int16_t angleMode) {
    std::string& s = expr;
    size_t i = 0;
    while (i < s.size()) {
        const int f = functionAt(s, i);
        const size_t arg = i + 4;  // just after the name's blank
        if (f >= 0 && arg < s.size() && (isDigit(s[arg]) || s[arg] == '-' || s[arg] == '.')) {
            const size_t end = s.find_first_of(") ", arg);
            if (end == std::string::npos) throw CalcFault("function argument without end");
            const double x = operand(std::string_view(s).substr(arg, end - arg));
            s.replace(i, end - i, numberText(applyFunction(f, x, angleMode)));
            if (--counters.nbfonc < 1) return;
            i = 0;
            continue;
        }
        ++i;
    }
}

void calcpar(std::string& expr, CalcCounters& counters) {
    std::string& s = expr;
    // nettoie can drop parentheses around a plain number without lowering nbpar.
    while (counters.nbpar > 0) {
        const size_t open = s.rfind('(');
        if (open == std::string::npos) return;
        const size_t close = s.find(')', open + 1);
        if (close == std::string::npos) throw CalcFault("group without its closing parenthesis");
        std::string group = s.substr(open + 1, close - open - 1);
        // A letter from F to Y means a function name: calcfonc must go first.
        if (std::any_of(group.begin(), group.end(), [](char c) { return c >= 'F' && c <= 'Y'; })) return;
        nettoie(group);
        calcop(group, counters);
        s.replace(open, close - open + 1, group);
        --counters.nbpar;
        nettoie(s);
    }
}

void calcop(std::string& expr, CalcCounters& counters) {
    std::string& s = expr;
    nettoie(s);
    size_t rank = 0;
    while (rank < kOperators.size()) {
        const size_t i = s.find(kOperators[rank], 2);  // from the third character
        if (i == std::string::npos) {
            ++rank;
            continue;
        }
        size_t leftStart = i;
        while (leftStart > 0 && s[leftStart - 1] != ' ') --leftStart;
        const size_t rightStart = i + 3;
        size_t rightEnd = rightStart;
        while (rightEnd < s.size() && s[rightEnd] != ' ') ++rightEnd;
        // An operator with nothing on one side ("2 + * 3" once tokenised) cannot be computed.
        if (leftStart == i || rightEnd == rightStart) throw CalcFault("missing operand");
        const double a = operand(std::string_view(s).substr(leftStart, i - leftStart));
        const double b = operand(std::string_view(s).substr(rightStart, rightEnd - rightStart));
        s.replace(leftStart, rightEnd - leftStart, numberText(applyOperator(s[i + 1], a, b)));
        if (--counters.nbop < 1) return;
        rank = 0;
    }
}

void calcexpr(std::string& expr, std::int16_t& code, std::int16_t angleMode) {
    code = calccode::kOk;
    if (expr.size() > kMaxExpressionLength) {
        code = calccode::kFailed;
        return;
    }
    std::string& s = expr;
    try {
        nettoie(s);
        controle(s, code);
        if (code != calccode::kOk) return;
        CalcCounters counters;
        compte(s, counters);
        std::string previous;
        CalcCounters previousCounters;
        for (int pass = 1;; ++pass) {
            const bool same = pass > 1 && s == previous;
            if (same) nettoie(s);
            // A pass is a function of the text and the counters: once a pass starts exactly
            // as the one before, every later pass does too and the limit is bound to be hit.
            if (pass > kMaxPasses || (same && s == previous && counters == previousCounters)) {
                code = calccode::kFailed;
                return;
            }
            previous = s;
            previousCounters = counters;
            if (counters.nbfonc > 0) {
                calcfonc(s, counters, angleMode);
                nettoie(s);
            }
            if (counters.nbpar > 0) calcpar(s, counters);
            compte(s, counters);
            if (counters.nbfonc >= 1 || counters.nbpar >= 1) continue;
            if (counters.nbop > 0) {
                calcop(s, counters);
                compte(s, counters);
            }
            if (counters.nbop < 1) break;
        }
        const size_t first = s.find_first_not_of(' ');
        s = first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
        if (s.find(' ') != std::string::npos) code = calccode::kFailed;
    } catch (const CalcFault&) {
        code = calccode::kFailed;
    }
}

}  // namespace tavir

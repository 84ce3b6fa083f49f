#pragma once
// The expression evaluator: works on the text the calculator keys build ("2 * cos 60"),
// rewriting it one reducible piece at a time until a single number is left.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tavir {

// Error codes of calcexpr.
namespace calccode {
constexpr std::int16_t kOk = 0;
constexpr std::int16_t kFailed = 1;       // arithmetic fault, no single number, too many passes
constexpr std::int16_t kParentheses = 2;  // "(" and ")" counts differ
constexpr std::int16_t kOperators = 3;    // "*", "/" or "^" followed by an operator or at the end
}  // namespace calccode

// Angle modes.
constexpr std::int16_t kDegrees = 0;
constexpr std::int16_t kRadians = 1;

// Longest expression accepted; longer ones fail with code 1 before any work.
constexpr std::size_t kMaxExpressionLength = 1000;
// Passes of the reduction loop before giving up with code 1.
constexpr int kMaxPasses = 100;

// What remains to reduce, recounted by compte and lowered by the steps that reduce it.
struct CalcCounters {
    int nbpar = 0;   // "(" characters
    int nbfonc = 0;  // function names
    int nbop = 0;    // spaced binary operators
    bool operator==(const CalcCounters&) const = default;
};

// A run-time fault inside a step (overflow, domain error, missing operand...): calcexpr
// turns it into code 1. Only the individual steps let it escape.
class CalcFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Entry point. On code 0, expr holds the result as number text; on any other code its
// content is meaningless. Never throws.
void calcexpr(std::string& expr, std::int16_t& code, std::int16_t angleMode);

// The steps, exposed for tests. Those that compute may throw CalcFault.
void espace(std::string& expr);                                   // tokenise
void nettoie(std::string& expr);                                  // normalise, then espace
void controle(const std::string& expr, std::int16_t& code);       // syntax check
void compte(const std::string& expr, CalcCounters& counters);     // recount
void calcfonc(std::string& expr, CalcCounters& counters, std::int16_t angleMode);
void calcpar(std::string& expr, CalcCounters& counters);
void calcop(std::string& expr, CalcCounters& counters);

}  // namespace tavir

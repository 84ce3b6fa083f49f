// eval and keys: the calculator's "EXE" and its keys, without the window.
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/calculator/calculator_keys.hpp"
#include "core/calculator/float_chars.hpp"
#include "core/calculator/number_text.hpp"
#include "cli/commands.hpp"
#include "core/text/json.hpp"

namespace tavir::cli {

namespace {

// Shortest text that reads back to the same double, in JSON's own number syntax.
std::string jsonNumber(double value) { return float_chars::shortest(value); }

}  // namespace

int runEval(const std::vector<std::string>& args) {
    bool radians = false;
    bool scientific = false;
    std::vector<std::string> words;
    for (const auto& a : args) {
        if (a == "--radians") radians = true;
        else if (a == "--scientific") scientific = true;
        else words.push_back(a);  // "-2 ^ 2" is an expression, not an option
    }
    if (words.empty()) {
        std::cerr << "usage : tavir-cli eval [--radians] [--scientific] EXPRESSION\n";
        return kBadCommandLine;
    }
    std::string expression = words.front();
    for (size_t i = 1; i < words.size(); ++i) expression += " " + words[i];

    const ExeResult r = evaluateForDisplay(expression, radians, scientific);
    std::ostringstream out;
    out << "{\"code\":" << r.code << ",\"result\":";
    if (r.value) out << jsonString(numberText(*r.value));
    else out << "null";
    out << ",\"display\":" << jsonString(r.display) << "}\n";
    std::cout << out.str();
    return kOk;
}

int runKeys(const std::vector<std::string>& args) {
    std::vector<CalcKey> keys;
    for (const auto& a : args) {
        const auto key = keyByName(a);
        if (!key) {
            std::cerr << "touche inconnue: " << a << "\n"
                      << "usage : tavir-cli keys TOUCHE... (B0..B9, Bpoint, EXE, degres, scientifique...)\n";
            return kBadCommandLine;
        }
        keys.push_back(*key);
    }
    CalculatorMemory memory;
    CalculatorKeys calculator(memory);
    for (CalcKey k : keys) calculator.press(k);

    std::ostringstream out;
    out << "{\"line\":" << jsonString(calculator.line()) << ",\"display\":" << jsonString(calculator.display())
        << ",\"answer\":" << jsonString(calculator.answer()) << ",\"memory\":" << jsonNumber(calculator.memory())
        << "}\n";
    std::cout << out.str();
    return kOk;
}

}  // namespace tavir::cli

#pragma once
// What must hold for any input of calcexpr, shared by the fuzzer and the corpus replay.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calculator/evaluator.hpp"
#include "core/calculator/number_text.hpp"

namespace tavir::fuzz {

// Evaluates input in both angle modes; returns "" when every property holds, else what broke.
inline std::string checkCalcexpr(std::string_view input) {
    for (std::int16_t angle : {kDegrees, kRadians}) {
        std::string text(input);
        std::int16_t code = -1;
        calcexpr(text, code, angle);
        if (code < 0 || code > 3) return "error code out of range: " + std::to_string(code);
        if (code != 0) continue;
        if (text.find(' ') != std::string::npos) return "blank left in a result: [" + text + "]";
        const auto value = readNumber(text);
        if (!value) continue;  // a lone number beyond range: the display says so
        // The number text must read back to itself, so a result can go back into an expression.
        const std::string written = numberText(*value);
        if (written.empty() || written.find(' ') != std::string::npos)
            return "bad number text for [" + text + "]: [" + written + "]";
        const auto reread = readNumber(written);
        if (reread && numberText(*reread) != written)
            return "number text does not read back: [" + written + "] -> [" + numberText(*reread) + "]";
    }
    return {};
}

}  // namespace tavir::fuzz

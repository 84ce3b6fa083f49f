#include "core/calculator/calculator_keys.hpp"

#include <array>
#include <cmath>

#include "core/calculator/evaluator.hpp"
#include "core/calculator/number_text.hpp"
#include "core/calculator/texts.hpp"

namespace tavir {

namespace {

using K = CalcKey;
namespace t = calculator_texts;

constexpr std::array<CalcKeyInfo, 53> kKeys = {{
    {K::B0, "B0", "0", ""},
    {K::B1, "B1", "1", ""},
    {K::B2, "B2", "2", ""},
    {K::B3, "B3", "3", ""},
    {K::B4, "B4", "4", ""},
    {K::B5, "B5", "5", ""},
    {K::B6, "B6", "6", ""},
    {K::B7, "B7", "7", ""},
    {K::B8, "B8", "8", ""},
    {K::B9, "B9", "9", ""},
    {K::Bpoint, "Bpoint", ".", ""},
    {K::BtoEXP, "BtoEXP", "EXP", t::kTipExp},
    {K::kilo, "kilo", "k", t::kTipKilo},
    {K::mega, "mega", "M", t::kTipMega},
    {K::giga, "giga", "G", t::kTipGiga},
    {K::tera, "tera", "T", t::kTipTera},
    {K::mil, "mil", "m", t::kTipMilli},
    {K::micro, "micro", "µ", t::kTipMicro},
    {K::nano, "nano", "n", t::kTipNano},
    {K::pico, "pico", "p", t::kTipPico},
    {K::Bpo, "Bpo", "(", ""},
    {K::bpf, "bpf", ")", ""},
    {K::bsin, "bsin", "&SIN", t::kTipSin},
    {K::Bcos, "Bcos", "&COS", t::kTipCos},
    {K::Btan, "Btan", "&TAN", t::kTipTan},
    {K::invsin, "invsin", "INV S&IN", t::kTipInvSin},
    {K::invcos, "invcos", "INV C&OS", t::kTipInvCos},
    {K::Btoncommande3, "Btoncommande3", "INV T&AN", t::kTipInvTan},
    {K::Bln, "Bln", "l&n", ""},
    {K::Blog, "Blog", "&Log", ""},
    {K::Bexp, "Bexp", "", ""},
    {K::racine, "racine", "√", t::kTipRacine},
    {K::B10x, "B10x", "", ""},
    {K::Command5, "Command5", "1/x", t::kTipInverse},
    {K::pi, "pi", "π", t::kTipPi},
    {K::multip, "multip", "x", ""},
    {K::div, "div", "÷", ""},
    {K::plus, "plus", "+", ""},
    {K::moins, "moins", "-", ""},
    {K::puissance, "puissance", "", ""},
    {K::btcarre, "btcarre", "", ""},
    {K::EXE, "EXE", "EXE", t::kTipCalculer},
    {K::ANS, "ANS", "ANS", t::kTipAns},
    {K::EFFACE, "EFFACE", "←", t::kTipEfface},
    {K::RAZ, "RAZ", "AC", t::kTipRaz},
    {K::Command1, "Command1", "M+", t::kTipMPlus},
    {K::Command2, "Command2", "M-", t::kTipMMinus},
    {K::Command3, "Command3", "RM", t::kTipRm},
    {K::Command4, "Command4", "CM", t::kTipCm},
    {K::degres, "degres", t::kDegres, ""},
    {K::radians, "radians", t::kRadians, ""},
    {K::scientifique, "scientifique", t::kScientifique, ""},
    {K::standard, "standard", t::kStandard, ""},
}};

// The table is indexed by the enum; keep them in step.
constexpr bool tableMatchesEnum() {
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (static_cast<size_t>(kKeys[i].key) != i) return false;
    return true;
}
static_assert(tableMatchesEnum());

std::string trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::span<const CalcKeyInfo> calculatorKeys() { return kKeys; }

const CalcKeyInfo& keyInfo(CalcKey key) { return kKeys[static_cast<size_t>(key)]; }

std::optional<CalcKey> keyByName(std::string_view name) {
    for (const auto& k : kKeys)
        if (k.name == name) return k.key;
    return std::nullopt;
}

std::optional<CalcKey> keyForCharacter(char32_t ch) {
    if (ch >= U'0' && ch <= U'9') return static_cast<CalcKey>(static_cast<int>(K::B0) + static_cast<int>(ch - U'0'));
    switch (ch) {
    case U'.': return K::Bpoint;
    case U'e': case U'E': case U'd': case U'D': return K::BtoEXP;
    case U'(': return K::Bpo;
    case U')': return K::bpf;
    case U'*': return K::multip;
    case U'/': return K::div;
    case U'+': return K::plus;
    case U'-': return K::moins;
    case U'^': return K::puissance;
    case U'\b': return K::EFFACE;
    case U'\r': case U'\n': return K::EXE;
    default: return std::nullopt;
    }
}

ExeResult evaluateForDisplay(const std::string& expression, bool radians, bool scientific) {
    ExeResult r;
    std::string text = expression;
    calcexpr(text, r.code, radians ? kRadians : kDegrees);
    switch (r.code) {
    case calccode::kOk: break;
    case calccode::kParentheses: r.display = t::kParentheses; return r;
    case calccode::kOperators: r.display = t::kOperateurs; return r;
    default: r.display = t::kCalculImpossible; return r;
    }
    r.value = readNumber(text);
    if (!r.value) {
        r.overflow = true;
        r.display = t::kDepassement;
        return r;
    }
    r.display = scientific ? scientificFormat(*r.value) : standardFormat(*r.value);
    return r;
}

CalculatorKeys::CalculatorKeys(CalculatorMemory& memory) : memory_(memory) {}

namespace {
// After a failed "EXE" these keys begin a new expression, as after a result: the kept
// expression is only there to be corrected with the backspace key.
bool startsNewExpression(CalcKey key) {
    switch (key) {
    case K::B0: case K::B1: case K::B2: case K::B3: case K::B4:
    case K::B5: case K::B6: case K::B7: case K::B8: case K::B9:
    case K::Bpoint: case K::BtoEXP: case K::kilo: case K::mega: case K::giga: case K::tera:
    case K::mil: case K::micro: case K::nano: case K::pico:
    case K::Bpo: case K::bpf: case K::bsin: case K::Bcos: case K::Btan: case K::invsin: case K::invcos:
    case K::Btoncommande3: case K::Bln: case K::Blog: case K::Bexp: case K::racine: case K::B10x:
    case K::Command5: case K::pi: case K::moins: case K::ANS: case K::Command3:
        return true;
    default:
        return false;
    }
}

// The operators that work on the last answer: after a failure there is none.
bool takesTheAnswer(CalcKey key) {
    return key == K::multip || key == K::div || key == K::plus || key == K::puissance || key == K::btcarre;
}
}  // namespace

bool CalculatorKeys::press(CalcKey key) {
    if (failureShown_) {
        if (takesTheAnswer(key)) {
            display_ = t::kOperateurs;
            return true;
        }
        if (startsNewExpression(key)) line_.clear();
    }
    // Every key ends by showing the expression line, except those that return early.
    switch (key) {
    case K::B0: case K::B1: case K::B2: case K::B3: case K::B4:
    case K::B5: case K::B6: case K::B7: case K::B8: case K::B9:
        append(std::string(1, static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(K::B0)))));
        break;
    case K::Bpoint: append("."); break;
    case K::BtoEXP: append("E"); break;
    case K::kilo: append("E+3"); break;
    case K::mega: append("E+6"); break;
    case K::giga: append("E+9"); break;
    case K::tera: append("E+12"); break;
    case K::mil: append("E-3"); break;
    case K::micro: append("E-6"); break;
    case K::nano: append("E-9"); break;
    case K::pico: append("E-12"); break;
    case K::bpf: append(")"); break;

    case K::Bpo: appendAfterImplicitTimes("("); break;
    case K::bsin: appendAfterImplicitTimes("sin "); break;
    case K::Bcos: appendAfterImplicitTimes("cos "); break;
    case K::Btan: appendAfterImplicitTimes("tan "); break;
    case K::invsin: appendAfterImplicitTimes("invSIN "); break;
    case K::invcos: appendAfterImplicitTimes("invCOS "); break;
    case K::Btoncommande3: appendAfterImplicitTimes("invTAN "); break;
    case K::Bln: appendAfterImplicitTimes("ln "); break;
    case K::Blog: appendAfterImplicitTimes("log "); break;
    case K::Bexp: appendAfterImplicitTimes("exp "); break;
    case K::racine: appendAfterImplicitTimes("SQR "); break;
    case K::B10x: appendAfterImplicitTimes("10 ^ "); break;
    case K::Command5: appendAfterImplicitTimes("1 / "); break;
    case K::pi: appendAfterImplicitTimes(numberText(4 * std::atan(1.0))); break;

    case K::multip: appendOperator(" * "); break;
    case K::div: appendOperator(" / "); break;
    case K::plus: appendOperator(!line_.empty() && line_.back() == 'E' ? "+" : " + "); break;
    case K::moins:
        // A sign at the start, after "(", a blank or an exponent letter; never the last answer.
        if (line_.empty() || line_.back() == '(' || line_.back() == ' ' || line_.back() == 'E') append("-");
        else if (line_.back() == '-') append(" -");
        else append(" - ");
        break;
    case K::puissance:
    case K::btcarre:
        if (trimmed(line_).empty()) appendAnswer();
        append(key == K::puissance ? " ^ " : " ^ 2");
        break;

    case K::EXE: return execute();
    case K::ANS: appendAnswer(); break;
    case K::EFFACE:
        // Nothing to erase: a shown result stays, so that "x" still starts from it.
        if (line_.empty()) return false;
        eraseLastToken();
        break;
    case K::RAZ: line_.clear(); break;
    case K::Command1: return changeMemory(+1);
    case K::Command2: return changeMemory(-1);
    case K::Command3:
        append(scientific_ ? scientificFormat(memory_.value) : numberText(memory_.value));
        break;
    case K::Command4: memory_.value = 0; return false;
    case K::degres: radians_ = false; return false;
    case K::radians: radians_ = true; return false;
    case K::scientifique: return selectFormat(true);
    case K::standard: return selectFormat(false);
    }
    display_ = line_;
    failureShown_ = false;
    return false;
}

void CalculatorKeys::append(std::string_view text) { line_ += text; }

void CalculatorKeys::appendAfterImplicitTimes(std::string_view text) {
    if (!line_.empty() && line_.back() != ' ' && line_.back() != '(' && line_.back() != '-') line_ += " * ";
    line_ += text;
}

void CalculatorKeys::appendOperator(std::string_view text) {
    // Nothing on the display, nothing to operate on.
    if (trimmed(display_).empty()) return;
    if (trimmed(line_).empty()) appendAnswer();
    line_ += text;
}

void CalculatorKeys::appendAnswer() {
    if (lastCode_ == calccode::kOk) line_ += trimmed(answer_);
}

bool CalculatorKeys::execute() {
    lastCode_ = calccode::kOk;
    const ExeResult r = evaluateForDisplay(line_, radians_, scientific_);
    lastCode_ = r.code;
    display_ = r.display;
    failureShown_ = r.beep();
    if (r.overflow) {
        // Keep the typed expression to correct; "ANS" must never insert the message.
        answer_.clear();
        return true;
    }
    answer_ = display_;
    if (r.code == calccode::kOk) line_.clear();
    return r.beep();
}

void CalculatorKeys::eraseLastToken() {
    if (line_.empty()) return;
    if (line_.back() != ' ') {
        line_.pop_back();
        return;
    }
    const size_t n = line_.size();
    if (n >= 2) {
        const char before = line_[n - 2];
        if (before == '*' || before == '+' || before == '/' || before == '-' || before == '^') {
            line_.erase(n >= 3 ? n - 3 : 0);  // a spaced operator
            return;
        }
    }
    // A function name and its blank: back to the blank or "(" before it.
    const size_t stop = n >= 2 ? line_.find_last_of(" (", n - 2) : std::string::npos;
    line_.erase(stop == std::string::npos ? 0 : stop + 1);
}

bool CalculatorKeys::changeMemory(double sign) {
    const auto shown = readNumber(display_);
    if (!shown) return true;
    const double sum = memory_.value + sign * *shown;
    // A memory beyond the double range could never be recalled as a number.
    if (!std::isfinite(sum)) return true;
    memory_.value = sum;
    return false;
}

bool CalculatorKeys::selectFormat(bool scientific) {
    scientific_ = scientific;
    if (!line_.empty()) {
        display_ = line_;
        failureShown_ = false;
        return false;
    }
    const auto last = readNumber(answer_);
    if (!last) {
        display_ = calculator_texts::kDepassement;
        return true;
    }
    display_ = scientific_ ? scientificFormat(*last) : standardFormat(*last);
    return false;
}

}  // namespace tavir

#pragma once
// The calculator's keys without any toolkit: the window only shows what this class holds
// and forwards clicks and typed characters to it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavir {

// The one-value memory of M+, M-, RM, CM. It outlives the window: whoever opens the
// calculator keeps one for the whole run and hands it to each new window.
struct CalculatorMemory {
    double value = 0;
};

// Keys by control name; the last four are the option buttons.
enum class CalcKey {
    B0, B1, B2, B3, B4, B5, B6, B7, B8, B9, Bpoint, BtoEXP,
    kilo, mega, giga, tera, mil, micro, nano, pico,
    Bpo, bpf, bsin, Bcos, Btan, invsin, invcos, Btoncommande3, Bln, Blog, Bexp, racine, B10x,
    Command5, pi,
    multip, div, plus, moins, puissance, btcarre,
    EXE, ANS, EFFACE, RAZ, Command1, Command2, Command3, Command4,
    degres, radians, scientifique, standard,
};

struct CalcKeyInfo {
    CalcKey key;
    std::string_view name;     // control name; degres, radians, scientifique, standard for the options
    std::string_view caption;  // "&" marks the mnemonic; "" for the four picture keys
    std::string_view tooltip;  // "" when the key has none
};

// Every key, in declaration order.
std::span<const CalcKeyInfo> calculatorKeys();
const CalcKeyInfo& keyInfo(CalcKey key);
std::optional<CalcKey> keyByName(std::string_view name);
// The key a typed character stands for: digits, ".", e E d D, ( ) * / + - ^, '\b' for
// Backspace, '\r' or '\n' for Enter. Any other character does nothing (nullopt).
std::optional<CalcKey> keyForCharacter(char32_t ch);

// What "EXE" makes of an expression.
struct ExeResult {
    std::int16_t code = 0;         // calcexpr's error code
    bool overflow = false;         // the result does not read back as a double (1E400)
    std::optional<double> value;   // the value shown, on success
    std::string display;           // result in the chosen format, or the French message
    bool beep() const { return code != 0 || overflow; }
};
ExeResult evaluateForDisplay(const std::string& expression, bool radians, bool scientific);

class CalculatorKeys {
public:
    explicit CalculatorKeys(CalculatorMemory& memory);

    // Presses one key; true when the key calls for the system beep. While the display shows
    // why "EXE" failed, a digit, a function or any key that inserts a number begins a new
    // expression, an operator that would take the last answer is refused with the operators'
    // message, and the backspace key corrects the kept expression.
    bool press(CalcKey key);

    const std::string& line() const { return line_; }        // expression being built
    const std::string& display() const { return display_; }  // text of the display line
    const std::string& answer() const { return answer_; }    // last answer, as shown
    std::int16_t lastCode() const { return lastCode_; }
    bool radians() const { return radians_; }
    bool scientific() const { return scientific_; }
    double memory() const { return memory_.value; }

private:
    void append(std::string_view text);
    void appendAfterImplicitTimes(std::string_view text);
    void appendOperator(std::string_view text);
    void appendAnswer();
    bool execute();
    void eraseLastToken();
    bool changeMemory(double sign);
    bool selectFormat(bool scientific);

    CalculatorMemory& memory_;
    std::string line_;
    std::string display_;
    std::string answer_;
    std::int16_t lastCode_ = 0;
    bool radians_ = false;
    bool scientific_ = false;
    // The display shows why the last "EXE" failed.
    bool failureShown_ = false;
};

}  // namespace tavir

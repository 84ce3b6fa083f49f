// Key sequences as a pupil presses them, checked on the expression line and the display.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/calculator/calculator_keys.hpp"
#include "core/calculator/texts.hpp"

namespace tavir {
namespace {

using K = CalcKey;

struct KeysCase {
    const char* name;
    std::vector<CalcKey> keys;
    const char* line;
    const char* display;
    bool beepOnLast = false;
};
void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }
std::string keysName(const ::testing::TestParamInfo<KeysCase>& info) { return info.param.name; }

class KeySequence : public ::testing::TestWithParam<KeysCase> {};

TEST_P(KeySequence, BuildsLineAndDisplay) {
    CalculatorMemory memory;
    CalculatorKeys keys(memory);
    bool beep = false;
    for (CalcKey k : GetParam().keys) beep = keys.press(k);
    EXPECT_EQ(keys.line(), GetParam().line);
    EXPECT_EQ(keys.display(), GetParam().display);
    EXPECT_EQ(beep, GetParam().beepOnLast);
}

const std::string kParens(calculator_texts::kParentheses);
const std::string kOperators(calculator_texts::kOperateurs);
const std::string kImpossible(calculator_texts::kCalculImpossible);
const std::string kOverflow(calculator_texts::kDepassement);

INSTANTIATE_TEST_SUITE_P(
    Building, KeySequence,
    ::testing::Values(
        KeysCase{"implicit_times_before_function", {K::B2, K::Bcos, K::B6, K::B0}, "2 * cos 60", "2 * cos 60"},
        KeysCase{"implicit_times_before_parenthesis", {K::B2, K::Bpo}, "2 * (", "2 * ("},
        KeysCase{"no_times_after_minus", {K::moins, K::Bpo}, "-(", "-("},
        KeysCase{"no_times_after_blank", {K::B5, K::moins, K::Bpo}, "5 - (", "5 - ("},
        KeysCase{"no_times_after_parenthesis", {K::Bpo, K::bsin}, "(sin ", "(sin "},
        KeysCase{"inverse_functions", {K::invsin, K::invcos, K::Btoncommande3}, "invSIN invCOS invTAN ",
                 "invSIN invCOS invTAN "},
        KeysCase{"picture_keys", {K::Bexp, K::B1, K::B10x, K::B2, K::btcarre}, "exp 1 * 10 ^ 2 ^ 2",
                 "exp 1 * 10 ^ 2 ^ 2"},
        KeysCase{"square_root_and_inverse", {K::racine, K::B4, K::Command5, K::B2}, "SQR 4 * 1 / 2",
                 "SQR 4 * 1 / 2"},
        KeysCase{"logs", {K::Bln, K::B1, K::Blog}, "ln 1 * log ", "ln 1 * log "},
        KeysCase{"pi_as_number_text", {K::B2, K::pi}, "2 * 3.14159265358979", "2 * 3.14159265358979"},
        KeysCase{"prefix_kilo", {K::B4, K::B7, K::kilo}, "47E+3", "47E+3"},
        KeysCase{"every_prefix", {K::mega, K::giga, K::tera, K::mil, K::micro, K::nano, K::pico},
                 "E+6E+9E+12E-3E-6E-9E-12", "E+6E+9E+12E-3E-6E-9E-12"},
        KeysCase{"exp_key_and_point", {K::B1, K::Bpoint, K::B5, K::BtoEXP, K::B3}, "1.5E3", "1.5E3"},
        KeysCase{"minus_on_empty_line_is_a_sign", {K::moins}, "-", "-"},
        KeysCase{"minus_after_exponent_is_glued", {K::B2, K::BtoEXP, K::moins, K::B3}, "2E-3", "2E-3"},
        KeysCase{"minus_after_number_is_spaced", {K::B2, K::moins}, "2 - ", "2 - "},
        KeysCase{"minus_after_minus", {K::B2, K::moins, K::moins, K::moins}, "2 - - -", "2 - - -"},
        KeysCase{"plus_after_exponent_is_glued", {K::B2, K::BtoEXP, K::plus, K::B3}, "2E+3", "2E+3"},
        KeysCase{"operator_on_empty_display_does_nothing", {K::multip, K::div, K::plus}, "", ""},
        KeysCase{"closing_parenthesis", {K::Bpo, K::B1, K::bpf}, "(1)", "(1)"}),
    keysName);

INSTANTIATE_TEST_SUITE_P(
    Results, KeySequence,
    ::testing::Values(
        KeysCase{"molar_mass",
                 {K::B1, K::B2, K::Bpoint, K::B0, K::B1, K::B1, K::plus, K::B4, K::multip, K::B1, K::Bpoint, K::B0,
                  K::B0, K::B8, K::EXE},
                 "", " 16.043"},
        KeysCase{"times_starts_with_last_answer", {K::B5, K::EXE, K::multip, K::B2, K::EXE}, "", " 10"},
        KeysCase{"times_after_answer_shows_line", {K::B5, K::EXE, K::multip}, "5 * ", "5 * "},
        KeysCase{"power_starts_with_last_answer", {K::B3, K::EXE, K::puissance, K::B2, K::EXE}, "", " 9"},
        KeysCase{"square_of_last_answer", {K::B3, K::EXE, K::btcarre}, "3 ^ 2", "3 ^ 2"},
        KeysCase{"minus_never_inserts_answer", {K::B3, K::EXE, K::moins}, "-", "-"},
        KeysCase{"ans_key", {K::B3, K::EXE, K::ANS, K::plus, K::ANS}, "3 + 3", "3 + 3"},
        KeysCase{"sine_thirty_degrees", {K::bsin, K::B3, K::B0, K::EXE}, "", " .5"},
        KeysCase{"arc_sine_radians", {K::radians, K::invsin, K::B1, K::EXE}, "", " 1.5707963267949"},
        KeysCase{"arc_sine_back_in_degrees", {K::radians, K::degres, K::invsin, K::B1, K::EXE}, "", " 90"},
        KeysCase{"power_of_ten_with_prefix", {K::B10x, K::B3, K::multip, K::B2, K::mil, K::EXE}, "", " 2"},
        KeysCase{"negative_result", {K::B2, K::moins, K::B5, K::EXE}, "", "-3"},
        KeysCase{"scientific_result", {K::scientifique, K::B5, K::B0, K::B0, K::EXE}, "", "5.E+02"},
        KeysCase{"standard_redisplays_answer", {K::scientifique, K::B5, K::B0, K::B0, K::EXE, K::standard}, "",
                 " 500"},
        KeysCase{"scientific_redisplays_answer", {K::B5, K::B0, K::B0, K::EXE, K::scientifique}, "", "5.E+02"},
        KeysCase{"format_with_line_shows_line", {K::B5, K::EXE, K::B2, K::scientifique}, "2", "2"},
        KeysCase{"inverse_key", {K::Command5, K::B4, K::EXE}, "", " .25"},
        KeysCase{"empty_line_gives_zero", {K::EXE}, "", " 0"}),
    keysName);

INSTANTIATE_TEST_SUITE_P(
    Errors, KeySequence,
    ::testing::Values(
        KeysCase{"unbalanced_keeps_expression", {K::Bpo, K::B2, K::plus, K::B3, K::EXE}, "(2 + 3", kParens.c_str(), true},
        KeysCase{"operator_error", {K::B2, K::multip, K::plus, K::B3, K::EXE}, "2 *  + 3", kOperators.c_str(), true},
        KeysCase{"division_by_zero", {K::B1, K::div, K::B0, K::EXE}, "1 / 0", kImpossible.c_str(), true},
        KeysCase{"next_key_replaces_message", {K::B1, K::div, K::B0, K::EXE, K::EFFACE}, "1 / ", "1 / "},
        KeysCase{"times_after_error_is_refused", {K::Bpo, K::B2, K::EXE, K::multip}, "(2", kOperators.c_str(), true},
        KeysCase{"ans_after_error_inserts_nothing", {K::Bpo, K::EXE, K::RAZ, K::ANS}, "", ""},
        KeysCase{"overflow_of_lone_number", {K::B1, K::BtoEXP, K::B4, K::B0, K::B0, K::EXE}, "1E400",
                 kOverflow.c_str(), true},
        KeysCase{"overflow_leaves_no_answer", {K::B1, K::BtoEXP, K::B4, K::B0, K::B0, K::EXE, K::RAZ, K::ANS}, "",
                 ""},
        KeysCase{"overflow_in_scientific_too",
                 {K::scientifique, K::B1, K::BtoEXP, K::B4, K::B0, K::B0, K::EXE}, "1E400", kOverflow.c_str(), true},
        KeysCase{"ac_clears_everything", {K::B1, K::plus, K::B2, K::RAZ}, "", ""}),
    keysName);

// After a failure the next number or function begins a new expression, as after a result;
// an operator has no answer to work on.
INSTANTIATE_TEST_SUITE_P(
    AfterAFailure, KeySequence,
    ::testing::Values(
        KeysCase{"digits_begin_a_new_expression",
                 {K::B1, K::div, K::B0, K::EXE, K::B2, K::plus, K::B3, K::EXE}, "", " 5"},
        KeysCase{"a_digit_replaces_the_kept_line", {K::B1, K::div, K::B0, K::EXE, K::B7}, "7", "7"},
        KeysCase{"a_function_too", {K::B1, K::div, K::B0, K::EXE, K::bsin, K::B3, K::B0, K::EXE}, "", " .5"},
        KeysCase{"a_parenthesis_after_a_parentheses_error",
                 {K::Bpo, K::B2, K::EXE, K::Bpo, K::B1, K::bpf, K::EXE}, "", " 1"},
        KeysCase{"pi_without_implicit_times", {K::B1, K::div, K::B0, K::EXE, K::pi}, "3.14159265358979",
                 "3.14159265358979"},
        KeysCase{"minus_begins_a_negative_number", {K::B1, K::div, K::B0, K::EXE, K::moins, K::B2, K::EXE}, "", "-2"},
        KeysCase{"divide_refused", {K::B1, K::div, K::B0, K::EXE, K::div}, "1 / 0", kOperators.c_str(), true},
        KeysCase{"plus_refused", {K::B1, K::div, K::B0, K::EXE, K::plus}, "1 / 0", kOperators.c_str(), true},
        KeysCase{"power_refused", {K::B1, K::div, K::B0, K::EXE, K::puissance}, "1 / 0", kOperators.c_str(), true},
        KeysCase{"square_refused", {K::B1, K::div, K::B0, K::EXE, K::btcarre}, "1 / 0", kOperators.c_str(), true},
        KeysCase{"a_refused_operator_then_a_number",
                 {K::B1, K::div, K::B0, K::EXE, K::multip, K::B4, K::EXE}, "", " 4"},
        KeysCase{"backspace_corrects_the_kept_line",
                 {K::B1, K::div, K::B0, K::EXE, K::EFFACE, K::B4, K::EXE}, "", " .25"},
        KeysCase{"once_corrected_operators_extend_it",
                 {K::B1, K::div, K::B0, K::EXE, K::EFFACE, K::B4, K::multip}, "1 / 4 * ", "1 / 4 * "},
        KeysCase{"ans_inserts_nothing_and_clears", {K::B1, K::div, K::B0, K::EXE, K::ANS}, "", ""},
        KeysCase{"after_an_overflow_too",
                 {K::B1, K::BtoEXP, K::B4, K::B0, K::B0, K::EXE, K::B2, K::EXE}, "", " 2"},
        KeysCase{"operator_after_an_overflow",
                 {K::B1, K::BtoEXP, K::B4, K::B0, K::B0, K::EXE, K::multip}, "1E400", kOperators.c_str(), true},
        KeysCase{"the_angle_keeps_the_message",
                 {K::B1, K::div, K::B0, K::EXE, K::radians, K::B2}, "2", "2"},
        KeysCase{"a_result_ends_it", {K::B1, K::div, K::B0, K::EXE, K::B3, K::EXE, K::multip, K::B2, K::EXE}, "",
                 " 6"}),
    keysName);

INSTANTIATE_TEST_SUITE_P(
    Backspace, KeySequence,
    ::testing::Values(KeysCase{"removes_function_name", {K::B2, K::Bcos, K::EFFACE}, "2 * ", "2 * "},
                      KeysCase{"then_removes_spaced_operator", {K::B2, K::Bcos, K::EFFACE, K::EFFACE}, "2", "2"},
                      KeysCase{"removes_one_digit", {K::B2, K::B5, K::EFFACE}, "2", "2"},
                      KeysCase{"power_of_ten_key", {K::B10x, K::EFFACE}, "10", "10"},
                      KeysCase{"function_after_parenthesis", {K::Bpo, K::Blog, K::EFFACE}, "(", "("},
                      KeysCase{"inverse_function", {K::B3, K::moins, K::invcos, K::EFFACE}, "3 - ", "3 - "},
                      KeysCase{"lone_function", {K::Bln, K::EFFACE}, "", ""},
                      KeysCase{"glued_sign", {K::B2, K::moins, K::moins, K::EFFACE}, "2 - ", "2 - "},
                      KeysCase{"empty_line", {K::EFFACE}, "", ""},
                      KeysCase{"empty_line_keeps_the_result", {K::B5, K::EXE, K::EFFACE}, "", " 5"},
                      KeysCase{"times_still_starts_from_the_answer",
                               {K::B5, K::EXE, K::EFFACE, K::multip, K::B2, K::EXE}, "", " 10"}),
    keysName);

TEST(Memory, AddsSubtractsAndClears) {
    CalculatorMemory memory;
    CalculatorKeys keys(memory);
    for (K k : {K::B5, K::EXE, K::Command1, K::Command1}) keys.press(k);
    EXPECT_DOUBLE_EQ(memory.value, 10);
    EXPECT_EQ(keys.display(), " 5");  // the memory keys leave the display alone
    for (K k : {K::B2, K::Command2}) keys.press(k);
    EXPECT_DOUBLE_EQ(memory.value, 8);
    keys.press(K::Command4);
    EXPECT_DOUBLE_EQ(memory.value, 0);
}

TEST(Memory, SurvivesClosingAndReopeningTheWindow) {
    CalculatorMemory memory;
    {
        CalculatorKeys first(memory);
        for (K k : {K::B1, K::B2, K::B3, K::B4, K::Bpoint, K::B5, K::EXE, K::Command1}) first.press(k);
    }
    CalculatorKeys second(memory);
    EXPECT_EQ(second.line(), "");
    EXPECT_EQ(second.answer(), "");
    second.press(K::B2);
    second.press(K::Command3);
    EXPECT_EQ(second.line(), "21234.5");
    second.press(K::RAZ);
    second.press(K::scientifique);
    second.press(K::Command3);
    EXPECT_EQ(second.line(), "1.2345E+03");
}

TEST(Memory, RefusesWhatCouldNotBeRecalled) {
    CalculatorMemory memory{1.5e308};
    CalculatorKeys keys(memory);
    for (K k : {K::B1, K::BtoEXP, K::B3, K::B0, K::B8}) keys.press(k);
    EXPECT_TRUE(keys.press(K::Command1));  // the sum would be infinite
    EXPECT_DOUBLE_EQ(memory.value, 1.5e308);
    for (K k : {K::B0, K::B0}) keys.press(k);  // "1E30800" cannot be read
    EXPECT_TRUE(keys.press(K::Command2));
    EXPECT_DOUBLE_EQ(memory.value, 1.5e308);
}

TEST(Answer, HoldsTheDisplayedText) {
    CalculatorMemory memory;
    CalculatorKeys keys(memory);
    for (K k : {K::B5, K::EXE}) keys.press(k);
    EXPECT_EQ(keys.answer(), " 5");
    EXPECT_EQ(keys.lastCode(), 0);
    for (K k : {K::B1, K::div, K::B0, K::EXE}) keys.press(k);
    EXPECT_EQ(keys.answer(), calculator_texts::kCalculImpossible);
    EXPECT_EQ(keys.lastCode(), 1);
}

struct TypedCase {
    char32_t ch;
    std::optional<CalcKey> key;
};
TEST(Keyboard, MapsTheCalculatorCharacters) {
    const std::vector<TypedCase> cases = {
        {U'0', K::B0}, {U'7', K::B7}, {U'.', K::Bpoint}, {U'e', K::BtoEXP}, {U'E', K::BtoEXP},
        {U'd', K::BtoEXP}, {U'D', K::BtoEXP}, {U'(', K::Bpo}, {U')', K::bpf}, {U'*', K::multip},
        {U'/', K::div}, {U'+', K::plus}, {U'-', K::moins}, {U'^', K::puissance}, {U'\b', K::EFFACE},
        {U'\r', K::EXE}, {U'\n', K::EXE}, {U'a', std::nullopt}, {U' ', std::nullopt}, {U',', std::nullopt},
        {U'x', std::nullopt}, {U'µ', std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(keyForCharacter(c.ch), c.key) << static_cast<unsigned>(c.ch);
}

TEST(KeyTable, EveryKeyHasOneDistinctName) {
    std::set<std::string_view> names;
    for (const auto& info : calculatorKeys()) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(keyByName(info.name), info.key);
        EXPECT_EQ(&keyInfo(info.key), &info);
    }
    EXPECT_EQ(names.size(), 53u);
    EXPECT_FALSE(keyByName("angle(0)").has_value());
    EXPECT_EQ(keyInfo(K::Command1).tooltip, "Ajouter à la mémoire");
    EXPECT_EQ(keyInfo(K::BtoEXP).tooltip, "x 10ª");
    EXPECT_EQ(keyInfo(K::micro).caption, "µ");
}

}  // namespace
}  // namespace tavir

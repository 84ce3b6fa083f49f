// The evaluator on the expressions the calculator keys build, and on odd and hostile ones.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "core/calculator/evaluator.hpp"

namespace tavir {
namespace {

struct EvalCase {
    const char* name;
    const char* expression;
    std::int16_t angle;
    std::int16_t code;
    const char* result;  // checked only when code is 0
};
void PrintTo(const EvalCase& c, std::ostream* os) { *os << c.name; }

std::string caseName(const ::testing::TestParamInfo<EvalCase>& info) { return info.param.name; }

class Evaluation : public ::testing::TestWithParam<EvalCase> {};

TEST_P(Evaluation, GivesCodeAndNumberText) {
    const EvalCase& c = GetParam();
    std::string text = c.expression;
    std::int16_t code = -1;
    calcexpr(text, code, c.angle);
    ASSERT_EQ(code, c.code) << "expression [" << c.expression << "] left [" << text << "]";
    if (c.code == calccode::kOk) {
        EXPECT_EQ(text, c.result);
    }
}

constexpr std::int16_t D = kDegrees;
constexpr std::int16_t R = kRadians;

INSTANTIATE_TEST_SUITE_P(
    PrecedenceAndAssociativity, Evaluation,
    ::testing::Values(EvalCase{"times_before_plus", "2 + 3 * 4", D, 0, "14"},
                      EvalCase{"times_then_plus", "2 * 3 + 4", D, 0, "10"},
                      EvalCase{"group_first", "(2 + 3) * 4", D, 0, "20"},
                      EvalCase{"power_groups_from_left", "2 ^ 3 ^ 2", D, 0, "64"},
                      EvalCase{"power_before_times", "2 * 3 ^ 2", D, 0, "18"},
                      EvalCase{"power_before_division", "6 / 2 ^ 2", D, 0, "1.5"},
                      EvalCase{"times_before_minus", "2 - 3 * 4", D, 0, "-10"},
                      EvalCase{"minus_chain_left_to_right", "10 - 2 - 3", D, 0, "5"},
                      EvalCase{"minus_then_plus", "2 - 3 + 4", D, 0, "3"},
                      EvalCase{"long_plus_minus_chain", "1 + 2 - 3 + 4 - 5", D, 0, "-1"},
                      EvalCase{"division_chain", "8 / 2 / 4", D, 0, "1"},
                      EvalCase{"division_then_times", "8 / 2 * 4", D, 0, "16"},
                      EvalCase{"molar_mass", "12.011 + 4 * 1.008", D, 0, "16.043"},
                      EvalCase{"lone_number", "5", D, 0, "5"},
                      EvalCase{"empty_line", "", D, 0, ""}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    SignsAndExponents, Evaluation,
    ::testing::Values(EvalCase{"unary_minus_binds_before_power", "-2 ^ 2", D, 0, "4"},
                      EvalCase{"negative_exponent", "2 ^ -1", D, 0, ".5"},
                      EvalCase{"minus_minus_merges_into_plus", "5 - -3", D, 0, "8"},
                      EvalCase{"plus_minus_merges_into_minus", "5 + -3", D, 0, "2"},
                      EvalCase{"minus_plus_merges_into_minus", "5 - +3", D, 0, "2"},
                      EvalCase{"times_negative", "2 * -3", D, 0, "-6"},
                      EvalCase{"sign_run_collapses", "+-+-5", D, 0, "5"},
                      EvalCase{"negated_group_of_negative", "-(-3)", D, 0, "3"},
                      EvalCase{"exponent_plus_is_glued", "2E+3 * 2", D, 0, "4000"},
                      EvalCase{"exponent_minus_is_glued", "2E-3 - 1", D, 0, "-.998"},
                      EvalCase{"exponent_then_operator", "2E+3+1", D, 0, "2001"},
                      EvalCase{"d_exponent_letter", "1D3 + 2d-2", D, 0, "1000.02"},
                      EvalCase{"prefixes_as_powers_of_ten", "10 ^ 2 * 3E+12", D, 0, "300000000000000"},
                      EvalCase{"blanks_are_not_separators", "2 3", D, 0, "23"},
                      EvalCase{"each_step_rounds_to_15_digits", "1 / 3 * 3", D, 0, ".999999999999999"},
                      EvalCase{"exponent_form_of_large_result", "1E+20 * 10", D, 0, "1E+21"},
                      EvalCase{"exponent_form_of_small_result", "1 / 100000", D, 0, "1E-05"},
                      EvalCase{"underflow_reads_as_zero", "1E-400 * 5", D, 0, "0"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Functions, Evaluation,
    ::testing::Values(EvalCase{"sine_degrees", "sin 30", D, 0, ".5"},
                      EvalCase{"cosine_degrees", "2 * cos 60", D, 0, "1"},
                      EvalCase{"tangent_degrees", "tan 45", D, 0, "1"},
                      EvalCase{"arc_sine_degrees", "invSIN 1", D, 0, "90"},
                      EvalCase{"arc_sine_half_degrees", "invSIN .5", D, 0, "30"},
                      EvalCase{"arc_cosine_degrees", "invCOS 0", D, 0, "90"},
                      EvalCase{"arc_cosine_of_one", "invCOS 1", D, 0, "0"},
                      EvalCase{"arc_tangent_degrees", "invTAN 1", D, 0, "45"},
                      EvalCase{"sine_radians", "sin 30", R, 0, "-.988031624092862"},
                      EvalCase{"cosine_radians", "cos 0", R, 0, "1"},
                      EvalCase{"arc_sine_radians", "invSIN 1", R, 0, "1.5707963267949"},
                      EvalCase{"arc_tangent_radians", "invTAN 1", R, 0, ".785398163397448"},
                      EvalCase{"decimal_log", "log 1000", D, 0, "3"},
                      EvalCase{"natural_log_of_one", "ln 1", D, 0, "0"},
                      EvalCase{"exponential", "exp 1", D, 0, "2.71828182845905"},
                      EvalCase{"square_root", "SQR 2", D, 0, "1.4142135623731"},
                      EvalCase{"function_takes_first_number_only", "sin 30 + 1", D, 0, "1.5"},
                      EvalCase{"log_then_power", "log 10 ^ 2", D, 0, "1"},
                      EvalCase{"natural_log_of_group", "ln (2 + 3)", D, 0, "1.6094379124341"},
                      EvalCase{"nested_functions", "SQR SQR 16", D, 0, "2"},
                      EvalCase{"function_of_function_group", "cos (sin 30)", D, 0, ".999961923064171"},
                      EvalCase{"function_of_function_group_radians", "cos (sin 30)", R, 0, ".550334409962843"},
                      EvalCase{"double_parentheses", "((2 + 3))", D, 0, "5"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ErrorCodes, Evaluation,
    ::testing::Values(EvalCase{"square_root_of_negative", "SQR -4", D, 1, ""},
                      EvalCase{"log_of_zero", "log 0", D, 1, ""},
                      EvalCase{"ln_of_negative", "ln -1", D, 1, ""},
                      EvalCase{"division_by_zero", "1 / 0", D, 1, ""},
                      EvalCase{"arc_cosine_out_of_range", "invCOS 2", D, 1, ""},
                      EvalCase{"arc_sine_out_of_range", "invSIN -1.5", R, 1, ""},
                      EvalCase{"power_overflow", "10 ^ 400", D, 1, ""},
                      EvalCase{"power_without_real_value", "(-8) ^ (1 / 3)", D, 1, ""},
                      EvalCase{"zero_to_negative_power", "0 ^ -1", D, 1, ""},
                      EvalCase{"exponential_overflow", "exp 1000", D, 1, ""},
                      EvalCase{"product_overflow", "1E308 * 10", D, 1, ""},
                      EvalCase{"plus_then_times_leaves_empty_operand", "2 + * 3", D, 1, ""},
                      EvalCase{"empty_group_leaves_empty_operand", "2 * ()", D, 1, ""},
                      EvalCase{"function_of_nothing_never_reduces", "cos X", D, 1, ""},
                      EvalCase{"parentheses_in_wrong_order", ")2(", D, 1, ""},
                      EvalCase{"unclosed_group", "(2 + 3", D, 2, ""},
                      EvalCase{"unopened_group", "2 + 3)", D, 2, ""},
                      EvalCase{"unclosed_nested_functions", "sin (cos (tan 45)", D, 2, ""},
                      EvalCase{"times_then_plus", "2 * + 3", D, 3, ""},
                      EvalCase{"ends_with_power", "2 ^", D, 3, ""},
                      EvalCase{"ends_with_division", "4 /", D, 3, ""},
                      EvalCase{"both_faults_report_parentheses", "(2 *", D, 2, ""},
                      // The signs merge before the operators are checked.
                      EvalCase{"merged_signs_after_times", "2 * -(-3)", D, 3, ""}),
    caseName);

// Odd inputs: what the rewriting order makes of them.
INSTANTIATE_TEST_SUITE_P(
    OddInputs, Evaluation,
    ::testing::Values(EvalCase{"word_operand_reads_as_zero", "ABC + 2", D, 0, "2"},
                      EvalCase{"lone_number_is_left_as_typed", "5E2", D, 0, "5E2"},
                      EvalCase{"lone_huge_number_is_left_to_the_caller", "1E400", D, 0, "1E400"},
                      EvalCase{"plain_signed_number_loses_parentheses", "(-5) * (.5)", D, 0, "-2.5"},
                      EvalCase{"group_with_exponent_sign", "(1E+3) + 1", D, 0, "1001"},
                      EvalCase{"lower_case_names", "Sqr 9 + Log 100", D, 0, "5"}),
    caseName);

struct StepCase {
    const char* name;
    const char* input;
    const char* output;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
std::string stepName(const ::testing::TestParamInfo<StepCase>& info) { return info.param.name; }

class Espace : public ::testing::TestWithParam<StepCase> {};
TEST_P(Espace, Tokenises) {
    std::string s = GetParam().input;
    espace(s);
    EXPECT_EQ(s, GetParam().output);
}
INSTANTIATE_TEST_SUITE_P(
    Tokens, Espace,
    ::testing::Values(StepCase{"function_gets_its_blank", "2*cos60", " 2 * COS 60 "},
                      StepCase{"inverse_names_shorten", "invsin1+invcos0+invtan1", " ISI 1 + ICO 0 + ITA 1 "},
                      StepCase{"ln_becomes_lon", "ln(2+3)", " LON (2 + 3) "},
                      StepCase{"sign_after_exponent_stays", "2E+3*-2", " 2E+3 * -2 "},
                      StepCase{"sign_after_d_exponent_stays", "5D-2+1", " 5D-2 + 1 "},
                      StepCase{"leading_plus_dropped", "+5-3", " 5 - 3 "},
                      StepCase{"minus_after_parenthesis_is_unary", "(-5)", " (-5) "},
                      StepCase{"minus_after_operator_is_unary", "2^-1", " 2 ^ -1 "},
                      StepCase{"minus_after_closing_is_binary", "(1)-2", " (1) - 2 "},
                      StepCase{"blanks_removed_first", "1 2 * 3", " 12 * 3 "}),
    stepName);

class Nettoie : public ::testing::TestWithParam<StepCase> {};
TEST_P(Nettoie, Normalises) {
    std::string s = GetParam().input;
    nettoie(s);
    EXPECT_EQ(s, GetParam().output);
}
INSTANTIATE_TEST_SUITE_P(
    Rewrites, Nettoie,
    ::testing::Values(StepCase{"minus_minus", "5 - -3", " 5 + 3 "},
                      StepCase{"leading_double_minus", "--5", " 5 "},
                      StepCase{"nested_plain_number", "((.5))", " .5 "},
                      StepCase{"signed_number_in_parentheses", "2*(-5)", " 2 * -5 "},
                      StepCase{"exponent_keeps_parentheses", "(1E+3)", " (1E+3) "},
                      StepCase{"sum_keeps_parentheses", "(2+3)", " (2 + 3) "},
                      StepCase{"empty_parentheses_stay", "()", " () "},
                      StepCase{"upper_case", "sqr 4", " SQR 4 "}),
    stepName);

struct ControleCase {
    const char* name;
    const char* tokenised;
    std::int16_t code;
};
void PrintTo(const ControleCase& c, std::ostream* os) { *os << c.name; }
class Controle : public ::testing::TestWithParam<ControleCase> {};
TEST_P(Controle, SetsTheSyntaxCode) {
    std::int16_t code = 0;
    controle(GetParam().tokenised, code);
    EXPECT_EQ(code, GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(
    Syntax, Controle,
    ::testing::Values(ControleCase{"balanced", " (2 + 3) * 4 ", 0},
                      ControleCase{"unbalanced", " (2 + 3 ", 2},
                      ControleCase{"times_plus", " 2 *  + 3 ", 3},
                      ControleCase{"trailing_power", " 2 ^  ", 3},
                      ControleCase{"both_give_parentheses", " (2 ^  ", 2},
                      ControleCase{"plus_times_not_caught", " 2 +  * 3 ", 0},
                      ControleCase{"unary_minus_after_times", " 2 * -3 ", 0}),
    [](const ::testing::TestParamInfo<ControleCase>& info) { return std::string(info.param.name); });

TEST(Compte, CountsOnlySpacedOperatorsAndEveryName) {
    CalcCounters k;
    compte(" COS (SIN 30) - 2 * -3 ", k);
    EXPECT_EQ(k, (CalcCounters{1, 2, 2}));
    compte(" -3 ", k);
    EXPECT_EQ(k, (CalcCounters{0, 0, 0}));
}

TEST(Calcfonc, SkipsAFunctionOfAGroupAndReducesTheOthers) {
    std::string s = " LON (2 + 3) + SIN 30 ";
    CalcCounters k;
    compte(s, k);
    calcfonc(s, k, kDegrees);
    EXPECT_EQ(s, " LON (2 + 3) + .5 ");
    EXPECT_EQ(k.nbfonc, 1);
}

TEST(Calcop, ReducesLeftmostHighestRankFirst) {
    std::string s = " 1 - 2 + 3 * 2 ^ 2 ";
    CalcCounters k;
    compte(s, k);
    calcop(s, k);
    EXPECT_EQ(s, " 11 ");
    EXPECT_EQ(k.nbop, 0);
}

TEST(Calcop, MissingOperandIsAFault) {
    std::string s = " 2 +  * 3 ";
    CalcCounters k;
    compte(s, k);
    EXPECT_THROW(calcop(s, k), CalcFault);
}

// Bounds that keep the window responsive whatever is typed or pasted.
std::int16_t codeOf(std::string text, std::int16_t angle = kDegrees) {
    std::int16_t code = -1;
    calcexpr(text, code, angle);
    return code;
}

TEST(Bounds, LongestAcceptedExpressionEvaluates) {
    std::string text = "1";
    while (text.size() + 4 <= kMaxExpressionLength) text += " + 1";
    std::int16_t code = -1;
    calcexpr(text, code, kDegrees);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, "250");
}

TEST(Bounds, TooLongExpressionIsRefused) {
    std::string text(kMaxExpressionLength + 1, '1');
    EXPECT_EQ(codeOf(text), calccode::kFailed);
    EXPECT_EQ(codeOf(std::string(kMaxExpressionLength, '1')), calccode::kOk);
}

TEST(Bounds, HostileInputsEndQuickly) {
    std::string nestedFunctions;
    for (int i = 0; i < 249; ++i) nestedFunctions += "sin ";
    nestedFunctions += "30";
    std::string deepGroups = std::string(300, '(') + "1 + 1" + std::string(300, ')');
    std::string emptyGroups = std::string(500, '(') + std::string(500, ')');
    std::string operators(1000, '*');
    std::string signs(1000, '-');
    std::string divisions = "1";
    while (divisions.size() + 2 <= kMaxExpressionLength) divisions += "/3";

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(codeOf(nestedFunctions), calccode::kOk);
    EXPECT_EQ(codeOf(deepGroups), calccode::kOk);
    EXPECT_NE(codeOf(emptyGroups), -1);
    EXPECT_EQ(codeOf(operators), calccode::kOperators);
    EXPECT_EQ(codeOf(signs), calccode::kOk);  // the signs merge into one
    EXPECT_EQ(codeOf(divisions), calccode::kOk);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace tavir

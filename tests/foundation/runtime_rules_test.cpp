// Integer and Long overflow, rounding ties and the leading-number rule.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/checked_arithmetic.h"
#include "platform/text_number.h"

namespace bv {
namespace {

int FailureNumberOf(const std::function<void()>& body) {
    try {
        body();
    } catch (const RuntimeFailure& failure) {
        return failure.number();
    }
    return 0;
}

TEST(CheckedArithmetic, IntegerKeepsSixteenBitsAndFailsBeyond) {
    EXPECT_EQ(ToInteger(32767), 32767);
    EXPECT_EQ(ToInteger(-32768), -32768);
    EXPECT_EQ(FailureNumberOf([] { ToInteger(32768); }), kOverflow);
    EXPECT_EQ(FailureNumberOf([] { ToInteger(-32769); }), kOverflow);
    // The sum of two Integers is checked in the Integer range, not wrapped.
    const Integer big = 30000;
    EXPECT_EQ(FailureNumberOf([&] { ToInteger(big + big); }), kOverflow);
}

TEST(CheckedArithmetic, LongKeepsThirtyTwoBitsAndFailsBeyond) {
    EXPECT_EQ(ToLong(2147483647LL), 2147483647);
    EXPECT_EQ(FailureNumberOf([] { ToLong(2147483648LL); }), kOverflow);
    EXPECT_EQ(FailureNumberOf([] { ToLong(-2147483649LL); }), kOverflow);
    EXPECT_EQ(FailureNumberOf([] { RoundToLong(3e9); }), kOverflow);
    // A rounded real keeps both ends of the range and fails just past them.
    EXPECT_EQ(RoundToLong(-2147483648.0), INT32_MIN);
    EXPECT_EQ(RoundToLong(2147483647.4), INT32_MAX);
    EXPECT_EQ(FailureNumberOf([] { RoundToLong(-2147483648.6); }), kOverflow);
    EXPECT_EQ(RoundToInteger(-32768.0), -32768);
    EXPECT_EQ(FailureNumberOf([] { RoundToInteger(-32768.6); }), kOverflow);
}

TEST(CheckedArithmetic, RealsRoundHalfToEven) {
    EXPECT_EQ(RoundToInteger(2.5), 2);
    EXPECT_EQ(RoundToInteger(3.5), 4);
    EXPECT_EQ(RoundToInteger(-2.5), -2);
    EXPECT_EQ(RoundToInteger(-3.5), -4);
    EXPECT_EQ(RoundToInteger(186.5), 186);
    EXPECT_EQ(RoundToInteger(2.51), 3);
    EXPECT_EQ(RoundToLong(369.5), 370);
    EXPECT_EQ(RoundToInteger(32767.4), 32767);
    EXPECT_EQ(FailureNumberOf([] { RoundToInteger(32767.5); }), kOverflow);
    EXPECT_EQ(FailureNumberOf([] { RoundToInteger(1.0 / 0.0); }), kOverflow);
}

TEST(CheckedArithmetic, FloorAndDivision) {
    EXPECT_EQ(FloorToLong(-0.5), -1);
    EXPECT_EQ(FloorToLong(853.99), 853);
    EXPECT_EQ(FailureNumberOf([] { DivideOrFail(1, 0); }), kDivisionByZero);
}

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(Val("70"), 70);
    EXPECT_EQ(Val("  -12abc"), -12);
    EXPECT_EQ(Val("1 2 3"), 123);  // blanks are skipped wherever they stand
    EXPECT_EQ(Val("\t4\n5"), 45);
    EXPECT_DOUBLE_EQ(Val("70.5"), 70.5);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);  // one decimal point only
    EXPECT_DOUBLE_EQ(Val("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(Val("2E-1"), 0.2);
    EXPECT_DOUBLE_EQ(Val("5e"), 5.0);  // an exponent with no digits is not read
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("word"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("+7"), 7);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
}

TEST(LeadingNumber, HugeExponentsAreAnOverflowNotInfinity) {
    EXPECT_EQ(FailureNumberOf([] { Val("1e999"); }), kOverflow);
}

TEST(WholeNumber, AcceptsBlanksAroundButNothingElse) {
    EXPECT_EQ(ParseWholeNumber(" 1234"), 1234.0);
    EXPECT_EQ(ParseWholeNumber("1234  "), 1234.0);
    EXPECT_FALSE(ParseWholeNumber("12 34"));
    EXPECT_FALSE(ParseWholeNumber("1234 /c"));
    EXPECT_FALSE(ParseWholeNumber(":1234"));
    EXPECT_FALSE(ParseWholeNumber(""));
    EXPECT_FALSE(ParseWholeNumber("  "));
    EXPECT_EQ(ToLongStrict("42"), 42);
    EXPECT_EQ(FailureNumberOf([] { ToLongStrict("xyz"); }), kTypeMismatch);
}

}  // namespace
}  // namespace bv

#include "platform/text_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {
namespace {

bool IsSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the longest prefix (blanks removed) that forms a decimal number.
// Returns the collected characters and how much of the input they used.
struct NumberPrefix {
    std::string digits;
    bool hasMantissa = false;
    std::size_t consumed = 0;
};

NumberPrefix ReadNumberPrefix(std::string_view text, bool skipInnerBlanks) {
    NumberPrefix result;
    std::string& out = result.digits;
    enum class Stage { Sign, Mantissa, Fraction, ExponentSign, Exponent } stage = Stage::Sign;
    std::size_t committed = 0;  // length of `out` that forms a complete number
    std::size_t committedConsumed = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsSkippedBlank(c)) {
            if (!skipInnerBlanks && stage != Stage::Sign) break;
            ++i;
            continue;
        }
        if (stage == Stage::Sign && (c == '+' || c == '-')) {
            out += c;
            stage = Stage::Mantissa;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa || stage == Stage::Fraction) &&
                   IsDigit(c)) {
            out += c;
            result.hasMantissa = true;
            if (stage == Stage::Sign) stage = Stage::Mantissa;
            committed = out.size();
            committedConsumed = i + 1;
        } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && c == '.') {
            out += c;
            stage = Stage::Fraction;
            if (result.hasMantissa) {
                committed = out.size();
                committedConsumed = i + 1;
            }
        } else if ((stage == Stage::Mantissa || stage == Stage::Fraction) && result.hasMantissa &&
                   (c == 'e' || c == 'E' || c == 'd' || c == 'D')) {
            out += 'e';
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (c == '+' || c == '-')) {
            out += c;
            stage = Stage::Exponent;
        } else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && IsDigit(c)) {
            out += c;
            stage = Stage::Exponent;
            committed = out.size();
            committedConsumed = i + 1;
        } else {
            break;
        }
        ++i;
    }
    out.resize(committed);
    result.consumed = committedConsumed;
    return result;
}

// The value of a hexadecimal digit, or -1.
int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "0x" and at least one hexadecimal digit, blanks around.
std::optional<double> ParseHexNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && IsSkippedBlank(text[first])) ++first;
    while (end > first && IsSkippedBlank(text[end - 1])) --end;
    const std::string_view number = text.substr(first, end - first);
    if (number.size() < 3 || number[0] != '0' || (number[1] != 'x' && number[1] != 'X'))
        return std::nullopt;
    double value = 0.0;
    for (const char c : number.substr(2)) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16.0 + digit;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double ToDouble(const std::string& digits) {
    if (digits.empty()) return 0.0;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(value)) Fail(kOverflow);
    return value;
}

}  // namespace

double Val(std::string_view text) {
    const NumberPrefix prefix = ReadNumberPrefix(text, /*skipInnerBlanks=*/true);
    if (!prefix.hasMantissa) return 0.0;
    return ToDouble(prefix.digits);
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    const NumberPrefix prefix = ReadNumberPrefix(text, /*skipInnerBlanks=*/false);
    if (!prefix.hasMantissa) return std::nullopt;
    for (std::size_t i = prefix.consumed; i < text.size(); ++i)
        if (!IsSkippedBlank(text[i])) return std::nullopt;
    const double value = std::strtod(prefix.digits.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

long ToLongStrict(std::string_view text) {
    const std::optional<double> number = ParseWholeNumber(text);
    if (!number) Fail(kTypeMismatch);
    return RoundToLong(*number);
}

std::optional<double> ParseWindowHandle(std::string_view text) {
    if (const std::optional<double> hex = ParseHexNumber(text)) return hex;
    return ParseWholeNumber(text);
}

long ToWindowHandleStrict(std::string_view text) {
    const std::optional<double> number = ParseWindowHandle(text);
    if (!number) Fail(kTypeMismatch);
    return RoundToLong(*number);
}

}  // namespace bv

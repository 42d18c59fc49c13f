#pragma once
// Reading numbers out of text the way the settings and the command line need it.

#include <optional>
#include <string_view>

namespace bv {

// Leading-number rule: blanks, tabs and line feeds are skipped wherever they
// stand; reading stops at the first character that cannot continue a decimal
// number (sign, one decimal point and an exponent are accepted); nothing
// numeric gives 0.
double Val(std::string_view text);

// The whole text is one number, blanks allowed before and after it.
// Returns the number, or nothing when the text is not entirely numeric.
std::optional<double> ParseWholeNumber(std::string_view text);

// ParseWholeNumber, rounded half to even into a Long. Fails with a type
// mismatch when the text is not a number and with an overflow when it does
// not fit.
long ToLongStrict(std::string_view text);

// A window handle as a command line gives it: a whole number as
// ParseWholeNumber reads it, or "0x" (or "0X") and hexadecimal digits, the
// way xwininfo and xscreensaver print window ids; blanks allowed before and
// after either. Nothing when the text is neither.
std::optional<double> ParseWindowHandle(std::string_view text);

// ParseWindowHandle rounded half to even into a Long. Fails with a type
// mismatch when the text is not a handle and with an overflow when it does
// not fit.
long ToWindowHandleStrict(std::string_view text);

}  // namespace bv

#pragma once
// The program's rules for numbers as text. Every text the program reads as a
// number, and every number it writes as text, goes through here.

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The leading number of a text: blanks, tabs and line feeds anywhere in the
// text are skipped, then an optional sign, digits with at most one decimal
// point and an optional exponent are taken, up to the first other character.
// The decimal point may be the point or localeDecimal, the decimal separator
// of the user's locale, for a number the user typed. A text that does not
// begin with a number reads as 0. Returns nullopt only when the number is too
// large for a double.
std::optional<double> leadingNumber(std::string_view text, char localeDecimal);

// The leading number of one of the program's own texts, whose decimal point is
// always the point; nullopt only when the number is too large for a double.
std::optional<double> ownLeadingNumber(std::string_view text);

// The same, reading a number too large for a double as 0.
double leadingNumberOr0(std::string_view text);

// The whole-text conversion: blanks around the number are allowed, anything
// else makes it fail, as does a number too large for a double. The decimal
// separator may be the point or localeDecimal, that of the user's locale.
std::optional<double> wholeNumber(std::string_view text, char localeDecimal);

// The whole-text conversion of a value the user typed for the point solver:
// besides the decimal separators it accepts the locale's grouping separator
// between two digits of the whole part, so that in an English locale "1,000"
// reads 1000 and "7,5" reads 75. A grouping separator that is the point or the
// locale's decimal separator is not taken as one.
std::optional<double> typedNumber(std::string_view text, char localeDecimal, std::string_view localeGrouping);

// The general text of a number: at most 15 significant digits, no trailing
// zeros ("29.92126", "121", "0.03", "-1", "1E-05", "1E+15").
std::string generalText(double value);

// The number rounded to 15 significant digits: what a number becomes when it
// passes through its general text.
double round15(double value);

// Seven decimals without a zero before the point: 12.5 -> "12.5000000",
// 0.0123 -> ".0123000", -0.5 -> "-.5000000", -0.00000001 -> "-.0000000";
// exactly -1 -> "" (no value).
std::string formatprop(double value);

// Four decimals with at least one digit before the point: "1.3768", "0.0959";
// a value that shows as all zeros has no minus sign.
std::string fourDecimals(double value);

// How the chart surface prints a number: the sign's place (a blank when not
// negative), the general text without a zero before the point, then a blank:
// 10 -> " 10 ", 0.005 -> " .005 ", -0.5 -> "-.5 ".
std::string surfaceNumber(double value);

} // namespace numtext

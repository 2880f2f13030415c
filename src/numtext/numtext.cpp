#include "numtext/numtext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace numtext {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parses a plain decimal number written with '.' and an 'e' exponent, as the
// scanners below produce it. Locale-independent. A number beyond the range of
// a double fails; one too small for it reads as zero.
std::optional<double> parsePlain(const std::string& plain, bool negative, bool tiny)
{
    double value = 0;
    const char* first = plain.data();
    const char* last = first + plain.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (!tiny)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// The pieces of a number scanned from a text, in plain form.
struct Scanned {
    std::string plain;     // digits, at most one '.', maybe "e" and exponent
    bool negative = false;
    bool hasDigits = false;
    long digitsBeforePoint = 0; // significant digits before the point
    long zerosAfterPoint = 0;   // zeros after the point before any significant digit
    long exponent = 0;
};

// Tells underflow from overflow when the parse is out of range, by where the
// first significant digit stands.
bool isTiny(const Scanned& s)
{
    const long firstDigitPlace = s.digitsBeforePoint > 0 ? s.digitsBeforePoint : -s.zerosAfterPoint;
    return firstDigitPlace + s.exponent <= 0;
}

// What separates digits besides the decimal separators: the locale's grouping
// separator, accepted only between two digits of the whole part.
struct Grouping {
    std::string_view separator;

    // The length of the separator at text[i] when it stands between two
    // digits, else 0.
    std::size_t at(std::string_view text, std::size_t i) const
    {
        if (separator.empty() || i == 0 || !isDigit(text[i - 1]) || text.substr(i, separator.size()) != separator)
            return 0;
        const std::size_t next = i + separator.size();
        return next < text.size() && isDigit(text[next]) ? separator.size() : 0;
    }
};

// Scans mantissa and exponent starting at text[i]; `isPoint` tells decimal
// separators. Stops at the first character that does not continue the number.
template <class IsPoint>
std::size_t scanNumber(std::string_view text, std::size_t i, IsPoint isPoint, Scanned& s, Grouping grouping = {})
{
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    bool leadingZeros = true;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            s.hasDigits = true;
            s.plain += c;
            if (c != '0')
                leadingZeros = false;
            if (!seenPoint && !leadingZeros)
                ++s.digitsBeforePoint;
            if (seenPoint && leadingZeros)
                ++s.zerosAfterPoint;
        } else if (const std::size_t separator = seenPoint ? 0 : grouping.at(text, i); separator > 0) {
            i += separator - 1;
        } else if (!seenPoint && isPoint(c)) {
            seenPoint = true;
            s.plain += '.';
        } else {
            break;
        }
    }
    if (!s.hasDigits || i >= text.size())
        return i;
    char e = text[i];
    if (e != 'e' && e != 'E' && e != 'd' && e != 'D')
        return i;
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
        exp += text[j++];
    std::size_t digitsFrom = j;
    long magnitude = 0;
    for (; j < text.size() && isDigit(text[j]); ++j) {
        exp += text[j];
        if (magnitude < 100000)
            magnitude = magnitude * 10 + (text[j] - '0');
    }
    if (j == digitsFrom)
        return i; // "1e" or "1e+": the exponent is not part of the number
    s.plain += exp;
    s.exponent = exp[1] == '-' ? -magnitude : magnitude;
    return j;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<double> leadingNumber(std::string_view text, char localeDecimal)
{
    std::string squeezed;
    squeezed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    Scanned s;
    scanNumber(squeezed, 0, [localeDecimal](char c) { return c == '.' || c == localeDecimal; }, s);
    if (!s.hasDigits)
        return 0.0;
    return parsePlain(s.plain, s.negative, isTiny(s));
}

std::optional<double> ownLeadingNumber(std::string_view text)
{
    return leadingNumber(text, '.');
}

double leadingNumberOr0(std::string_view text)
{
    return ownLeadingNumber(text).value_or(0.0);
}

std::optional<double> wholeNumber(std::string_view text, char localeDecimal)
{
    return typedNumber(text, localeDecimal, {});
}

std::optional<double> typedNumber(std::string_view text, char localeDecimal, std::string_view localeGrouping)
{
    // A grouping separator that could be taken for a decimal one is not one.
    if (localeGrouping == "." || localeGrouping == std::string_view(&localeDecimal, 1))
        localeGrouping = {};
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    Scanned s;
    i = scanNumber(
        text, i, [localeDecimal](char c) { return c == '.' || c == localeDecimal; }, s, Grouping{localeGrouping});
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (!s.hasDigits || i != text.size())
        return std::nullopt;
    return parsePlain(s.plain, s.negative, isTiny(s));
}

std::string generalText(double value)
{
    if (!std::isfinite(value))
        return "";
    if (value == 0)
        return "0";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, end);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

double round15(double value)
{
    if (!std::isfinite(value))
        return value;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(buf, end, rounded);
    return rounded;
}

namespace {

enum class ZeroSign { Keep, Drop };

// Fixed-point text with the given decimals. Like the classic format routines
// it rounds the number's 15-digit decimal form half away from zero, so that
// 0.00000005 shows as .0000001. A negative number whose digits all show as
// zero keeps or drops its minus sign as asked.
std::string fixedText(double value, int decimals, ZeroSign zeroSign)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string sci(buf, end);                      // d.dddddddddddddde[+-]xx
    std::size_t ePos = sci.find('e');
    int exponent = std::stoi(sci.substr(ePos + 1));
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2); // 15 digits

    // Place the digits so that `digits` reads as an integer count of
    // 10^-(decimals) units, rounding away the digits beyond.
    int keep = exponent + 1 + decimals; // digits that fall before the cut
    std::string units;
    if (keep <= 0) {
        units = "0";
    } else if (keep >= static_cast<int>(digits.size())) {
        units = digits + std::string(keep - digits.size(), '0');
    } else {
        units = digits.substr(0, keep);
        if (digits[keep] >= '5') {
            int i = static_cast<int>(units.size()) - 1;
            while (i >= 0 && units[i] == '9')
                units[i--] = '0';
            if (i < 0)
                units.insert(units.begin(), '1');
            else
                ++units[i];
        }
    }
    if (keep == 0 && digits[0] >= '5')
        units = "1";
    if (static_cast<int>(units.size()) <= decimals)
        units = std::string(decimals + 1 - units.size(), '0') + units;
    std::string text = units.substr(0, units.size() - decimals);
    if (decimals > 0)
        text += "." + units.substr(units.size() - decimals);
    bool allZero = text.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !(allZero && zeroSign == ZeroSign::Drop))
        text = "-" + text;
    return text;
}

// Drops the zero before the decimal point: "0.5" -> ".5", "-0.5" -> "-.5".
std::string withoutLeadingZero(std::string text)
{
    std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() > at + 1 && text[at] == '0' && text[at + 1] == '.')
        text.erase(at, 1);
    return text;
}

} // namespace

std::string formatprop(double value)
{
    if (value == -1 || !std::isfinite(value))
        return "";
    return withoutLeadingZero(fixedText(value, 7, ZeroSign::Keep));
}

std::string fourDecimals(double value)
{
    if (!std::isfinite(value))
        return "";
    return fixedText(value, 4, ZeroSign::Drop);
}

std::string surfaceNumber(double value)
{
    std::string digits = withoutLeadingZero(generalText(value));
    std::string sign = digits.empty() || digits[0] != '-' ? " " : "";
    return sign + digits + " ";
}

} // namespace numtext

#include "match/format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace hovla {

namespace {

// printf's %.*g and %.*e, always with a point whatever the process locale.
std::string printed(double value, std::chars_format format, int precision)
{
    char buf[40];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, format, precision);
    return std::string(buf, result.ptr);
}

std::string withSeparator(const std::string& text, const std::string& separator)
{
    const auto dot = text.find('.');
    if (dot == std::string::npos)
        return text;
    return text.substr(0, dot) + separator + text.substr(dot + 1);
}

// The decimal digits of |value| to 15 significant digits: digits and the
// position of the decimal point within them (may be outside).
struct Decimal {
    std::string digits;  // no leading zeros unless the value is 0
    int point = 0;       // digits[0..point) is the whole part
};

Decimal decimalOf(double value)
{
    // d.dddddddddddddde[+-]XX
    const std::string e = printed(std::fabs(value), std::chars_format::scientific, 14);
    Decimal d;
    d.digits = e.substr(0, 1) + e.substr(2, 14);
    d.point = std::stoi(e.substr(17)) + 1;
    return d;
}

} // namespace

std::string numberText(double value, const std::string& decimalSeparator)
{
    std::string text = printed(value, std::chars_format::general, 15);
    if (text == "-0")
        text = "0";
    if (text[0] != '-')
        text = " " + text;
    return withSeparator(text, decimalSeparator);
}

std::string conditionText(double value, const std::string& decimalSeparator)
{
    // Round the 15-digit decimal form to tenths, halves away from zero.
    Decimal d = decimalOf(value);
    const int keep = d.point + 1;  // digits up to and including the tenths
    std::string digits;
    long long scaled = 0;  // |value| * 10, rounded
    if (keep >= 0) {
        for (int i = 0; i < keep; ++i)
            scaled = scaled * 10 + (i < int(d.digits.size()) ? d.digits[i] - '0' : 0);
        if (keep < int(d.digits.size()) && d.digits[keep] >= '5')
            ++scaled;
    }
    const long long whole = scaled / 10;
    const int tenths = int(scaled % 10);
    std::string text = (value < 0 && scaled != 0) ? "-" : "";
    if (whole != 0)
        text += std::to_string(whole);
    text += decimalSeparator;
    if (tenths != 0)
        text += char('0' + tenths);
    return text;
}

std::string temperatureLine(double temperature, const std::string& decimalSeparator)
{
    return numberText(std::floor(temperature), decimalSeparator) + " \u00BAC";
}

std::string scoreLine(int player, double points, double condition,
                      const std::string& decimalSeparator)
{
    const double shown = player == 0 ? std::floor(points) : points;
    return "Pisteet :" + numberText(shown, decimalSeparator) + " Kunto "
           + conditionText(condition, decimalSeparator) + "%";
}

} // namespace hovla

#include "match/format.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace hovla {

namespace {

std::string withSeparator(std::string text, const std::string& separator)
{
    const auto dot = text.find('.');
    if (dot != std::string::npos)
        text.replace(dot, 1, separator);
    return text;
}

// The decimal digits of |value| to 15 significant digits: digits and the
// position of the decimal point within them (may be outside).
struct Decimal {
    std::string digits;  // no leading zeros unless the value is 0
    int point = 0;       // digits[0..point) is the whole part
};

Decimal decimalOf(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // d.dddddddddddddde[+-]XX
    Decimal d;
    d.digits.push_back(buf[0]);
    d.digits.append(buf + 2, 14);
    d.point = std::atoi(buf + 17) + 1;
    return d;
}

} // namespace

std::string numberText(double value, const std::string& decimalSeparator)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string text = buf;
    if (text == "-0")
        text = "0";
    if (text[0] != '-')
        text.insert(0, " ");
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

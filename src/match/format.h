// How the game writes numbers: in the readouts and in the messages.
#pragma once

#include <string>

namespace hovla {

// A printed number: a blank (or a minus sign), at most 15 significant digits
// with no trailing zeros, the given decimal separator, no grouping.
// 60 -> " 60", 12.5 -> " 12.5", -0.1 -> "-0.1".
std::string numberText(double value, const std::string& decimalSeparator = ".");

// The "###.#" pattern: rounded to tenths, halves away from zero, no leading
// zero, the separator always, the tenths only when not 0.
// 100 -> "100.", 99.9 -> "99.9", 0.4 -> ".4", 0 -> ".".
std::string conditionText(double value, const std::string& decimalSeparator = ".");

// The two readout lines of a player (0 or 1).
std::string temperatureLine(double temperature, const std::string& decimalSeparator = ".");
std::string scoreLine(int player, double points, double condition,
                      const std::string& decimalSeparator = ".");

} // namespace hovla

#pragma once
#include <string>

// Number <-> text in the dialogs, always with "." as the decimal point: the
// process locale (which Qt takes from the environment) must not turn 1.5 into
// "1,5" or make "1.5" unreadable.
namespace NumberText {

// 15 significant digits, as "%.15g" writes them.
std::string general(double value);
// No decimals, as "%.0f" writes them.
std::string fixed0(double value);

// The longest leading number of text, as the C library's atof reads it
// (optional "-", digits, optional "." and digits, optional exponent).
// False if text does not start with a number.
bool leadingNumber(const std::string& text, double& value);

} // namespace NumberText

#pragma once
#include <string>

// Conversions between numbers and texts that do not depend on the process's
// locale: formulas always use "." as the decimal point, even when the program
// runs under a locale that writes ",".
namespace NumberText {
// The standard wide-string-to-double conversion of the longest valid prefix;
// 0 when there is none.
double toDouble(const std::wstring& text);

// printf-style formatting of one double with up to two int parameters for
// "*" fields, in the "C" locale, widened to a wide string.
std::wstring format(const char* pattern, double value);
std::wstring format(const char* pattern, int a, double value);
std::wstring format(const char* pattern, int a, int b, double value);
} // namespace NumberText

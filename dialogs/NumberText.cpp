#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace NumberText {

std::string general(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string fixed0(double value) {
    // Up to 309 digits for the largest doubles.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    if (result.ec != std::errc()) return general(value);
    return std::string(buffer, result.ptr);
}

bool leadingNumber(const std::string& text, double& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return false;
    // Out of range: the value is beyond every limit the dialogs use.
    if (result.ec == std::errc::result_out_of_range) parsed = (*first == '-') ? -HUGE_VAL : HUGE_VAL;
    value = parsed;
    return true;
}

} // namespace NumberText

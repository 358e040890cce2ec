#include "StatisticsFile.h"

#include <algorithm>

namespace StatisticsFile {
namespace {
// The data proper: up to the first zero byte.
std::string_view content(std::string_view bytes) {
    const std::size_t end = bytes.find('\0');
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

bool endsValue(char c) {
    return c == ';' || c == '\r' || c == '\n';
}

Data failed(Status status) {
    Data data;
    data.status = status;
    return data;
}

// Splits the spreadsheet form: each line's "x,y" gives two values.
std::vector<std::wstring> pairTokens(std::string_view bytes) {
    std::vector<std::wstring> out;
    std::wstring value;
    auto flush = [&] {
        if (!value.empty()) out.push_back(value);
        value.clear();
    };
    for (const char c : bytes) {
        if (c == ',' || c == '\r' || c == '\n')
            flush();
        else
            value.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    flush();
    return out;
}
} // namespace

std::vector<std::wstring> tokens(std::string_view bytes, Commas commas) {
    const bool decimal = commas == Commas::Decimal;
    std::vector<std::wstring> out;
    std::wstring value;
    for (const char c : content(bytes)) {
        if (endsValue(c)) {
            if (!value.empty()) out.push_back(value);
            value.clear();
        } else {
            value.push_back(decimal && c == ',' ? L'.' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
        }
    }
    if (!value.empty()) out.push_back(value);
    return out;
}

bool commaPairs(std::string_view bytes) {
    bytes = content(bytes);
    if (bytes.find(';') != std::string_view::npos) return false;
    bool any = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        if (line.find_first_not_of(" \t") != std::string_view::npos) {
            if (std::count(line.begin(), line.end(), ',') != 1) return false;
            any = true;
        }
        start = end + 1;
    }
    return any;
}

Data read(std::string_view bytes, bool pairs, Commas commas) {
    if (bytes.size() > MAX_BYTES) return failed(Status::TooLarge);
    const bool spreadsheet = pairs && commas == Commas::Decimal && commaPairs(bytes);
    std::vector<std::wstring> values = spreadsheet ? pairTokens(content(bytes)) : tokens(bytes, commas);
    for (const std::wstring& v : values)
        if (v.size() > MAX_VALUE) return failed(Status::ValueTooLong);
    if (pairs && values.size() % 2 != 0) return failed(Status::OddCount);
    const std::size_t points = pairs ? values.size() / 2 : values.size();
    if (points > MAX_POINTS) return failed(Status::TooManyPoints);
    Data data;
    if (!pairs) {
        data.x = std::move(values);
        return data;
    }
    data.x.reserve(points);
    data.y.reserve(points);
    for (std::size_t i = 0; i < points; ++i) {
        data.x.push_back(std::move(values[2 * i]));
        data.y.push_back(std::move(values[2 * i + 1]));
    }
    return data;
}

std::string write(const std::vector<std::wstring>& cells) {
    std::string out;
    for (const std::wstring& cell : cells) {
        if (cell.empty()) continue;
        for (const wchar_t c : cell)
            out.push_back(static_cast<char>(static_cast<unsigned char>(static_cast<unsigned>(c) & 0xFFu)));
        out.push_back(';');
    }
    out.push_back('\0');
    return out;
}
} // namespace StatisticsFile

// The table of antiderivatives read from "integrals.txt": UTF-16 little-endian
// text with a byte-order mark, one row per line, the fields
// 'function;integral;group name;group number'.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "DataFile.h"
#include "DataFolder.h"
#include "OrvantaCalcBase.h"

// The table shipped with the program (generated from resources/integrals.txt).
extern const unsigned char g_shipped_integrals[];
extern const std::size_t g_shipped_integrals_size;

namespace {
bool isLineBreak(wchar_t ch) {
    return ch == L'\r' || ch == L'\n';
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t'))
        text.remove_suffix(1);
    return text;
}

// The group number is read as a decimal number and truncated; a number that is
// none, or lies outside the groups a list can show, spoils the row.
bool parseGroupNumber(std::wstring_view field, int& number) {
    field = trimmed(field);
    std::string ascii;
    for (const wchar_t ch : field) {
        if (ch <= 0 || ch > 0x7F) return false;
        ascii.push_back(static_cast<char>(ch));
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size() ||
        !std::isfinite(value)) {
        return false;
    }
    value = std::trunc(value);
    if (value < 1 || value > OrvantaCalcBase::MAX_INTEGRAL_GROUP) return false;
    number = static_cast<int>(value);
    return true;
}

// Splits one line into its four fields; false when a separator is missing or
// the group number is empty or unusable.
bool parseRow(std::wstring_view line, Integral& row) {
    std::wstring_view fields[3];
    for (std::wstring_view& field : fields) {
        const std::size_t end = line.find(L';');
        if (end == std::wstring_view::npos) return false;
        field = line.substr(0, end);
        line.remove_prefix(end + 1);
    }
    int number = 0;
    if (!parseGroupNumber(line, number)) return false;
    row = Integral(std::wstring(fields[0]), std::wstring(fields[1]), std::wstring(fields[2]), number);
    return true;
}
} // namespace

void OrvantaCalcBase::loadIntegrals() {
    m_integrals.clear();
    std::string bytes;
    std::wstring text;
    if (!DataFile::readBytes(dataFile(INTEGRALS_FILE), bytes, MAX_INTEGRAL_FILE_BYTES) ||
        !DataFile::decodeUtf16Le(bytes, text)) {
        return;
    }
    std::wstring_view rest(text);
    while (!rest.empty()) {
        // Spaces and line breaks between rows are skipped.
        const std::size_t start = rest.find_first_not_of(L" \r\n");
        if (start == std::wstring_view::npos) break;
        rest.remove_prefix(start);
        std::size_t end = 0;
        while (end < rest.size() && !isLineBreak(rest[end]))
            ++end;
        Integral row;
        if (parseRow(rest.substr(0, end), row)) m_integrals.push_back(std::move(row));
        rest.remove_prefix(end);
    }
}

int OrvantaCalcBase::getIntegralSize() {
    if (m_integrals.empty()) loadIntegrals();
    return static_cast<int>(m_integrals.size());
}

Integral OrvantaCalcBase::getIntegral(int index) {
    if (m_integrals.empty()) loadIntegrals();
    return index >= 0 && index < static_cast<int>(m_integrals.size())
               ? m_integrals[static_cast<std::size_t>(index)]
               : Integral();
}

int OrvantaCalcBase::getIntegralGroupSize() {
    if (m_integrals.empty()) loadIntegrals();
    int largest = 0;
    for (const Integral& row : m_integrals)
        largest = std::max(largest, row.number);
    return largest;
}

std::wstring OrvantaCalcBase::getIntegralGroup(int number) {
    if (m_integrals.empty()) loadIntegrals();
    std::wstring group;
    for (const Integral& row : m_integrals) {
        if (row.number == number) group = row.group;
    }
    return group;
}

bool OrvantaCalcBase::installIntegrals() {
    const std::filesystem::path file = dataFile(INTEGRALS_FILE);
    std::error_code error;
    if (std::filesystem::exists(file, error)) return true;
    const std::string bytes(reinterpret_cast<const char*>(g_shipped_integrals), g_shipped_integrals_size);
    return DataFile::replaceFiles({{file, bytes}}) < 0;
}

bool OrvantaCalcBase::prepareDataFolder() {
    if (!DataFolder::ensure(m_data_folder)) return false;
    installIntegrals();
    return true;
}

#include "StatisticsState.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <system_error>

#include "DataFile.h"
#include "RegistryNames.h"
#include "SettingsStore.h"
#include "StatisticsFile.h"

namespace {
namespace R = RegistryNames;
const std::wstring EMPTY_CELL = L" ";

int readNumber(const SettingsStore& settings, const wchar_t* name, int fallback) {
    std::wstring text;
    if (!settings.readString(R::STATISTICS, name, text)) return fallback;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    return end && *end == L'\0' && !text.empty() && value >= 0 &&
                   value <= static_cast<long>(StatisticsFile::MAX_POINTS)
               ? static_cast<int>(value)
               : fallback;
}

std::wstring restored(std::wstring cell) {
    return cell.find_first_not_of(L' ') == std::wstring::npos ? std::wstring() : cell;
}
} // namespace

StatisticsState::StatisticsState(SettingsStore& settings) : m_settings(settings) {}

std::filesystem::path StatisticsState::filePath() const {
    return m_settings.folder() / FILE_NAME;
}

StatisticsState::Grid StatisticsState::load() {
    Grid grid;
    grid.pairs = readNumber(m_settings, R::STATISTICS_PAIRS, 1) != 0;
    grid.points = readNumber(m_settings, R::STATISTICS_POINTS, 0);
    if (m_settings.folder().empty()) return grid;
    std::string bytes;
    switch (DataFile::readFile(filePath(), bytes, StatisticsFile::MAX_BYTES + 1)) {
    case DataFile::ReadResult::Missing:
        return grid;
    case DataFile::ReadResult::Unreadable:
        m_keep_file = true;
        return grid;
    case DataFile::ReadResult::Read:
        break;
    }
    StatisticsFile::Data data = StatisticsFile::read(bytes, true, StatisticsFile::Commas::Kept);
    if (data.status != StatisticsFile::Status::Ok) {
        m_keep_file = DataFile::moveAside({filePath()}).empty();
        return grid;
    }
    std::transform(data.x.begin(), data.x.end(), std::back_inserter(grid.x), restored);
    std::transform(data.y.begin(), data.y.end(), std::back_inserter(grid.y), restored);
    return grid;
}

bool StatisticsState::save(const Grid& grid) {
    if (m_settings.folder().empty() || m_keep_file) return false;
    auto cell = [](const std::vector<std::wstring>& row, std::size_t i) {
        return i < row.size() ? row[i] : std::wstring();
    };
    std::size_t used = std::max(grid.x.size(), grid.y.size());
    while (used > 0 && cell(grid.x, used - 1).empty() && cell(grid.y, used - 1).empty())
        --used;
    std::vector<std::wstring> cells;
    for (std::size_t i = 0; i < used; ++i)
        for (const auto* row : {&grid.x, &grid.y}) {
            const std::wstring text = cell(*row, i);
            cells.push_back(text.empty() ? EMPTY_CELL : text);
        }
    std::error_code ec;
    std::filesystem::create_directories(m_settings.folder(), ec);
    const bool written = DataFile::replaceFiles({{filePath(), StatisticsFile::write(cells)}}) < 0;
    m_settings.writeString(R::STATISTICS, R::STATISTICS_PAIRS, grid.pairs ? L"1" : L"0");
    m_settings.writeString(R::STATISTICS, R::STATISTICS_POINTS, std::to_wstring(grid.points));
    return m_settings.flush() && written;
}

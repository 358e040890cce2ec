// The converter's persistence: the unit list in "metrics.dat" and the group
// list in "base.dat", both UTF-16 little-endian text without byte-order mark
// or line breaks. A unit is written as 'name,factor,kind;', a group as 'name;'.
#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>

#include "DataFile.h"
#include "DataFolder.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {

bool isGerman() {
    return OrvantaCalcBase::s_language != 0;
}

// Files written in the other language keep their default group names in that
// language; they are shown in the current one.
std::wstring translateGroup(const std::wstring& name) {
    const wchar_t* const* other =
        isGerman() ? OrvantaCalcBase::s_convertergroups : OrvantaCalcBase::s_convertergroups_ger;
    const wchar_t* const* current =
        isGerman() ? OrvantaCalcBase::s_convertergroups_ger : OrvantaCalcBase::s_convertergroups;
    for (int i = 0; i < OrvantaCalcBase::s_convertergroups_size; ++i) {
        if (name == other[i]) return current[i];
    }
    return name;
}

// Each ";" ends a record; text after the last one is an unfinished record
// (a cut-off file) and is dropped.
template <class Visit> void forEachRecord(std::wstring_view text, Visit visit) {
    for (std::size_t end = text.find(L';'); end != std::wstring_view::npos; end = text.find(L';')) {
        visit(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
}

// Numbers in the files are plain ASCII in the C locale's notation, whatever
// locale the program runs in.
bool toAscii(std::wstring_view field, std::string& ascii) {
    while (!field.empty() && field.front() == L' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == L' ')
        field.remove_suffix(1);
    ascii.clear();
    for (const wchar_t ch : field) {
        if (ch <= 0 || ch > 0x7F) return false;
        ascii.push_back(static_cast<char>(ch));
    }
    return !ascii.empty();
}

template <class Number> bool parseNumber(std::wstring_view field, Number& value) {
    std::string ascii;
    if (!toAscii(field, ascii)) return false;
    const char* first = ascii.data();
    if (*first == '+') ++first; // what a lenient reader of older files accepted
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    return error == std::errc() && end == ascii.data() + ascii.size();
}

// 'name,factor,kind': split at the first two commas. A factor that is no
// positive finite number makes the record unusable: conversions divide by it.
bool parseMetric(std::wstring_view record, Metric& metric) {
    const std::size_t first = record.find(L',');
    if (first == std::wstring_view::npos || first == 0) return false;
    const std::size_t second = record.find(L',', first + 1);
    if (second == std::wstring_view::npos) return false;
    double factor = 0.0;
    int kind = 0;
    if (!parseNumber(record.substr(first + 1, second - first - 1), factor) || !std::isfinite(factor) ||
        factor <= 0.0 || !parseNumber(record.substr(second + 1), kind)) {
        return false;
    }
    metric = Metric(std::wstring(record.substr(0, first)), factor, kind);
    return true;
}

bool fitsFactor(double factor, const std::string& printed) {
    double back = 0.0;
    std::from_chars(printed.data(), printed.data() + printed.size(), back);
    return std::fabs(back - factor) <= 1e-6 * std::fabs(factor);
}

// Six decimals as "%f" writes them; a factor so small that six decimals would
// lose it (a nanometer would become 0.000000) gets as many more as it needs.
std::wstring formatFactor(double factor) {
    char buffer[800];
    std::string printed;
    for (int decimals = 6; decimals <= 340; ++decimals) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, factor, std::chars_format::fixed, decimals);
        if (error != std::errc()) break;
        printed.assign(buffer, end);
        if (fitsFactor(factor, printed)) break;
    }
    return std::wstring(printed.begin(), printed.end());
}

bool readText(const std::filesystem::path& file, std::wstring& text) {
    std::string bytes;
    return DataFile::readBytes(file, bytes, OrvantaCalcBase::MAX_METRIC_FILE_BYTES) &&
           DataFile::decodeUtf16Le(bytes, text);
}
} // namespace

std::filesystem::path OrvantaCalcBase::dataFile(const char* name) const {
    return m_data_folder.empty() ? std::filesystem::path(name) : m_data_folder / name;
}

void OrvantaCalcBase::setDataFolder(const std::filesystem::path& folder) {
    m_data_folder = folder;
    m_integrals.clear(); // the table of the new folder loads on next use
}

void OrvantaCalcBase::initConverter() {
    if (std::ifstream(dataFile(BASE_FILE))) {
        loadMetrics();
    } else {
        resetMetrics();
    }
}

void OrvantaCalcBase::loadMetrics() {
    m_groups.clear();
    m_metrics.clear();
    std::wstring text;
    if (readText(dataFile(BASE_FILE), text)) {
        forEachRecord(text, [this](std::wstring_view record) {
            if (static_cast<int>(m_groups.size()) >= MAX_GROUPS) return;
            if (!record.empty() && record.front() == L'?') record.remove_prefix(1);
            // Empty names are kept: a unit's kind is the position of its group.
            m_groups.push_back(translateGroup(std::wstring(record)));
        });
    }
    if (readText(dataFile(METRICS_FILE), text)) {
        forEachRecord(text, [this](std::wstring_view record) {
            Metric metric;
            if (parseMetric(record, metric) && metric.kind >= 1 && metric.kind < getGroupSize()) {
                m_metrics.push_back(std::move(metric));
            }
        });
    }
    // Missing, foreign or ruined files leave nothing to convert with.
    if (m_groups.size() < 2 || m_metrics.empty()) resetMetrics();
}

bool OrvantaCalcBase::storeMetrics() {
    return storeLists(m_metrics, m_groups);
}

bool OrvantaCalcBase::storeLists(const std::vector<Metric>& metrics,
                                 const std::vector<std::wstring>& groups) {
    std::wstring metricText;
    for (const Metric& metric : metrics) {
        metricText +=
            metric.name + L',' + formatFactor(metric.factor) + L',' + std::to_wstring(metric.kind) + L';';
    }
    std::wstring groupText;
    for (const std::wstring& group : groups)
        groupText += group + L';';

    DataFolder::ensure(m_data_folder);
    const int failed = DataFile::replaceFiles({{dataFile(METRICS_FILE), DataFile::encodeUtf16Le(metricText)},
                                               {dataFile(BASE_FILE), DataFile::encodeUtf16Le(groupText)}});
    if (failed < 0) return true;
    return refuse(loadString(failed == 0 ? MessageId::STORE_METRICS_FAILED : MessageId::STORE_KINDS_FAILED),
                  MessageIcon::Exclamation);
}

// An edit takes effect only once both files hold it, so that a failed store
// leaves the lists as the files have them.
bool OrvantaCalcBase::commitMetrics(std::vector<Metric> metrics, std::vector<std::wstring> groups) {
    if (!storeLists(metrics, groups)) return false;
    m_metrics = std::move(metrics);
    m_groups = std::move(groups);
    return true;
}

// The defaults are used even when they cannot be stored: a read-only data
// folder still gets a working converter.
bool OrvantaCalcBase::resetMetrics() {
    const wchar_t* const* names = isGerman() ? s_convertergroups_ger : s_convertergroups;
    m_groups.assign(names, names + s_convertergroups_size);
    m_metrics.clear();
    for (int i = 0; i < s_metrics_size; ++i) {
        m_metrics.emplace_back(s_metrics[i].name, s_metrics[i].factor, s_metrics[i].kind);
    }
    return storeMetrics();
}

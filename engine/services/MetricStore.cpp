// The converter's persistence: the unit list in "metrics.dat" and the group
// list in "base.dat", both UTF-16 little-endian text without byte-order mark
// or line breaks. A unit is written as 'name,factor,kind;', a group as 'name;'.
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "DataFile.h"
#include "DataFolder.h"
#include "LocalText.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {

constexpr LocalText NO_DATA_FOLDER = {
    L"No folder for the unit files is known (HOME is not set). The converter uses its default units "
    L"and stores nothing.",
    L"Es ist kein Ordner für die Einheitendateien bekannt (HOME ist nicht gesetzt). Der Umrechner "
    L"verwendet die Standardeinheiten und speichert nichts."};
constexpr LocalText UNREADABLE_FILES = {
    L"The unit files in %s cannot be read. The converter uses its default units and leaves the files "
    L"as they are.",
    L"Die Einheitendateien in %s können nicht gelesen werden. Der Umrechner verwendet die "
    L"Standardeinheiten und lässt die Dateien unverändert."};
constexpr LocalText LOCKED_FILES = {
    L"The unit files in %s cannot be read, so no units are stored there.",
    L"Die Einheitendateien in %s können nicht gelesen werden, daher werden dort keine Einheiten "
    L"gespeichert."};
constexpr LocalText NO_STORE = {L"No folder for the unit files is known: units are not stored.",
                                L"Es ist kein Ordner für die Einheitendateien bekannt: Einheiten "
                                L"werden nicht gespeichert."};
constexpr LocalText DAMAGED_FILES_KEPT = {
    L"The unit files in %s are damaged. The converter uses its default units; the files are left "
    L"as they are.",
    L"Die Einheitendateien in %s sind beschädigt. Der Umrechner verwendet die Standardeinheiten; "
    L"die Dateien bleiben unverändert."};
constexpr LocalText DAMAGED_FILES_MOVED = {
    L"The unit files were damaged and were moved to %s. The converter starts with its default units.",
    L"Die Einheitendateien waren beschädigt und wurden nach %s verschoben. Der Umrechner beginnt mit "
    L"den Standardeinheiten."};
constexpr LocalText DAMAGED_FILES_STUCK = {
    L"The unit files in %s are damaged and cannot be moved aside. The converter uses its default "
    L"units and leaves the files as they are.",
    L"Die Einheitendateien in %s sind beschädigt und können nicht verschoben werden. Der Umrechner "
    L"verwendet die Standardeinheiten und lässt die Dateien unverändert."};

// The text with "%s" replaced by what.
std::wstring localText(const LocalText& text, const std::wstring& what) {
    std::wstring out = localText(text);
    if (const std::size_t at = out.find(L"%s"); at != std::wstring::npos) out.replace(at, 2, what);
    return out;
}

// A path as the user reads it; names that are no UTF-8 show byte by byte.
std::wstring shown(const std::filesystem::path& path) {
    try {
        return path.wstring();
    } catch (const std::exception&) {
        const std::string bytes = path.string();
        return std::wstring(bytes.begin(), bytes.end());
    }
}

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

DataFile::ReadResult readText(const std::filesystem::path& file, std::wstring& text) {
    std::string bytes;
    text.clear();
    const DataFile::ReadResult read = DataFile::readFile(file, bytes, OrvantaCalcBase::MAX_METRIC_FILE_BYTES);
    // Bytes that are no text are not the user's units either.
    if (read == DataFile::ReadResult::Read && !DataFile::decodeUtf16Le(bytes, text)) text.clear();
    return read;
}
} // namespace

std::filesystem::path OrvantaCalcBase::dataFile(const char* name) const {
    return m_data_folder.empty() ? std::filesystem::path() : m_data_folder / name;
}

void OrvantaCalcBase::setDataFolder(const std::filesystem::path& folder) {
    m_data_folder = folder;
    m_integrals.clear(); // the table of the new folder loads on next use
}

std::wstring OrvantaCalcBase::takeDataNotice() {
    return std::exchange(m_data_notice, std::wstring());
}

void OrvantaCalcBase::tellData(const std::wstring& text) {
    if (!m_data_notice.empty()) m_data_notice += L'\n';
    m_data_notice += text;
}

void OrvantaCalcBase::initConverter(DataAccess access) {
    m_metrics_locked = false;
    m_data_notice.clear();
    if (m_data_folder.empty()) {
        useDefaultMetrics();
        m_metrics_locked = true;
        tellData(localText(NO_DATA_FOLDER));
        return;
    }
    initConverterFiles(access);
}

void OrvantaCalcBase::initConverterFiles(DataAccess access) {
    const ListsRead read = readLists();
    if (read == ListsRead::Loaded) return;
    useDefaultMetrics();
    const bool mayWrite = access == DataAccess::ReadWrite;
    if (read == ListsRead::Missing) {
        if (mayWrite) storeAtStart(); // a first start
        return;
    }
    if (read == ListsRead::Unreadable) {
        m_metrics_locked = true;
        tellData(localText(UNREADABLE_FILES, shown(m_data_folder)));
        return;
    }
    if (!mayWrite) {
        tellData(localText(DAMAGED_FILES_KEPT, shown(m_data_folder)));
        return;
    }
    const std::vector<std::filesystem::path> moved =
        DataFile::moveAside({dataFile(METRICS_FILE), dataFile(BASE_FILE)});
    if (moved.empty()) {
        m_metrics_locked = true;
        tellData(localText(DAMAGED_FILES_STUCK, shown(m_data_folder)));
        return;
    }
    std::wstring names;
    for (const std::filesystem::path& name : moved) {
        if (name.empty()) continue;
        names += (names.empty() ? L"" : L", ") + shown(name);
    }
    tellData(localText(DAMAGED_FILES_MOVED, names));
    storeAtStart();
}

// Both files are read before either list changes; a pair that gives no
// group besides "All" or no unit is unusable.
OrvantaCalcBase::ListsRead OrvantaCalcBase::readLists() {
    std::wstring groupText, metricText;
    const DataFile::ReadResult base = readText(dataFile(BASE_FILE), groupText);
    const DataFile::ReadResult metrics = readText(dataFile(METRICS_FILE), metricText);
    using Read = DataFile::ReadResult;
    if (base == Read::Unreadable || metrics == Read::Unreadable) return ListsRead::Unreadable;
    if (base == Read::Missing && metrics == Read::Missing) return ListsRead::Missing;
    m_groups.clear();
    m_metrics.clear();
    forEachRecord(groupText, [this](std::wstring_view record) {
        if (static_cast<int>(m_groups.size()) >= MAX_GROUPS) return;
        if (!record.empty() && record.front() == L'?') record.remove_prefix(1);
        // Empty names are kept: a unit's kind is the position of its group.
        m_groups.push_back(translateGroup(std::wstring(record)));
    });
    forEachRecord(metricText, [this](std::wstring_view record) {
        Metric metric;
        if (parseMetric(record, metric) && metric.kind >= 1 && metric.kind < getGroupSize()) {
            m_metrics.push_back(std::move(metric));
        }
    });
    return m_groups.size() < 2 || m_metrics.empty() ? ListsRead::Unusable : ListsRead::Loaded;
}

void OrvantaCalcBase::loadMetrics() {
    if (readLists() != ListsRead::Loaded) useDefaultMetrics();
}

// The defaults of a first start, or of a start without usable files. A
// folder that cannot be written is named once here, not at every edit.
void OrvantaCalcBase::storeAtStart() {
    const int failed = writeLists(m_metrics, m_groups);
    if (failed >= 0) tellData(storeFailure(failed));
}

bool OrvantaCalcBase::storeMetrics() {
    return storeLists(m_metrics, m_groups);
}

int OrvantaCalcBase::writeLists(const std::vector<Metric>& metrics, const std::vector<std::wstring>& groups) {
    std::wstring metricText;
    for (const Metric& metric : metrics) {
        metricText +=
            metric.name + L',' + formatFactor(metric.factor) + L',' + std::to_wstring(metric.kind) + L';';
    }
    std::wstring groupText;
    for (const std::wstring& group : groups)
        groupText += group + L';';

    DataFolder::ensure(m_data_folder);
    return DataFile::replaceFiles({{dataFile(METRICS_FILE), DataFile::encodeUtf16Le(metricText)},
                                   {dataFile(BASE_FILE), DataFile::encodeUtf16Le(groupText)}});
}

// The message of the file that failed, with the folder, so that the user
// knows where to look.
std::wstring OrvantaCalcBase::storeFailure(int failed) const {
    return loadString(failed == 0 ? MessageId::STORE_METRICS_FAILED : MessageId::STORE_KINDS_FAILED) + L" (" +
           shown(m_data_folder) + L")";
}

bool OrvantaCalcBase::storeLists(const std::vector<Metric>& metrics,
                                 const std::vector<std::wstring>& groups) {
    if (m_data_folder.empty()) return refuse(localText(NO_STORE), MessageIcon::Exclamation);
    if (m_metrics_locked)
        return refuse(localText(LOCKED_FILES, shown(m_data_folder)), MessageIcon::Exclamation);
    const int failed = writeLists(metrics, groups);
    if (failed < 0) return true;
    return refuse(storeFailure(failed), MessageIcon::Exclamation);
}

// An edit takes effect only once both files hold it, so that a failed store
// leaves the lists as the files have them.
bool OrvantaCalcBase::commitMetrics(std::vector<Metric> metrics, std::vector<std::wstring> groups) {
    if (!storeLists(metrics, groups)) return false;
    m_metrics = std::move(metrics);
    m_groups = std::move(groups);
    return true;
}

void OrvantaCalcBase::useDefaultMetrics() {
    const wchar_t* const* names = isGerman() ? s_convertergroups_ger : s_convertergroups;
    m_groups.assign(names, names + s_convertergroups_size);
    m_metrics.clear();
    for (int i = 0; i < s_metrics_size; ++i) {
        m_metrics.emplace_back(s_metrics[i].name, s_metrics[i].factor, s_metrics[i].kind);
    }
}

// The defaults are used even when they cannot be stored: a read-only data
// folder still gets a working converter.
bool OrvantaCalcBase::resetMetrics() {
    useDefaultMetrics();
    return storeMetrics();
}

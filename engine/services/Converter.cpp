// The unit converter: editing the unit and group lists, and converting a value
// from one unit to another of the same kind.
#include <cmath>
#include <string_view>

#include "LocalText.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

namespace {

// Refusals the message table has no number for.
constexpr LocalText INVALID_NAME = {
    L"A name must not be empty or contain \";\", \",\" or control characters: ",
    L"Ein Name darf nicht leer sein und kein \";\", \",\" oder Steuerzeichen "
    L"enthalten: "};
constexpr LocalText KIND_EXISTS = {L"Following metric kind does already exist: ",
                                   L"Die folgende Metrikart existiert bereits: "};
constexpr LocalText INVALID_FACTOR = {L"The factor must be a positive number!",
                                      L"Der Faktor muss eine positive Zahl sein!"};
constexpr LocalText TOO_MANY_KINDS = {L"No more metric kinds can be added!",
                                      L"Es können keine weiteren Metrikarten hinzugefügt werden!"};

// ";" and "," separate the records and fields of the unit files, and a
// control character would make them unreadable.
bool isStorableName(const std::wstring& name) {
    if (name.empty() || name.find_first_of(L";,") != std::wstring::npos) return false;
    for (const wchar_t ch : name) {
        if (ch >= 0 && ch < 0x20) return false;
    }
    return true;
}

// The scales converted by formula, in the order of the table below.
constexpr const wchar_t* s_temperatures[] = {L"Celsius", L"Fahrenheit", L"Kelvin", L"Reaumur", L"Rankine"};

using Conversion = double (*)(double);
// Row: from; column: to.
constexpr Conversion s_temperature_table[5][5] = {
    {[](double v) { return v; }, [](double v) { return v * 1.8 + 32; }, [](double v) { return v + 273.15; },
     [](double v) { return v * 0.8; }, [](double v) { return v * 1.8 + 491.67; }},
    {[](double v) { return (v - 32) * 5 / 9; }, [](double v) { return v; },
     [](double v) { return (v + 459.67) * 5 / 9; }, [](double v) { return (v - 32) * 4 / 9; },
     [](double v) { return v + 459.67; }},
    {[](double v) { return v - 273.15; }, [](double v) { return v * 1.8 - 459.67; },
     [](double v) { return v; }, [](double v) { return (v - 273.15) * 0.8; },
     [](double v) { return v * 1.8; }},
    {[](double v) { return v * 1.25; }, [](double v) { return v * 2.25 + 32; },
     [](double v) { return v * 1.25 + 273.15; }, [](double v) { return v; },
     [](double v) { return v * 2.25 + 491.67; }},
    {[](double v) { return (v - 491.67) * 5 / 9; }, [](double v) { return v - 459.67; },
     [](double v) { return v * 5 / 9; }, [](double v) { return (v - 491.67) * 4 / 9; },
     [](double v) { return v; }},
};

int temperatureIndex(const std::wstring& name) {
    for (int i = 0; i < 5; ++i) {
        if (name == s_temperatures[i]) return i;
    }
    return -1;
}
} // namespace

bool OrvantaCalcBase::refuse(const std::wstring& text, MessageIcon icon) {
    setLastError(text);
    showMessageBox(text, icon);
    return false;
}

// Index of the first real group with that name (the pseudo-group "All" at
// index 0 holds no units of its own), or -1.
int OrvantaCalcBase::findGroup(const std::wstring& group) const {
    for (std::size_t i = 1; i < m_groups.size(); ++i) {
        if (m_groups[i] == group) return static_cast<int>(i);
    }
    return -1;
}

int OrvantaCalcBase::findMetric(const std::wstring& name) const {
    for (std::size_t i = 0; i < m_metrics.size(); ++i) {
        if (m_metrics[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

bool OrvantaCalcBase::addMetricKind(const std::wstring& group, const std::wstring& baseUnit) {
    for (const std::wstring* name : {&group, &baseUnit}) {
        if (!isStorableName(*name)) return refuse(localText(INVALID_NAME) + *name, MessageIcon::Stop);
    }
    if (findGroup(group) >= 0 || (!m_groups.empty() && m_groups.front() == group)) {
        return refuse(localText(KIND_EXISTS) + group, MessageIcon::Stop);
    }
    if (findMetric(baseUnit) >= 0)
        return refuse(loadString(MessageId::METRIC_EXISTS) + baseUnit, MessageIcon::Stop);
    if (getGroupSize() >= MAX_GROUPS) return refuse(localText(TOO_MANY_KINDS), MessageIcon::Stop);

    std::vector<std::wstring> groups = m_groups;
    if (groups.empty())
        groups.emplace_back(s_language != 0 ? s_convertergroups_ger[0] : s_convertergroups[0]);
    groups.push_back(group);
    std::vector<Metric> metrics = m_metrics;
    metrics.emplace_back(baseUnit, 1.0, static_cast<int>(groups.size()) - 1);
    return commitMetrics(std::move(metrics), std::move(groups));
}

bool OrvantaCalcBase::deleteMetricKind(const std::wstring& group) {
    const int kind = findGroup(group);
    if (kind < 0) return storeMetrics();
    std::vector<std::wstring> groups = m_groups;
    groups.erase(groups.begin() + kind);
    std::vector<Metric> metrics = m_metrics;
    std::erase_if(metrics, [kind](const Metric& metric) { return metric.kind == kind; });
    for (Metric& metric : metrics) {
        if (metric.kind > kind) --metric.kind;
    }
    return commitMetrics(std::move(metrics), std::move(groups));
}

bool OrvantaCalcBase::addMetric(const std::wstring& name, const std::wstring& group, double factor) {
    if (findMetric(name) >= 0) return refuse(loadString(MessageId::METRIC_EXISTS) + name, MessageIcon::Stop);
    if (!isStorableName(name)) return refuse(localText(INVALID_NAME) + name, MessageIcon::Stop);
    if (!std::isfinite(factor) || factor <= 0.0) return refuse(localText(INVALID_FACTOR), MessageIcon::Stop);
    const int kind = findGroup(group);
    if (kind < 0) return false;
    std::vector<Metric> metrics = m_metrics;
    metrics.emplace_back(name, factor, kind);
    return commitMetrics(std::move(metrics), m_groups);
}

bool OrvantaCalcBase::deleteMetric(const std::wstring& name) {
    const int index = findMetric(name);
    if (index < 0) return false;
    if (m_metrics[static_cast<std::size_t>(index)].factor == 1.0) {
        return refuse(loadString(MessageId::BASE_METRIC) + name, MessageIcon::Stop);
    }
    std::vector<Metric> metrics = m_metrics;
    metrics.erase(metrics.begin() + index);
    return commitMetrics(std::move(metrics), m_groups);
}

std::wstring OrvantaCalcBase::getGroup(int index) const {
    return index >= 0 && index < getGroupSize() ? m_groups[static_cast<std::size_t>(index)] : std::wstring();
}

std::wstring OrvantaCalcBase::getGroupBase(int kind) const {
    for (const Metric& metric : m_metrics) {
        if (metric.kind == kind && metric.factor == 1.0) return metric.name;
    }
    return {};
}

Metric OrvantaCalcBase::getMetric(int index) const {
    return index >= 0 && index < getMetricSize() ? m_metrics[static_cast<std::size_t>(index)] : Metric();
}

bool OrvantaCalcBase::proove_converter(std::wstring& value, std::wstring& from, std::wstring& to,
                                       double& fromFactor, double& toFactor) {
    if (!proove(value)) return false;
    if (from.empty() || to.empty()) {
        setLastError(loadString(MessageId::CONVERTER_FILL_BOTH));
        return false;
    }
    if (m_metrics.empty()) {
        fromFactor = toFactor = -1;
        return true;
    }
    const Metric* fromMetric = nullptr;
    const Metric* toMetric = nullptr;
    for (const Metric& metric : m_metrics) {
        if (metric.name == from) fromMetric = &metric;
        if (metric.name == to) toMetric = &metric;
    }
    if (fromMetric == nullptr || toMetric == nullptr || fromMetric->kind != toMetric->kind) {
        setLastError(loadString(MessageId::NO_CONVERSION));
        return false;
    }
    fromFactor = fromMetric->factor;
    toFactor = toMetric->factor;
    return true;
}

bool OrvantaCalcBase::calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to,
                                         std::wstring& result) {
    double converted = 0.0;
    return calculateConverter(value, from, to, result, converted);
}

bool OrvantaCalcBase::calculateConverter(std::wstring& value, std::wstring& from, std::wstring& to,
                                         std::wstring& result, double& v) {
    double fromFactor = 0.0;
    double toFactor = 0.0;
    v = 0.0;
    if (!proove_converter(value, from, to, fromFactor, toFactor) || !calculateNormal(value, v)) return false;

    const int fromScale = temperatureIndex(from);
    const int toScale = temperatureIndex(to);
    if (fromScale >= 0 && toScale >= 0) {
        v = s_temperature_table[fromScale][toScale](v);
    } else {
        v = v * fromFactor / toFactor;
    }
    // Shown like a normal calculation whose value is not finite.
    if (std::isnan(v)) {
        result = loadString(MessageId::NOT_A_NUMBER_VALUE);
    } else if (std::isinf(v)) {
        result = loadString(MessageId::INFINITE_VALUE);
    } else {
        IExpression::value2String(v, result, 10);
    }
    return true;
}

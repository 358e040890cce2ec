#pragma once
#include <string>
#include <utility>

// One unit of the converter: its name, its size in base units of its kind,
// and its kind (the index of its group in the group list).
class Metric {
public:
    Metric() = default;
    Metric(std::wstring name, double factor, int kind) : name(std::move(name)), factor(factor), kind(kind) {}
    Metric(const Metric& other) = default;
    Metric& operator=(const Metric& other) = default;

    std::wstring name;
    double factor = 0.0;
    int kind = 0;
};

// A row of the built-in unit table.
struct MetricDefault {
    const wchar_t* name;
    double factor;
    int kind;
};

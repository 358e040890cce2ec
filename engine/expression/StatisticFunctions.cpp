// The statistic function names (meanx, stddevy, quantx, ...) evaluated over the
// data set of the statistics mode: a list of x values, or x/y pairs interleaved.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>
#include <vector>

#include "IExpression.h"

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

using Values = std::vector<double>;

// Which list a name reads. XY names read both, pair by pair.
enum class Axis { X, Y, XY };

// values: the list the name reads; partner: the other list (the y values of an
// XY name); argument: the quantile level.
using StatisticFunction = double (*)(const Values& values, const Values& partner, double argument);

double fail(std::uint32_t code) {
    if (IExpression::s_withex) raiseEngineError(code);
    return NaN;
}

double count(const Values& v) {
    return static_cast<double>(v.size());
}

double sum(const Values& v) {
    double s = 0.0;
    for (double x : v)
        s += x;
    return s;
}

double mean(const Values& v) {
    return sum(v) / count(v);
}

// Sum of the squared deviations from the mean.
double deviations(const Values& v) {
    const double m = mean(v);
    double s = 0.0;
    for (double x : v)
        s += (x - m) * (x - m);
    return s;
}

double sampleVariance(const Values& v) {
    return deviations(v) / (count(v) - 1.0);
}
double populationVariance(const Values& v) {
    return deviations(v) / count(v);
}

// Ascending order, as by repeatedly taking out the first smallest remaining
// value. Numbers leave in stable ascending order; a NaN compares with nothing,
// so it leaves exactly when it has become the first remaining value.
Values sorted(const Values& v) {
    std::vector<std::size_t> numbers;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (!std::isnan(v[i])) numbers.push_back(i);
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&v](std::size_t a, std::size_t b) { return v[a] < v[b]; });

    Values s;
    s.reserve(v.size());
    std::vector<bool> taken(v.size(), false);
    std::size_t front = 0;
    std::size_t next = 0;
    while (s.size() < v.size()) {
        while (taken[front])
            ++front;
        // A number in front means numbers remain, so next is in range.
        const std::size_t i = std::isnan(v[front]) ? front : numbers[next++];
        s.push_back(v[i]);
        taken[i] = true;
    }
    return s;
}

double minimum(const Values& v, const Values&, double) {
    double m = v.front();
    for (double x : v)
        if (x < m) m = x;
    return m;
}

double maximum(const Values& v, const Values&, double) {
    double m = v.front();
    for (double x : v)
        if (x > m) m = x;
    return m;
}

double sumOf(const Values& v, const Values&, double) {
    return sum(v);
}

double sumOfSquares(const Values& v, const Values&, double) {
    double s = 0.0;
    for (double x : v)
        s += std::pow(x, 2.0);
    return s;
}

double sumOfProducts(const Values& x, const Values& y, double) {
    double s = 0.0;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
        s += x[i] * y[i];
    return s;
}

// The y mean is taken over the number of x values.
double covariance(const Values& x, const Values& y, double) {
    const double mx = mean(x);
    const double my = sum(y) / count(x);
    double s = 0.0;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
        s += (x[i] - mx) * (y[i] - my);
    return (1.0 / count(x)) * s;
}

double countOf(const Values& v, const Values&, double) {
    return count(v);
}

double meanOf(const Values& v, const Values&, double) {
    return mean(v);
}

double geometricMean(const Values& v, const Values&, double) {
    double product = 1.0;
    for (double x : v)
        product *= x;
    return std::pow(product, 1.0 / count(v));
}

double median(const Values& v, const Values&, double) {
    const Values s = sorted(v);
    const std::size_t n = s.size();
    return n % 2 == 0 ? (s[n / 2 - 1] + s[n / 2]) / 2.0 : s[n / 2];
}

double sampleVarianceOf(const Values& v, const Values&, double) {
    return sampleVariance(v);
}
double populationVarianceOf(const Values& v, const Values&, double) {
    return populationVariance(v);
}
double sampleDeviation(const Values& v, const Values&, double) {
    return std::sqrt(sampleVariance(v));
}
double populationDeviation(const Values& v, const Values&, double) {
    return std::sqrt(populationVariance(v));
}
double sampleVariation(const Values& v, const Values&, double) {
    return std::sqrt(sampleVariance(v)) / mean(v);
}
double populationVariation(const Values& v, const Values&, double) {
    return std::sqrt(populationVariance(v)) / mean(v);
}

// t = count * alpha. Between whole numbers the value at the truncated index;
// on a whole number the mean of the two values around it, where alpha 0 and 1
// take the first and the last value.
double quantile(const Values& v, const Values&, double alpha) {
    if (!(alpha >= 0.0 && alpha <= 1.0)) return fail(ErrorCode::ALPHA_RANGE);
    if (v.empty()) return NaN;
    const Values s = sorted(v);
    const double t = count(s) * alpha;
    const std::size_t last = s.size() - 1;
    const std::size_t i = std::min(static_cast<std::size_t>(t), last);
    if (t != std::floor(t)) return s[i];
    if (i == 0) return s.front();
    if (t >= count(s)) return s.back();
    return (s[i] + s[i - 1]) / 2.0;
}

struct StatisticName {
    std::wstring_view name;
    Axis axis;
    bool needsValues; // no defined result over an empty list
    StatisticFunction function;
};

constexpr StatisticName s_statistics[] = {
    {L"minx", Axis::X, true, minimum},
    {L"maxx", Axis::X, true, maximum},
    {L"miny", Axis::Y, true, minimum},
    {L"maxy", Axis::Y, true, maximum},
    {L"sumx", Axis::X, false, sumOf},
    {L"sumy", Axis::Y, false, sumOf},
    {L"sumsqx", Axis::X, false, sumOfSquares},
    {L"sumsqy", Axis::Y, false, sumOfSquares},
    {L"sumxy", Axis::XY, false, sumOfProducts},
    {L"covxy", Axis::XY, true, covariance},
    {L"cnt", Axis::X, false, countOf},
    {L"meanx", Axis::X, true, meanOf},
    {L"meany", Axis::Y, true, meanOf},
    {L"meangeomx", Axis::X, true, geometricMean},
    {L"meangeomy", Axis::Y, true, geometricMean},
    {L"medx", Axis::X, true, median},
    {L"medy", Axis::Y, true, median},
    {L"varx", Axis::X, true, sampleVarianceOf},
    {L"vary", Axis::Y, true, sampleVarianceOf},
    {L"varpopx", Axis::X, true, populationVarianceOf},
    {L"varpopy", Axis::Y, true, populationVarianceOf},
    {L"stddevx", Axis::X, true, sampleDeviation},
    {L"stddevy", Axis::Y, true, sampleDeviation},
    {L"stddevpopx", Axis::X, true, populationDeviation},
    {L"stddevpopy", Axis::Y, true, populationDeviation},
    {L"varcoffsamx", Axis::X, true, sampleVariation},
    {L"varcoffsamy", Axis::Y, true, sampleVariation},
    {L"varcoffpopx", Axis::X, true, populationVariation},
    {L"varcoffpopy", Axis::Y, true, populationVariation},
    {L"quantx", Axis::X, false, quantile}, // checks its level before the empty list
    {L"quanty", Axis::Y, false, quantile},
};

const StatisticName* findStatistic(const std::wstring& name) {
    const auto it = std::find_if(std::begin(s_statistics), std::end(s_statistics),
                                 [&name](const StatisticName& entry) { return entry.name == name; });
    return it != std::end(s_statistics) ? it : nullptr;
}
} // namespace

double IExpression::calculateStatisticFunction(const std::wstring& name, std::vector<double>& data,
                                               bool pairs, double argument) {
    const StatisticName* statistic = findStatistic(name);
    // Unknown names, and y names over a list that has no y values.
    if (statistic == nullptr || (!pairs && statistic->axis != Axis::X))
        return fail(ErrorCode::NO_Y_FUNCTIONS);

    Values x;
    Values y;
    if (pairs) {
        // A last value without a partner is left out.
        x.reserve(data.size() / 2);
        y.reserve(data.size() / 2);
        for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
            x.push_back(data[i]);
            y.push_back(data[i + 1]);
        }
    } else {
        x = data;
    }

    const Values& values = statistic->axis == Axis::Y ? y : x;
    const Values& partner = statistic->axis == Axis::Y ? x : y;
    if (statistic->needsValues && values.empty()) return NaN;
    return statistic->function(values, partner, argument);
}

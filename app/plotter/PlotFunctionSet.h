#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The functions one plot shows: the current function (the input line, may be
// empty) followed by the entries of the plotter's list, in list order. The
// position in that walk is a function's set index.
struct PlotFunctionSet {
    std::wstring current;
    std::vector<std::wstring> list;

    // Set index 0 is the current function, i + 1 list entry i.
    std::vector<std::wstring> inSetOrder() const;
    bool empty() const { return current.empty() && list.empty(); }
    // Whether the current function or any entry starts with one of the prefixes.
    bool hasPrefix(std::initializer_list<const wchar_t*> prefixes) const;
};

struct PlotStatistics;

// Where the plot window gets its functions from: it asks again on every
// redraw, so the plot always shows the current set.
class IPlotSource {
public:
    virtual ~IPlotSource() = default;
    virtual PlotFunctionSet functionSet() const = 0;
    // The statistics calculator's data instead of functions; nothing for a
    // function plot.
    virtual std::shared_ptr<const PlotStatistics> statistics() const { return nullptr; }
};

// The plot kinds; each has its renderer (IPlotRenderer.h).
enum class PlotKind { Statistics, Surface3D, TwoD, Sequence, Parametric, Polar, Fractal };

namespace PlotFunctions {
bool startsWith(const std::wstring& text, const wchar_t* prefix);
// The kind a function set is drawn as; first match wins.
PlotKind kindOf(const PlotFunctionSet& set);
// The fractal queries read the current function only.
bool isFractal(const PlotFunctionSet& set);
bool isStartValueFractal(const PlotFunctionSet& set);

// The check of one function text (the engine adapter's), true when well formed.
using FunctionCheck = std::function<bool(const std::wstring& text, std::wstring& message)>;
// The set check: the message of the first failing function or rule, or
// nothing when the set may be plotted.
std::optional<std::wstring> checkSet(const PlotFunctionSet& set, const FunctionCheck& check);
} // namespace PlotFunctions

#pragma once
#include <optional>
#include <string>
#include <vector>

#include "IPlotRenderer.h"

class PlotFrame;

// The sequence kind: every "f(n)=" of the set as a bar chart standing on
// the x axis, one bar from n to n + 1 for each n from 1 (or the left edge)
// to the one before the right edge, with a legend line in its colour.
// Explicit sequences take one engine call for the whole range, recursive
// ones ("...f(n-1)...;f(0)=...") one call for all terms.
class PlotSequenceRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;

    // The terms n = from..to of one sequence text (after "f(n)="); nothing
    // when the engine fails. values[i] belongs to n = from + i.
    struct Terms {
        long from = 0;
        std::vector<double> values;
    };
    static std::optional<Terms> terms(const std::wstring& body, const PlotRegion& region, EngineAdapter& engine);
    // The row of a term: gaps stay NaN, values beyond the region sit two
    // units outside it, and rows are clamped into the int range.
    static double rowOf(double value, const PlotFrame& frame);
};

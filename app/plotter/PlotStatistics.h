#pragma once
#include <string>
#include <utility>
#include <vector>

#include "IPlotRenderer.h"
#include "PlotRegion.h"

class PlotFrame;
class QPoint;

// What the statistics calculator hands the plot window: its x/y points, the
// region they lie in, and the fitted function after a regression.
struct PlotStatistics {
    std::vector<std::pair<double, double>> points;
    PlotRegion region;
    bool regression = false;
    std::wstring function; // the fitted function's body, without "f(x)="

    // The smallest region holding every finite point, widened on each side
    // by a tenth of its width and height; a side of width 0 (one value, or
    // all values equal) spans the value plus and minus a tenth of its size,
    // at least 1. Without a finite point, or where the bounds overflow, the
    // default region -5..5.
    static PlotRegion regionOf(const std::vector<std::pair<double, double>>& points);
};

// The statistics kind: the axes (with the regression curve in black and its
// legend when there is one), then a red square outline round each point.
class PlotStatisticsRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;
    // The pixel of a point: the truncated column and row in the frame.
    static QPoint pixelOf(const PlotFrame& frame, double x, double y);
};

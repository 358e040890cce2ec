#pragma once
#include "IPlotRenderer.h"

// The parametric kind: the current "f(t)=[x:=...;y:=...;t:=a..b]" as a
// cloud of one-pixel dots over the axes, as many points as the client area
// and the quality allow.
class PlotParametricRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;
    // The number of points: client area / (50 * quality).
    static int pointCount(const QSize& client, int quality);
};

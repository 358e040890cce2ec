#pragma once
#include "IPlotRenderer.h"

// The polar kind: the current "f(t)=p=[r;t:=a..b]" as a line through its
// points over the axes.
class PlotPolarRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;
    // The number of points: 1000 / quality.
    static int pointCount(int quality);
};

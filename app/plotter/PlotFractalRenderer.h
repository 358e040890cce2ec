#pragma once
#include "FractalBands.h"
#include "IPlotRenderer.h"

// The fractal kind: the current "z(n+1)=..." as an escape-time picture over
// the whole client area, computed in bands on every core, growing row by
// row, with the function text at the bottom.
class PlotFractalRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;
    // The fractal of a job: text, region and the fractal settings.
    static std::optional<FractalSetup> specOf(const PlotJob& job);
};

#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>

#include "IPlotRenderer.h"

// One paint pass of any plot kind: white client area, then the renderer of
// the set's kind. The window runs it on its worker; saving and the
// command-line export run it directly.
namespace PlotPass {
enum class Result { Complete, Cancelled, OutOfMemory };

// Runs the pass on painter; a pass that runs out of memory ends early.
Result run(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context);
// The pass into a new picture of the client size.
QImage renderImage(const PlotJob& job, const QSize& client, OrvantaCalcBase& engine,
                   Result* result = nullptr);
// The pass as an SVG document, curves as vectors.
QByteArray renderSvg(const PlotJob& job, const QSize& client, OrvantaCalcBase& engine,
                     Result* result = nullptr);
} // namespace PlotPass

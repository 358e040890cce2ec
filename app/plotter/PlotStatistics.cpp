#include "PlotStatistics.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ColorRef.h"
#include "Plot2DRenderer.h"
#include "PlotFrame.h"

namespace {
constexpr double MARGIN = 0.1;

// The bounds of one axis widened by the margin; false when they overflow.
bool widen(double& low, double& high) {
    const double span = high - low;
    const double margin = span > 0 ? span * MARGIN : std::max(1.0, std::fabs(low) * MARGIN);
    low -= margin;
    high += margin;
    return std::isfinite(low) && std::isfinite(high) && low < high;
}
} // namespace

PlotRegion PlotStatistics::regionOf(const std::vector<std::pair<double, double>>& points) {
    bool any = false;
    PlotRegion r;
    for (const auto& [x, y] : points) {
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        if (!any) {
            r = {x, x, y, y};
            any = true;
            continue;
        }
        r.xmin = std::min(r.xmin, x);
        r.xmax = std::max(r.xmax, x);
        r.ymin = std::min(r.ymin, y);
        r.ymax = std::max(r.ymax, y);
    }
    if (!any || !widen(r.xmin, r.xmax) || !widen(r.ymin, r.ymax)) return PlotRegion();
    return r;
}

QPoint PlotStatisticsRenderer::pixelOf(const PlotFrame& frame, double x, double y) {
    return QPoint(static_cast<int>(std::trunc(frame.columnOf(x))), static_cast<int>(std::trunc(frame.rowOf(y))));
}

void PlotStatisticsRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job,
                                   PlotContext& context) {
    if (!job.statistics) return;
    const PlotStatistics& data = *job.statistics;
    // The points are placed on plain axes, so the curve must be as well.
    PlotJob plain = job;
    plain.settings.piScale = false;
    plain.settings.eScale = false;
    const std::wstring curve = L"f(x)=" + data.function;
    if (data.regression && curve.size() > 5) {
        plain.functions = PlotFunctionSet{curve, {}};
        plain.settings.functionColours[0] = 0; // black
        Plot2DRenderer().paint(painter, client, plain, context);
    } else {
        PlotFrame(client, job.region).drawAxes(painter, Plot2DRenderer::plotFont(job.hiRes),
                                               toQColor(job.settings.background2D));
    }
    if (context.cancelled()) return;
    const PlotFrame frame(client, job.region);
    const int s = job.hiRes ? 2 : 1;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    for (const auto& [x, y] : data.points) {
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        const QPoint p = pixelOf(frame, x, y);
        painter.drawRect(p.x() - s, p.y() - s, 2 * s, 2 * s);
    }
}

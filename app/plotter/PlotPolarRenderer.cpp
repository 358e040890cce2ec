#include "PlotPolarRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "Plot2DRenderer.h"
#include "PlotFrame.h"

int PlotPolarRenderer::pointCount(int quality) {
    return 1000 / std::clamp(quality, 1, 4);
}

void PlotPolarRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    const PlotFrame frame(client, job.region);
    const QColor background = toQColor(job.settings.background2D);
    const QFont font = Plot2DRenderer::plotFont(job.hiRes);
    frame.drawAxes(painter, font, background);
    painter.setFont(font);
    const std::wstring& text = job.functions.current;
    if (text.empty()) return;
    const int count = pointCount(job.settings.quality);
    std::vector<double> ts(static_cast<std::size_t>(count), std::numeric_limits<double>::quiet_NaN());
    std::vector<double> rs(ts);
    std::wstring sampled = text;
    if (!context.engine().calculatePolarFunction(sampled, count, ts.data(), rs.data())) return;

    const PlotRegion& r = frame.scaled();
    const int w = frame.width(), h = frame.height();
    auto inClient = [&](const QPointF& p) { return p.x() > 0 && p.x() < w && p.y() > 0 && p.y() < h; };
    painter.setPen(QPen(Qt::black, 1));
    std::optional<QPointF> previous;
    for (int i = 0; i < count; ++i) {
        if (context.cancelled()) return;
        // Angle and radius become a point of the plane.
        const double x = rs[i] * std::cos(ts[i]), y = rs[i] * std::sin(ts[i]);
        if (!PlotDraw::defined(x) || !PlotDraw::defined(y) || x < r.xmin || x > r.xmax || y < r.ymin ||
            y > r.ymax) {
            previous.reset();
            continue;
        }
        const QPointF at(frame.columnOf(x), frame.rowOf(y));
        if (previous && inClient(*previous) && inClient(at))
            painter.drawLine(*previous, at);
        else
            painter.drawPoint(at);
        previous = at;
    }
    PlotDraw::bottomBand(painter, client, QString::fromStdWString(text), Qt::black, background);
}

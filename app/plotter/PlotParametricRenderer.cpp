#include "PlotParametricRenderer.h"

#include <QPainter>
#include <algorithm>
#include <limits>
#include <vector>

#include "OrvantaCalcBase.h"
#include "Plot2DRenderer.h"
#include "PlotFrame.h"
#include "PlotMessages.h"

int PlotParametricRenderer::pointCount(const QSize& client, int quality) {
    const long long area = static_cast<long long>(std::max(0, client.width())) * std::max(0, client.height());
    const long long count = area / (50LL * std::clamp(quality, 1, 4));
    return static_cast<int>(std::min<long long>(count, OrvantaCalcBase::MAX_SAMPLES));
}

void PlotParametricRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    const PlotFrame frame(client, job.region);
    const QColor background = toQColor(job.settings.background2D);
    const QFont font = Plot2DRenderer::plotFont(job.hiRes);
    frame.drawAxes(painter, font, background);
    painter.setFont(font);
    std::wstring text = job.functions.current;
    if (text.empty()) return;
    const int count = pointCount(client, job.settings.quality);
    if (count <= 0) return;
    std::vector<double> xs(static_cast<std::size_t>(count), std::numeric_limits<double>::quiet_NaN());
    std::vector<double> ys(xs);
    std::wstring sampled = text;
    if (!context.engine().calculateParameterFunction(sampled, count, xs.data(), ys.data())) {
        const QRect band(0, client.height() - 20, client.width(), 20);
        painter.setPen(Qt::black);
        painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdWString(OrvantaCalcBase::loadString(PlotMessages::CALCULATION_ERROR)));
        return;
    }
    const PlotRegion& r = frame.scaled();
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < count; ++i) {
        if (context.cancelled()) return;
        const double x = xs[i], y = ys[i];
        if (!PlotDraw::defined(x) || !PlotDraw::defined(y)) continue;
        if (x < r.xmin || x > r.xmax || y < r.ymin || y > r.ymax) continue;
        painter.drawPoint(QPointF(frame.columnOf(x), frame.rowOf(y)));
    }
    // The dots are black; their text is written in white over them.
    PlotDraw::bottomBand(painter, client, QString::fromStdWString(text), Qt::white);
}

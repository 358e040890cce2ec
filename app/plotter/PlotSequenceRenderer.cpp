#include "PlotSequenceRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "IExpression.h"
#include "OrvantaCalcBase.h"
#include "Plot2DRenderer.h"
#include "PlotColours.h"
#include "PlotFrame.h"

namespace {
using PlotFunctions::startsWith;
constexpr double INT_LIMIT = 2147483646.0;
constexpr const wchar_t* START = L";f(0)=";
} // namespace

std::optional<PlotSequenceRenderer::Terms> PlotSequenceRenderer::terms(const std::wstring& body,
                                                                       const PlotRegion& region,
                                                                       EngineAdapter& engine) {
    const double limit = static_cast<double>(OrvantaCalcBase::MAX_SAMPLES);
    const double first = std::max(0.0, std::trunc(region.xmin));
    const double last = std::min(limit, std::trunc(region.xmax));
    if (!(first <= last)) return std::nullopt;
    Terms t;
    t.from = static_cast<long>(first);
    const std::size_t count = static_cast<std::size_t>(last - first) + 1;
    t.values.assign(count, std::numeric_limits<double>::quiet_NaN());
    std::wstring f = body;
    IExpression::replaceUnknown(f, L'n', L'x');
    const std::size_t start = f.find(START);
    double from = first, to = last;
    if (start == std::wstring::npos && f.find(L"f(x-") == std::wstring::npos) {
        double step = 1.0;
        const std::size_t capacity = OrvantaCalcBase::plotSampleCount(from, to, step);
        std::vector<double> sampled(std::max<std::size_t>(capacity, 1), std::numeric_limits<double>::quiet_NaN());
        if (capacity == 0 || !engine.calculatePlotterX(f, from, to, step, sampled.data(), capacity))
            return std::nullopt;
        std::copy_n(sampled.begin(), std::min(count, capacity), t.values.begin());
        return t;
    }
    std::wstring startText = start == std::wstring::npos ? std::wstring() : f.substr(start + 6);
    std::wstring recursion = f.substr(0, start);
    // The engine stores f(0) first, then the terms from `from` on; f(0)
    // belongs to n = 0 only when the range starts there.
    std::vector<double> sampled(count, std::numeric_limits<double>::quiet_NaN());
    if (!engine.calculateFolgeRecursiv(recursion, from, to, startText, sampled.data(), count)) return std::nullopt;
    if (t.from == 0)
        t.values = sampled;
    else
        std::copy(sampled.begin() + 1, sampled.end(), t.values.begin());
    return t;
}

double PlotSequenceRenderer::rowOf(double value, const PlotFrame& frame) {
    if (!PlotDraw::defined(value)) return std::numeric_limits<double>::quiet_NaN();
    const PlotRegion& r = frame.scaled();
    double row;
    if (value > r.ymax)
        row = frame.height() - (r.ymax + 2 - r.ymin) * frame.height() / (r.ymax - r.ymin);
    else if (value < r.ymin)
        row = frame.height() - (r.ymin - 2 - r.ymin) * frame.height() / (r.ymax - r.ymin);
    else
        row = frame.height() - (value - r.ymin) * frame.height() / (r.ymax - r.ymin);
    return std::clamp(std::trunc(row), -INT_LIMIT, INT_LIMIT);
}

void PlotSequenceRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    const PlotFrame frame(client, job.region);
    const QColor background = toQColor(job.settings.background2D);
    const QFont font = Plot2DRenderer::plotFont(job.hiRes);
    frame.drawAxes(painter, font, background);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Rows are clipped to just outside the picture, so a clipped bar shows
    // no edge where it leaves it.
    const double top = -1.0, bottom = frame.height() + 1.0;
    const double axisRow = std::clamp(rowOf(0.0, frame), top, bottom);
    PlotColourSequence generated(0, 0, 0, job.monochrome);
    const std::vector<std::wstring> set = job.functions.inSetOrder();
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (context.cancelled()) return;
        if (!startsWith(set[i], L"f(n)=")) continue;
        // The current function is black, every further sequence the next generated colour.
        const QColor colour = i == 0 || job.monochrome ? QColor(Qt::black) : generated.next();
        const std::wstring body = set[i].substr(5);
        const std::optional<Terms> t = terms(body, job.region, context.engine());
        if (!t) continue;
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        for (std::size_t k = 0; k + 1 < t->values.size(); ++k) {
            if (context.cancelled()) return;
            const long n = t->from + static_cast<long>(k);
            const double row = rowOf(t->values[k], frame);
            if (n <= 0 || std::isnan(row)) continue;
            const double left = frame.columnOf(static_cast<double>(n));
            const double right = frame.columnOf(static_cast<double>(n + 1));
            const double a = std::clamp(row, top, bottom);
            painter.drawRect(QRectF(QPointF(left, std::min(a, axisRow)), QPointF(right, std::max(a, axisRow))));
        }
        const QRect box(5, 20 * static_cast<int>(i) + 10, std::max(1, frame.right() - 5), 20);
        PlotDraw::opaqueText(painter, box, Qt::AlignLeft | Qt::AlignTop, QString::fromStdWString(L"f(n)=" + body),
                             colour, background);
        context.checkpoint();
    }
}

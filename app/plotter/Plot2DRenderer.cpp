#include "Plot2DRenderer.h"

#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <limits>

#include "ColorRef.h"
#include "IExpressionHolder.h"
#include "PlotColours.h"
#include "ScreenFonts.h"

namespace {
using PlotFunctions::startsWith;
constexpr double UNDEFINED = -999.0; // the sampling's own mark of an undefined value
constexpr double GAP = std::numeric_limits<double>::quiet_NaN();
constexpr long MAX_FAMILY_CURVES = 10000;
constexpr int SHOW_GREATER = 1;
constexpr int SHOW_LESS = 2;

bool defined(double v) {
    return v != UNDEFINED && std::isfinite(v);
}

bool monotone(double a, double b, double c) {
    return (a <= b && b <= c) || (a >= b && b >= c);
}

QPen curvePen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}
} // namespace

struct Plot2DRenderer::Pass {
    QPainter& painter;
    QSize client;
    const PlotJob& job;
    PlotContext& context;
    PlotFrame frame;
    QColor background;
    int lineWidth;
    int type;
};

AxisUnits Plot2DRenderer::axisUnits(const PlotJob& job) {
    const PlotFunctionSet& set = job.functions;
    const bool x = set.hasPrefix({L"f(x)", L"f(x,y)"});
    const bool y = set.hasPrefix({L"f(y)", L"f(x,y)"});
    const bool pi = job.settings.piScale;
    const bool e = job.settings.eScale;
    return AxisUnits{pi && x, pi && y, e && x, e && y};
}

QFont Plot2DRenderer::plotFont(bool hiRes) {
    return ScreenFonts::font("Tahoma", hiRes ? 20 : 12, 500);
}

std::vector<bool> Plot2DRenderer::joinedSegments(const Samples& p, double far) {
    const std::size_t n = p.size();
    std::vector<bool> joined(n, false);
    auto def = [&](std::size_t i) { return !std::isnan(p[i]); };
    auto inside = [&](std::size_t i) { return def(i) && 0 < p[i] && p[i] < far; };
    if (n > 0) joined[0] = inside(0);
    if (n > 1) joined[1] = inside(1) && def(0);
    for (std::size_t i = 2; i < n; ++i) {
        if (!def(i - 1) || !def(i)) continue;
        // A jump with a change of direction on both sides is a pole: left out.
        joined[i] = !def(i - 2) || monotone(p[i - 2], p[i - 1], p[i]) ||
                    (i + 1 < n && def(i + 1) && monotone(p[i - 1], p[i], p[i + 1]));
    }
    return joined;
}

void Plot2DRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    Pass pass{painter,
              client,
              job,
              context,
              PlotFrame(client, job.region, axisUnits(job)),
              toQColor(job.settings.background2D),
              std::clamp(job.settings.lineWidth, 1, 4),
              job.settings.type};
    const QFont font = plotFont(job.hiRes);
    pass.frame.drawAxes(painter, font, pass.background);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);

    PlotColourSequence generated(0, 0, 255, job.monochrome);
    const std::vector<std::wstring> set = job.functions.inSetOrder();
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (context.cancelled()) return;
        const int index = static_cast<int>(i);
        QColor colour = index < 4 ? toQColor(job.settings.functionColours[index]) : generated.next();
        if (job.monochrome) colour = Qt::black;
        const std::wstring& f = set[i];
        if (f.empty()) continue;
        if (startsWith(f, L"f(x,y)="))
            implicitCurve(pass, f, colour, index);
        else if (startsWith(f, L"f(x)="))
            explicitCurve(pass, f, true, colour, index);
        else if (startsWith(f, L"f(y)="))
            explicitCurve(pass, f, false, colour, index);
        else
            family(pass, f, index);
        context.checkpoint();
    }
}

void Plot2DRenderer::legend(Pass& pass, const std::wstring& text, const QColor& colour, int line) {
    const QRect box(5, 20 * line, std::max(1, pass.frame.right() - 5), 20);
    PlotDraw::opaqueText(pass.painter, box, Qt::AlignLeft | Qt::AlignTop, QString::fromStdWString(text),
                         colour, pass.background);
}

void Plot2DRenderer::explicitCurve(Pass& pass, const std::wstring& text, bool ofX, const QColor& colour,
                                   int index) {
    const PlotFrame& frame = pass.frame;
    const PlotRegion& r = frame.scaled();
    const int count = ofX ? frame.width() : frame.height();
    double from = ofX ? r.xmin : r.ymin;
    double to = ofX ? r.xmax : r.ymax;
    double step = (to - from) / count;
    const std::size_t capacity = OrvantaCalcBase::plotSampleCount(from, to, step);
    if (capacity == 0) return;
    std::vector<double> values(capacity, GAP);
    std::wstring body = text.substr(5);
    EngineAdapter& engine = pass.context.engine();
    const bool ok = ofX ? engine.calculatePlotterX(body, from, to, step, values.data(), capacity)
                        : engine.calculatePlotterY(body, from, to, step, values.data(), capacity);
    if (!ok || pass.context.cancelled()) return;

    Samples p(static_cast<std::size_t>(count) + 1, GAP);
    for (std::size_t i = 0; i < p.size() && i < capacity; ++i)
        if (defined(values[i])) p[i] = ofX ? frame.rowOf(values[i]) : frame.columnOf(values[i]);
    const std::vector<bool> joined = joinedSegments(p, ofX ? frame.bottom() : frame.right());
    auto point = [&](std::size_t i) {
        const double along = static_cast<double>(i);
        return ofX ? QPointF(along, p[i]) : QPointF(p[i], frame.bottom() - along);
    };
    QPainter& painter = pass.painter;
    painter.setPen(curvePen(colour, pass.lineWidth));
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (pass.context.cancelled()) return;
        if (!joined[i]) continue;
        if (i == 0)
            painter.drawPoint(point(0));
        else
            PlotDraw::clippedLine(painter, point(i - 1), point(i), pass.client);
        if ((pass.type == SHOW_GREATER || pass.type == SHOW_LESS) && i % 4 == 0) {
            const QPointF at = point(i);
            const bool greater = pass.type == SHOW_GREATER;
            const QPointF edge = ofX ? QPointF(at.x(), greater ? 0.0 : frame.bottom())
                                     : QPointF(greater ? frame.right() : 0.0, at.y());
            PlotDraw::clippedLine(painter, at, edge, pass.client);
        }
    }
    legend(pass, text, colour, index);
}

void Plot2DRenderer::implicitCurve(Pass& pass, const std::wstring& text, const QColor& colour, int index) {
    const std::wstring rest = text.substr(7);
    const std::size_t equals = rest.find(L'=');
    if (equals == std::wstring::npos || equals == 0) return;
    const std::wstring valueText = rest.substr(0, equals);
    wchar_t* end = nullptr;
    const double c = std::wcstod(valueText.c_str(), &end);
    if (end == valueText.c_str() || *end != L'\0' || !std::isfinite(c)) return;
    IExpressionHolder tree;
    try {
        tree.setExpression(IExpression::parseExpression(rest.substr(equals + 1), true));
    } catch (const EngineError&) {
        return;
    }
    if (tree.isEmpty()) return;
    auto value = [&](double x, double y) {
        try {
            return tree.calculate(x, y);
        } catch (const EngineError&) {
            return GAP;
        }
    };

    const PlotFrame& frame = pass.frame;
    const PlotRegion& r = frame.scaled();
    const int q = std::clamp(pass.job.settings.quality, 1, 4);
    const int w = frame.width();
    const int bottom = frame.bottom();
    const int lw = pass.lineWidth;
    QPainter& painter = pass.painter;
    auto mark = [&](int column, int row) {
        painter.fillRect(QRect(column, row - (lw - 1) / 2, 1, lw), colour);
    };
    auto crossed = [c](double before, double now) {
        return (before < c && c < now) || (before > c && c > now);
    };
    const bool hatch = pass.type == SHOW_GREATER || pass.type == SHOW_LESS;

    // Down the columns first, then along the rows, so steep parts are found too.
    for (int k = 1;; ++k) {
        const int column = 1 + (k - 1) * q;
        if (column >= w || pass.context.cancelled()) break;
        const double x = r.xmin + k * q * frame.xstep();
        bool known = false;
        double before = 0.0;
        for (int kr = 1;; ++kr) {
            const int row = bottom - (kr - 1) * q;
            if (row <= 0 || pass.context.cancelled()) break;
            const double v = value(x, r.ymin + kr * q * frame.ystep());
            if (!std::isfinite(v)) continue;
            if (known && crossed(before, v)) mark(column, row);
            if (hatch && (k - 1) % 4 == 0 && (pass.type == SHOW_GREATER ? v > c : v < c))
                painter.fillRect(QRect(column, row, 1, 1), colour);
            before = v;
            known = true;
        }
        if (k % 16 == 0) pass.context.checkpoint();
    }
    for (int kr = 1;; ++kr) {
        const int row = bottom - (kr - 1) * q;
        if (row <= 0 || pass.context.cancelled()) break;
        const double y = r.ymin + kr * q * frame.ystep();
        bool known = false;
        double before = 0.0;
        for (int k = 1;; ++k) {
            const int column = 1 + (k - 1) * q;
            if (column >= w || pass.context.cancelled()) break;
            const double v = value(r.xmin + k * q * frame.xstep(), y);
            if (!std::isfinite(v)) continue;
            if (known && crossed(before, v)) mark(column, row);
            before = v;
            known = true;
        }
        if (kr % 16 == 0) pass.context.checkpoint();
    }
    if (!pass.context.cancelled()) legend(pass, text, colour, index);
}

void Plot2DRenderer::family(Pass& pass, const std::wstring& text, int index) {
    // Other texts that reach the 2D kind ("f(t)=", "z(n+1)=" in the list)
    // have no t range of their own: they are left out.
    const PlotTRange& t = pass.job.t;
    if (!startsWith(text, L"f(t,x)=") || !t.valid()) return;
    std::wstring body = text.substr(7);
    IExpression::replaceUnknown(body, L't', L'y');

    const PlotFrame& frame = pass.frame;
    const PlotRegion& r = frame.scaled();
    const int w = frame.width();
    const double halfRange = (r.ymax - r.ymin) / 2.0;
    PlotColourSequence colours(0, 0, 0, pass.job.monochrome);
    QPainter& painter = pass.painter;
    int line = index;
    long curves = 0;
    for (long tv = t.from; tv <= t.to && curves < MAX_FAMILY_CURVES; tv += t.step, ++curves) {
        if (pass.context.cancelled()) return;
        const QColor colour = curves == 0 ? QColor(Qt::black) : colours.next();
        double from = r.xmin, to = r.xmax, step = (to - from) / w, td = static_cast<double>(tv);
        const std::size_t capacity = OrvantaCalcBase::plotSampleCount(from, to, step);
        if (capacity == 0) return;
        std::vector<double> values(capacity, GAP);
        std::wstring f = body;
        if (!pass.context.engine().calculatePlotterTX(f, td, from, to, step, values.data(), capacity))
            continue;
        painter.setPen(curvePen(colour, pass.lineWidth));
        const std::size_t n = std::min(capacity, static_cast<std::size_t>(w) + 1);
        for (std::size_t i = 1; i < n; ++i) {
            if (!defined(values[i - 1]) || !defined(values[i])) continue;
            const double a = frame.rowOf(values[i - 1]);
            const double b = frame.rowOf(values[i]);
            const double bottom = frame.bottom();
            const bool above = a < 0 && b<0, below = a> bottom && b > bottom;
            const bool across = (a < 0 && b > bottom) || (a > bottom && b < 0);
            if (above || below || across || std::fabs(values[i] - values[i - 1]) > halfRange) continue;
            const QPointF at(static_cast<double>(i), b);
            PlotDraw::clippedLine(painter, QPointF(static_cast<double>(i - 1), a), at, pass.client);
            if ((pass.type == SHOW_GREATER || pass.type == SHOW_LESS) && i % 4 == 0)
                PlotDraw::clippedLine(painter, at, QPointF(at.x(), pass.type == SHOW_GREATER ? 0.0 : bottom),
                                      pass.client);
        }
        char number[32];
        std::snprintf(number, sizeof number, "%ld", tv);
        legend(pass, text + L" at " + std::wstring(number, number + std::strlen(number)), colour, line++);
        pass.context.checkpoint();
    }
}

#include "Plot3DRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

#include "EngineError.h"
#include "IExpressionHolder.h"
#include "Plot2DRenderer.h"
#include "PlotFrame.h"
#include "PlotMessages.h"

namespace {
using PlotFunctions::startsWith;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double DEGREE = 0.017453292519943295;
constexpr double AUTO_Z_LIMIT = 10.0;
constexpr int SHADE_SPAN = 164; // the darkest cell is the fore colour less this on each channel
constexpr int MARGIN_X = 40;    // usable width: client width less this
constexpr int MARGIN_Y = 60;    // usable height: client height less this
constexpr const wchar_t* SURFACE = L"z=f(x,y)=";
constexpr const wchar_t* CURVE = L"z=f(t)=";

bool validHeight(double z) {
    return PlotDraw::defined(z);
}

QColor shaded(const QColor& fore, double height, double zmin, double zmax) {
    const double d = std::trunc(SHADE_SPAN * (height - zmin) / (zmax - zmin));
    if (!std::isfinite(d)) return fore; // no mean height: the cell stays unshaded
    const int dd = static_cast<int>(std::clamp(d, -255.0, 255.0));
    return QColor(std::clamp(fore.red() - dd, 0, 255), std::clamp(fore.green() - dd, 0, 255),
                  std::clamp(fore.blue() - dd, 0, 255));
}

QString rangeText(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", v);
    return QString::fromLatin1(text);
}
} // namespace

struct Plot3DRenderer::Pass {
    Pass(QPainter& p, const QSize& c, const PlotJob& j, PlotContext& ctx) : painter(p), client(c), job(j), context(ctx) {}
    QPainter& painter;
    QSize client;
    const PlotJob& job;
    PlotContext& context;
    Points points;
    int cells = 0;
    double zmin = -1.0, zmax = 1.0;
    double sA = 0, cA = 1, sB = 0, cB = 1;
    double umin = 10000.0, umax = -10000.0, vmin = 10000.0, vmax = -10000.0;
    double scale = 1.0;
    int hoff = 0, voff = 0;
    int usableHeight = 1;
    QColor fore, text;
    std::vector<QPointF> screen; // the projected points; NaN when invalid

    double u(double x, double y) const { return y * cA - x * sA; }
    double v(double x, double z) const { return z * cB - x * sB; }
    QPointF toScreen(double pu, double pv) const {
        if (std::isnan(pu) || std::isnan(pv)) return QPointF(NaN, NaN);
        return QPointF(std::trunc((pu - umin) * scale) + 20 + hoff, std::trunc(usableHeight - (pv - vmin) * scale) - voff);
    }
    QPointF corner(double x, double y, double z) const { return toScreen(u(x, y), v(x, z)); }
};

int Plot3DRenderer::gridSize(int quality) {
    return 5 * (7 - std::clamp(quality, 1, 4));
}

std::pair<double, double> Plot3DRenderer::automaticZ(double smallest, double largest) {
    const double low = std::isfinite(smallest) && smallest >= -AUTO_Z_LIMIT ? smallest : -AUTO_Z_LIMIT;
    const double high = std::isfinite(largest) && largest <= AUTO_Z_LIMIT ? largest : AUTO_Z_LIMIT;
    return {low, high};
}

std::optional<std::pair<int, int>> Plot3DRenderer::rotate(int angleA, int angleB, int dA, int dB) {
    const int a = angleA + dA, b = angleB + dB;
    if (a < -90 || a > 90 || b < 0 || b > 90) return std::nullopt;
    return std::make_pair(a, b);
}

std::vector<int> Plot3DRenderer::rowOrder(int cells, int angleA) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(0, cells)));
    for (int i = 0; i < cells; ++i)
        rows[static_cast<std::size_t>(i)] = angleA >= 0 ? i : cells - 1 - i;
    return rows;
}

Plot3DRenderer::Points Plot3DRenderer::surfacePoints(IExpression& f, const PlotRegion& r, int cells) {
    Points p;
    const std::size_t n = static_cast<std::size_t>(cells + 1) * static_cast<std::size_t>(cells + 1);
    p.x.reserve(n), p.y.reserve(n), p.z.reserve(n);
    for (int i = 0; i <= cells; ++i)
        for (int j = 0; j <= cells; ++j) {
            const double x = r.xmin + j * (r.xmax - r.xmin) / cells;
            const double y = r.ymin + i * (r.ymax - r.ymin) / cells;
            double z;
            try {
                z = f.calculate(x, y);
            } catch (const EngineError&) {
                z = NaN;
            }
            p.smallest = std::min(p.smallest, z);
            p.largest = std::max(p.largest, z);
            p.x.push_back(x), p.y.push_back(y), p.z.push_back(z);
        }
    return p;
}

void Plot3DRenderer::dropOutOfRange(Points& p, const PlotRegion& r, double zmin, double zmax, bool curve) {
    for (std::size_t i = 0; i < p.z.size(); ++i) {
        const bool outside = p.z[i] < zmin || p.z[i] > zmax ||
                             (curve && (p.x[i] < r.xmin || p.x[i] > r.xmax || p.y[i] < r.ymin || p.y[i] > r.ymax));
        if (outside) p.z[i] = NaN;
    }
}

void Plot3DRenderer::paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) {
    const PlotSettings& s = job.settings;
    const QColor back = toQColor(s.backColour3D);
    painter.fillRect(QRect(0, 0, client.width(), client.height() + 10), back);
    const std::wstring& f = job.functions.current;
    if (f.empty()) return;
    const QFont font = Plot2DRenderer::plotFont(job.hiRes);
    painter.setFont(font);
    const bool white = s.backColour3D == makeColorRef(255, 255, 255) || s.backColour3D == makeColorRef(255, 255, 0);
    Pass pass(painter, client, job, context);
    pass.fore = toQColor(s.foreColour3D);
    pass.text = white ? QColor(Qt::black) : QColor(Qt::white);
    pass.cells = gridSize(s.quality);
    const int count = (pass.cells + 1) * (pass.cells + 1);
    const bool curve = startsWith(f, CURVE);
    const PlotRegion& r = job.region;

    if (curve) {
        Points& p = pass.points;
        p.x.assign(count, NaN), p.y.assign(count, NaN), p.z.assign(count, NaN);
        std::wstring text = f;
        if (!context.engine().calculateParameter3DFunction(text, count, p.x.data(), p.y.data(), p.z.data())) {
            PlotDraw::bottomBand(painter, client,
                                 QString::fromStdWString(OrvantaCalcBase::loadString(PlotMessages::CALCULATION_ERROR)),
                                 pass.text);
            return;
        }
        for (double z : p.z)
            p.smallest = std::min(p.smallest, z), p.largest = std::max(p.largest, z);
    } else if (startsWith(f, SURFACE)) {
        IExpressionHolder tree;
        try {
            tree.setExpression(IExpression::parseExpression(f.substr(9), true));
        } catch (const EngineError&) {
        }
        if (tree.isEmpty()) return;
        pass.points = surfacePoints(*tree.getExpression(), r, pass.cells);
    } else {
        return;
    }
    if (context.cancelled()) return;
    if (s.automaticZ) {
        std::tie(pass.zmin, pass.zmax) = automaticZ(pass.points.smallest, pass.points.largest);
    } else {
        pass.zmin = s.zmin, pass.zmax = s.zmax;
        dropOutOfRange(pass.points, r, pass.zmin, pass.zmax, curve);
    }

    // Projection: every surface point takes part (an invalid one at height
    // 0); a curve's invalid point breaks the curve.
    pass.sA = std::sin(s.angleA * DEGREE), pass.cA = std::cos(s.angleA * DEGREE);
    pass.sB = std::sin(s.angleB * DEGREE), pass.cB = std::cos(s.angleB * DEGREE);
    const Points& p = pass.points;
    std::vector<double> us(p.z.size()), vs(p.z.size());
    auto extend = [&](double pu, double pv) {
        pass.umin = std::min(pass.umin, pu), pass.umax = std::max(pass.umax, pu);
        pass.vmin = std::min(pass.vmin, pv), pass.vmax = std::max(pass.vmax, pv);
    };
    for (std::size_t i = 0; i < p.z.size(); ++i) {
        const bool valid = validHeight(p.z[i]);
        if (!valid && curve) {
            us[i] = vs[i] = NaN;
            continue;
        }
        us[i] = pass.u(p.x[i], p.y[i]);
        vs[i] = pass.v(p.x[i], valid ? p.z[i] : 0.0);
        if (std::isfinite(us[i]) && std::isfinite(vs[i])) extend(us[i], vs[i]);
    }
    for (double x : {r.xmin, r.xmax})
        for (double y : {r.ymin, r.ymax})
            for (double z : {pass.zmin, pass.zmax})
                extend(pass.u(x, y), pass.v(x, z));

    // The fit: one scale for both directions; the vertical extent shrinks
    // until the box labels lie inside the picture.
    const int usableWidth = std::max(1, client.width() - MARGIN_X);
    pass.usableHeight = std::max(1, client.height() - MARGIN_Y);
    const double du = std::max(pass.umax - pass.umin, 1e-12), dv = std::max(pass.vmax - pass.vmin, 1e-12);
    const int h = QFontMetrics(font, painter.device()).height();
    for (int shrink = 0; shrink < 90; ++shrink) {
        const double extent = pass.usableHeight * (1.0 - shrink * 0.01);
        pass.scale = std::min(usableWidth / du, extent / dv);
        pass.hoff = static_cast<int>((usableWidth - du * pass.scale) / 2);
        pass.voff = static_cast<int>((pass.usableHeight - dv * pass.scale) / 2);
        const auto boxes = labelBoxes(pass, QFontMetricsF(font, painter.device()));
        const bool fits = std::all_of(boxes.begin(), boxes.end(), [&](const auto& l) {
            return l.second.top() >= h && l.second.bottom() <= client.height() - 10;
        });
        if (fits) break;
    }
    pass.screen.resize(p.z.size());
    for (std::size_t i = 0; i < p.z.size(); ++i)
        pass.screen[i] = pass.toScreen(us[i], vs[i]);

    painter.setRenderHint(QPainter::Antialiasing, false);
    if (curve)
        drawCurve(pass);
    else
        drawSurface(pass);
    if (context.cancelled()) return;
    drawBox(pass);
}

void Plot3DRenderer::drawSurface(Pass& pass) {
    const int n = pass.cells;
    const std::vector<double>& z = pass.points.z;
    QPainter& painter = pass.painter;
    painter.setPen(QPen(Qt::black, 1));
    auto at = [n](int i, int j) { return static_cast<std::size_t>(i * (n + 1) + j); };
    for (int i : rowOrder(n, pass.job.settings.angleA)) {
        for (int j = 0; j < n; ++j) {
            if (pass.context.cancelled()) return;
            const QPointF corners[4] = {pass.screen[at(i, j)], pass.screen[at(i, j + 1)],
                                        pass.screen[at(i + 1, j + 1)], pass.screen[at(i + 1, j)]};
            if (std::any_of(std::begin(corners), std::end(corners), [](const QPointF& c) { return std::isnan(c.x()); }))
                continue;
            // The first corner counts twice in the cell's mean height; a
            // corner without a valid height leaves the cell unshaded.
            auto height = [&](std::size_t k) { return validHeight(z[k]) ? z[k] : NaN; };
            const double mean = (2 * height(at(i, j)) + height(at(i, j + 1)) + height(at(i + 1, j))) / 4;
            painter.setBrush(shaded(pass.fore, mean, pass.zmin, pass.zmax));
            painter.drawPolygon(corners, 4);
        }
        pass.context.checkpoint();
    }
}

void Plot3DRenderer::drawCurve(Pass& pass) {
    QPainter& painter = pass.painter;
    const int width = std::clamp(pass.job.settings.lineWidth, 1, 4);
    const std::vector<double>& z = pass.points.z;
    bool joined = false;
    for (std::size_t i = 0; i < pass.screen.size(); ++i) {
        if (pass.context.cancelled()) return;
        const QPointF& at = pass.screen[i];
        if (std::isnan(at.x())) {
            joined = false;
            continue;
        }
        const QColor colour = shaded(pass.fore, z[i], pass.zmin, pass.zmax);
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        if (joined)
            painter.drawLine(pass.screen[i - 1], at);
        else
            painter.drawPoint(at);
        joined = true;
    }
}

std::vector<std::pair<QString, QRectF>> Plot3DRenderer::labelBoxes(const Pass& pass, const QFontMetricsF& metrics) {
    const double h = metrics.height();
    // The range ends at box corners: x and z below the bottom face, y above the top face.
    const PlotRegion& r = pass.job.region;
    struct Label {
        double x, y, z, value;
        bool above;
    };
    const Label labels[] = {
        {r.xmin, r.ymin, pass.zmin, r.xmin, false},    {r.xmax, r.ymin, pass.zmin, r.xmax, false},
        {r.xmin, r.ymin, pass.zmax, r.ymin, true},     {r.xmin, r.ymax, pass.zmax, r.ymax, true},
        {r.xmax, r.ymax, pass.zmin, pass.zmin, false}, {r.xmax, r.ymax, pass.zmax, pass.zmax, true},
    };
    std::vector<std::pair<QString, QRectF>> boxes;
    for (const Label& l : labels) {
        const QPointF c = pass.corner(l.x, l.y, l.z);
        const QString text = rangeText(l.value);
        const double width = metrics.horizontalAdvance(text) + 2;
        // Right of its corner, or left of it where the picture ends.
        double x = c.x() + 3;
        if (x + width > pass.client.width()) x = std::max(0.0, c.x() - 3 - width);
        boxes.emplace_back(text, QRectF(x, l.above ? c.y() - h - 1 : c.y() + 1, width, h));
    }
    return boxes;
}

void Plot3DRenderer::drawBox(Pass& pass) {
    QPainter& painter = pass.painter;
    const PlotRegion& r = pass.job.region;
    const double xs[2] = {r.xmin, r.xmax}, ys[2] = {r.ymin, r.ymax}, zs[2] = {pass.zmin, pass.zmax};
    painter.setPen(QPen(pass.text, 1));
    painter.setBrush(Qt::NoBrush);
    // The twelve edges: every pair of corners that differs in one coordinate.
    for (int a = 0; a < 8; ++a)
        for (int bit = 1; bit < 8; bit <<= 1) {
            const int b = a | bit;
            if (b == a) continue;
            painter.drawLine(pass.corner(xs[a & 1], ys[(a >> 1) & 1], zs[a >> 2]),
                             pass.corner(xs[b & 1], ys[(b >> 1) & 1], zs[b >> 2]));
        }
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const auto& [text, box] : labelBoxes(pass, metrics))
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.setPen(pass.fore);
    painter.drawText(QRectF(0, 0, pass.client.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdWString(pass.job.functions.current));
}

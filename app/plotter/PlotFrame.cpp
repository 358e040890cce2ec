#include "PlotFrame.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "PlotColours.h"

namespace {
constexpr int GRID_OVERHANG = 10; // the background and grid reach 10 pixels below the client area
constexpr double FAR = 1.0e7;     // beyond this a pixel coordinate is only "far off"

double farClamped(double v) {
    if (std::isnan(v)) return v;
    return std::clamp(std::trunc(v), -FAR, FAR);
}

QString format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return QString::fromLatin1(text);
}
} // namespace

// One axis's labels: the x labels run along columns, the y labels along rows.
struct PlotFrame::Axis {
    bool horizontal;
    int count;  // W or H
    double min; // scaled
    double max;
    double step;  // units per pixel
    int origin;   // where the scan starts (the other axis), -1: the whole range
    int crossing; // the row (x labels) or column (y labels) the labels sit at
    bool inPi;
    bool inE;
    double value(int c) const { return horizontal ? min + c * step : max - c * step; }
};

PlotFrame::PlotFrame(const QSize& client, const PlotRegion& region, AxisUnits units)
    : m_r(region), m_units(units), m_w(std::max(1, client.width())), m_h(std::max(1, client.height())) {
    if (units.xPi) m_r.xmin *= HALF_PI, m_r.xmax *= HALF_PI;
    if (units.yPi) m_r.ymin *= HALF_PI, m_r.ymax *= HALF_PI;
    if (units.xE) m_r.xmin *= HALF_E, m_r.xmax *= HALF_E;
    if (units.yE) m_r.ymin *= HALF_E, m_r.ymax *= HALF_E;
    m_xstep = (m_r.xmax - m_r.xmin) / m_w;
    m_ystep = (m_r.ymax - m_r.ymin) / m_h;
}

double PlotFrame::rowOf(double y) const {
    return farClamped(m_h - (y - m_r.ymin) * m_h / (m_r.ymax - m_r.ymin));
}

double PlotFrame::columnOf(double x) const {
    return farClamped((x - m_r.xmin) * m_w / (m_r.xmax - m_r.xmin));
}

void PlotFrame::drawAxes(QPainter& painter, const QFont& font, const QColor& background) const {
    painter.save();
    painter.setFont(font);
    painter.fillRect(QRect(0, 0, m_w, m_h + GRID_OVERHANG), background);
    const int h = QFontMetrics(font, painter.device()).height();
    int y0 = static_cast<int>(farClamped(m_h - (-m_r.ymin * m_h) / (m_r.ymax - m_r.ymin)));
    int x0 = static_cast<int>(farClamped(-m_r.xmin * m_w / (m_r.xmax - m_r.xmin)));
    const bool xAxis = y0 >= 1 && y0 < m_h;
    const bool yAxis = x0 >= 1 && x0 < m_w;
    painter.setPen(QPen(Qt::black, 1));
    if (xAxis) {
        painter.drawLine(0, y0, m_w, y0);
        // Right-aligned, so that a font wider than the 20 pixels keeps the label inside.
        PlotDraw::opaqueText(painter, QRect(m_w - 20, y0 - h, 20, h), Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("x/n"), Qt::black, background);
    } else {
        y0 = m_h - h - 10;
    }
    if (yAxis) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(x0, 0, x0, m_h);
        PlotDraw::opaqueText(painter, QRect(x0 - 20, 0, 20, h), Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("y"), Qt::black, background);
    } else {
        x0 = 5;
    }
    drawLabels(painter,
               {true, m_w, m_r.xmin, m_r.xmax, m_xstep, yAxis ? x0 : -1, y0, m_units.xPi, m_units.xE},
               background, h);
    drawLabels(painter,
               {false, m_h, m_r.ymin, m_r.ymax, m_ystep, xAxis ? y0 : -1, x0, m_units.yPi, m_units.yE},
               background, h);
    painter.restore();
}

void PlotFrame::drawLabels(QPainter& painter, const Axis& a, const QColor& background, int h) const {
    const int spacing = (a.max > 100 || a.min < -100) ? 30 : 20;
    const bool plain = !a.inPi && !a.inE;
    const double half = (m_units.xPi || m_units.yPi ? 3.141592653589793 : 2.718281828459045) / 2.0;
    const bool whole = (m_r.xmax - m_r.xmin) >= 3 && (m_r.ymax - m_r.ymin) >= 3;
    int number = 0;

    auto label = [&](int c, const QString& text, const QString& below, double value, int halfWidth) {
        ++number;
        QRect box = a.horizontal ? QRect(c - halfWidth, a.crossing + 3, 2 * halfWidth, h)
                                 : QRect(a.crossing + 5, c - 10, 20, 20);
        const int tw = QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
        if (box.width() < tw)
            box = a.horizontal ? QRect(c - tw / 2, box.top(), tw, box.height())
                               : QRect(box.left(), box.top(), tw, box.height());
        if (a.horizontal && number % 2 == 0 && text.size() >= 4 && value != 0.0) box.translate(0, h + 2);
        painter.setPen(QPen(PlotColours::GRID, 1, Qt::DashLine));
        if (a.horizontal)
            painter.drawLine(c, 0, c, m_h + GRID_OVERHANG);
        else
            painter.drawLine(0, c, m_w, c);
        PlotDraw::opaqueText(painter, box, Qt::AlignCenter, text, Qt::black, background);
        if (!below.isEmpty())
            PlotDraw::opaqueText(painter, box.translated(0, h), Qt::AlignCenter, below, Qt::black,
                                 background);
    };
    auto plainText = [&](double v) { return whole ? format("%.0f", std::floor(v)) : format("%.3f", v); };

    if (plain && a.max - a.min <= 1) {
        for (int c : {a.count / 3, 2 * a.count / 3})
            label(c, plainText(a.value(c)), QString(), a.value(c), a.count / 3);
        return;
    }
    if (!plain && a.max - a.min <= half) return;

    auto scan = [&](int from, int to, int direction) {
        int counter = spacing + 1;
        double r2 = -1.0, r1 = -1.0; // r at the two columns before
        for (int c = from; direction > 0 ? c <= to : c >= to; c += direction, ++counter) {
            const double v = a.value(c);
            if (plain) {
                const double k = std::trunc(v);
                if (counter > spacing && v - a.step < k && k < v + a.step) {
                    counter = 0;
                    if (k != 0.0) label(c, plainText(k), QString(), k, 15);
                }
                continue;
            }
            const double r = std::fabs(std::fmod(v, half));
            if (r2 >= 0.0 && r2 > r1 && r1 < r && counter > spacing) {
                // The previous column is the one nearest a multiple of the half unit.
                const long k = std::lround(a.value(c - direction) / half);
                counter = 0;
                if (k != 0) {
                    const char* unit = a.inPi ? "pi" : "e";
                    QString text, below;
                    if (!a.horizontal)
                        text = QString::number(k);
                    else if (k % 2 == 0)
                        text = QString::number(k / 2) + QLatin1String(unit);
                    else
                        text = QString::number(k) + QLatin1String(unit), below = QStringLiteral("/2");
                    label(c - direction, text, below, static_cast<double>(k), 15);
                }
            }
            r2 = r1;
            r1 = r;
        }
    };
    if (a.origin >= 0) {
        scan(a.origin, a.count, 1);
        scan(a.origin, 1, -1);
    } else {
        scan(0, a.count, 1);
    }
}

namespace PlotDraw {
void opaqueText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                const QColor& background) {
    const QRect used = painter.boundingRect(rect, flags | Qt::TextSingleLine | Qt::TextDontClip, text);
    painter.fillRect(used, background);
    painter.setPen(colour);
    painter.drawText(used, flags | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void bottomBand(QPainter& painter, const QSize& client, const QString& text, const QColor& colour,
                const QColor& background) {
    const QRect band(0, client.height() - 15, client.width(), 15);
    if (background.isValid()) {
        opaqueText(painter, band, Qt::AlignHCenter | Qt::AlignBottom, text, colour, background);
        return;
    }
    painter.setPen(colour);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void clippedLine(QPainter& painter, QPointF a, QPointF b, const QSize& client) {
    // Liang-Barsky against the client area with a margin wider than any pen.
    const double margin = 16.0;
    const double xmin = -margin, ymin = -margin, xmax = client.width() + margin,
                 ymax = client.height() + margin;
    if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y())) return;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0.0, t1 = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - xmin, xmax - a.x(), a.y() - ymin, ymax - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return;
    }
    const QPointF from(a.x() + t0 * dx, a.y() + t0 * dy);
    const QPointF to(a.x() + t1 * dx, a.y() + t1 * dy);
    painter.drawLine(from, to);
}
} // namespace PlotDraw

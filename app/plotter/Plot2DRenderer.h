#pragma once
#include <QColor>
#include <QFont>
#include <vector>

#include "IPlotRenderer.h"
#include "PlotFrame.h"

// The 2D kind: axes, then every function of the set in set order, each
// with its colour and a legend line: f(x) and f(y) curves joined with the
// pole and gap rules, implicit curves f(x,y)=c=... by two grid scans, and
// f(t,x) families, one curve per t.
class Plot2DRenderer : public IPlotRenderer {
public:
    void paint(QPainter& painter, const QSize& client, const PlotJob& job, PlotContext& context) override;

    // Which axes count in pi/2 or e/2 units for this set.
    static AxisUnits axisUnits(const PlotJob& job);
    // The font of the axis labels and legends.
    static QFont plotFont(bool hiRes);

    // The samples of a curve as pixel coordinates along its value axis; NaN
    // marks a gap.
    using Samples = std::vector<double>;
    // Which segments of an f(x) or f(y) curve are drawn: segment i joins
    // sample i - 1 to sample i (segment 0 is the single first point). far is
    // the far edge of the value axis.
    static std::vector<bool> joinedSegments(const Samples& p, double far);

private:
    struct Pass;
    void explicitCurve(Pass& pass, const std::wstring& body, bool ofX, const QColor& colour, int index);
    void implicitCurve(Pass& pass, const std::wstring& text, const QColor& colour, int index);
    void family(Pass& pass, const std::wstring& text, int index);
    void legend(Pass& pass, const std::wstring& text, const QColor& colour, int line);
};

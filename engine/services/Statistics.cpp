// The statistics mode: statistic formulas over a list of values or of x/y
// pairs, and the linear and exponential regressions. Values arrive as one
// text, items separated by ";", each a number or any expression.
#include <cmath>
#include <string>
#include <vector>

#include "EngineError.h"
#include "EngineGuard.h"
#include "IExpressionHolder.h"
#include "NumberText.h"
#include "OrvantaCalcBase.h"

namespace {
// The items of a value text; an empty item after the last ";" is no item.
std::vector<std::wstring> splitItems(const std::wstring& values) {
    std::vector<std::wstring> items;
    std::size_t start = 0;
    for (std::size_t end = values.find(L';'); end != std::wstring::npos; end = values.find(L';', start)) {
        items.push_back(values.substr(start, end - start));
        start = end + 1;
    }
    if (start < values.size()) items.push_back(values.substr(start));
    return items;
}

// Sums and quality figures of a least-squares line through (x, y).
struct LineFit {
    double slope = 0.0;
    double intercept = 0.0;
    double r = 0.0;   // correlation coefficient
    double cov = 0.0; // population covariance
    double r2 = 0.0;  // coefficient of determination
};

LineFit fitLine(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const double mx = sx / n;
    const double my = sy / n;
    double qxx = 0.0, qyy = 0.0, qxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        qxx += (x[i] - mx) * (x[i] - mx);
        qyy += (y[i] - my) * (y[i] - my);
        qxy += (x[i] - mx) * (y[i] - my);
    }

    LineFit fit;
    const double denominator = n * sxx - sx * sx;
    fit.slope = (n * sxy - sy * sx) / denominator;
    fit.intercept = (sy * sxx - sx * sxy) / denominator;
    const double root = std::sqrt(qxx * qyy);
    fit.r = root == 0.0 ? 0.0 : qxy / root;
    fit.cov = qxy / n;
    double explained = 0.0;
    for (double v : x) {
        const double d = fit.slope * v + fit.intercept - my;
        explained += d * d;
    }
    fit.r2 = qyy == 0.0 ? 0.0 : explained / qyy;
    return fit;
}

std::wstring numberText(double v) {
    std::wstring text;
    IExpression::value2String(v, text, 0, 8, true);
    return text;
}

// A number literal, read directly. The number test alone also passes texts
// that a direct reading would get wrong ("1+2" would read as 1, "" and "-" as
// 0); those are evaluated instead, and fail if they are no value at all.
bool isPlainNumber(const std::wstring& item) {
    return IExpression::isNumber(item) && item.find_first_of(L"+-", 1) == std::wstring::npos &&
           item.find_first_of(L"0123456789") != std::wstring::npos;
}

std::wstring qualityText(double r2, double cov, double r) {
    return L"R\u00B2=" + NumberText::format("%.5f", r2) + L"; cov=" + NumberText::format("%.5f", cov) +
           L"; r=" + NumberText::format("%.5f", r);
}
} // namespace

bool OrvantaCalcBase::calculateStatisticX(std::wstring& formula, std::wstring& result, std::wstring& values) {
    return guarded<Guard::Reporting>([&] {
        IExpressionHolder tree(IExpression::parseExpression(formula, true));
        std::vector<double> data = readStatisticValues(values);
        std::wstring text;
        IExpression::value2String(tree.calculateStatistic(data), text, 10);
        result = text;
    });
}

// The values pair up as x1;y1;x2;y2;...
bool OrvantaCalcBase::calculateStatisticXY(std::wstring& formula, std::wstring& result,
                                           std::wstring& values) {
    return guarded<Guard::Reporting>([&] {
        IExpressionHolder tree(IExpression::parseExpression(formula, false));
        std::vector<double> data = readStatisticValues(values);
        std::wstring text;
        IExpression::value2String(tree.calculateStatisticXY(data), text, 10);
        result = text;
    });
}

std::vector<double> OrvantaCalcBase::readStatisticValues(const std::wstring& values) {
    std::vector<double> list;
    for (std::wstring& item : splitItems(values)) {
        double v = 0.0;
        if (!calculateNormal(item, v)) raiseEngineError(ErrorCode::INVALID_ELEMENTS);
        list.push_back(v);
    }
    return list;
}

bool OrvantaCalcBase::calculateStatisticRegression(CalculatorModes::REGRESSIONTYPE type,
                                                   std::wstring& /*reserved*/, std::wstring& fitted,
                                                   std::wstring& quality, std::wstring& values) {
    return guarded<Guard::Reporting>([&] {
        if (values.empty() || values.back() != L';') values += L';';
        std::vector<double> x;
        std::vector<double> y;
        bool toX = true;
        std::size_t start = 0;
        for (std::size_t end = values.find(L';'); end != std::wstring::npos; end = values.find(L';', start)) {
            std::wstring item = values.substr(start, end - start);
            start = end + 1;
            double v = 0.0;
            if (isPlainNumber(item)) {
                v = NumberText::toDouble(item);
            } else if (!calculateNormal(item, v)) {
                raiseEngineError(ErrorCode::INVALID_ELEMENTS);
            }
            (toX ? x : y).push_back(v);
            toX = !toX;
        }
        if (x.size() != y.size()) raiseEngineError(ErrorCode::INVALID_ELEMENTS);

        switch (type) {
        case CalculatorModes::REG_LINEAR: {
            const LineFit fit = fitLine(x, y);
            fitted = numberText(fit.slope) + L"*x" + (fit.intercept > 0.0 ? L"+" : L"") +
                     (fit.intercept != 0.0 ? numberText(fit.intercept) : L"");
            quality = qualityText(fit.r2, fit.cov, fit.r);
            break;
        }
        case CalculatorModes::REG_EXPONENTIAL: {
            // y = a*e^(b*x) is the line ln(s*y) = ln(s*a) + b*x, with the sign
            // s that makes every y positive; mixed signs have no such line.
            bool anyNegative = false;
            for (double v : y)
                anyNegative = anyNegative || v < 0.0;
            const double sign = anyNegative ? -1.0 : 1.0;
            for (double& v : y) {
                if (sign * v < 0.0) raiseEngineError(ErrorCode::REGRESSION_TYPE);
                v = std::log(sign * v);
            }
            const LineFit fit = fitLine(x, y);
            fitted = numberText(sign * std::exp(fit.intercept)) + L"*e^(" + numberText(fit.slope) + L"*x)";
            quality = qualityText(fit.r2, fit.cov, fit.r);
            break;
        }
        default:
            quality = qualityText(0.0, 0.0, 0.0);
            break;
        }
    });
}

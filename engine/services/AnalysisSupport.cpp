#include "AnalysisSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "EngineError.h"
#include "ExpressionText.h"
#include "OrvantaCalcBase.h"
#include "PolynomTerm.h"

namespace analysis {

bool walkIsBounded(double from, double to, double h, std::size_t maxSamples) {
    if (!isValid(from) || !isValid(to) || !isValid(h) || h <= 0.0) return false;
    if (to <= from) return true; // at most the first position
    if ((to - from) / h >= static_cast<double>(maxSamples)) return false;
    // Where the numbers are largest the spacing of doubles is widest: a step
    // of at least that spacing moves every position of the range. A smaller
    // one may round back to where it was (1E16 + 1 is 1E16) at some
    // positions even when it moves others.
    const double widest = std::max(std::fabs(from), std::fabs(to));
    return h >= std::nextafter(widest, HUGE_VAL) - widest;
}

bool walkRefused(double from, double to, double step, std::size_t maxSamples) {
    if (walkIsBounded(from, to, step, maxSamples)) return false;
    refuse(!isValid(from) ? MessageId::FROM_INVALID
           : !isValid(to) ? MessageId::TO_INVALID
                          : MessageId::STEP_INVALID);
    return true;
}

void parseInto(IExpressionHolder& holder, const std::wstring& text) {
    holder.setExpression(IExpression::parseExpression(text, true));
}

bool derivativeText(IExpressionHolder& f, bool required, std::wstring& text) {
    text.clear();
    try {
        text = f.derivate();
    } catch (const EngineError& error) {
        if (required || error.code() != ErrorCode::CANNOT_DERIVE) throw;
        return false;
    }
    if (text.empty() || text.find(L"invalid") != std::wstring::npos) {
        if (required) raiseEngineError(ErrorCode::CANNOT_DERIVE);
        return false;
    }
    return true;
}

bool parseDerivative(IExpressionHolder& f, IExpressionHolder& into, bool required) {
    into.setExpression(nullptr);
    std::wstring text;
    if (!derivativeText(f, required, text)) return false;
    parseInto(into, text);
    return true;
}

void simplifyPasses(IExpressionHolder& holder, std::wstring& text, int passes) {
    for (int i = 0; i < passes; ++i) {
        parseInto(holder, text);
        text = holder.toSimplifiedString();
    }
}

std::wstring fixedText(double value, int decimals) {
    std::wstring text;
    IExpression::value2String(value, text, decimals);
    return text;
}

std::wstring displayText(double value, bool autoExponent) {
    std::wstring text;
    IExpression::value2String(value, text, 0, 8, autoExponent);
    return text;
}

std::wstring rangeText(const char* format, double from, double to) {
    const int size = std::snprintf(nullptr, 0, format, from, to);
    if (size <= 0) return std::wstring();
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, from, to);
    return std::wstring(buffer.begin(), buffer.begin() + size);
}

bool refuse(unsigned int id) {
    OrvantaCalcBase::setLastError(OrvantaCalcBase::loadString(id));
    return false;
}

void dropSuffix(std::wstring& text, const std::wstring& tail) {
    if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
        text.resize(text.size() - tail.size());
}

} // namespace analysis

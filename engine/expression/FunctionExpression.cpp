#include "FunctionExpression.h"

#include <cmath>
#include <string_view>

#include "RealParser.h"
#include "TextRewrite.h"

namespace {
// Circular functions take their argument in the angle unit; a constant
// argument is converted once, when the call is parsed.
bool isCircular(std::wstring_view name) {
    for (std::wstring_view hyperbolic : {L"sinh", L"cosh", L"tanh", L"coth"})
        if (name.starts_with(hyperbolic)) return false;
    for (std::wstring_view circular : {L"sin", L"cos", L"tan", L"cot"})
        if (name.starts_with(circular)) return true;
    return false;
}

// Index of the first comma outside parentheses, so that a call may stand in
// an argument ("sin(mod(7,3))", "mod(mod(7,3),2)").
std::size_t topLevelComma(std::wstring_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'(')
            ++depth;
        else if (text[i] == L')')
            --depth;
        else if (text[i] == L',' && depth == 0)
            return i;
    }
    return std::wstring_view::npos;
}

// The gcd closes the block of scientific names but is computed like them.
bool isStatisticName(const std::wstring& name) {
    if (name == L"gcd") return false;
    for (int i = IExpression::s_statistic_functions_pos; i < IExpression::s_functions_len; ++i)
        if (name == IExpression::s_functions[i].name) return true;
    return false;
}

bool isScientificName(const std::wstring& name) {
    for (int i = 0; i < IExpression::s_statistic_functions_pos; ++i)
        if (name == IExpression::s_functions[i].name) return true;
    return false;
}
} // namespace

FunctionExpression::FunctionExpression(std::wstring text) {
    const std::size_t open = text.find(L'(');
    if (open == std::wstring::npos) raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::size_t close =
        static_cast<std::size_t>(findCorrespondingParenthesis(text, static_cast<int>(open)));
    if (close != text.size() - 1) raiseEngineError(ErrorCode::INVALID_INPUT);

    std::wstring argument = text.substr(open + 1, close - open - 1);
    if (!argument.empty() && argument.front() == L'(' && argument.find(L')') == argument.size() - 1)
        argument = argument.substr(1, argument.size() - 2);
    m_name = text.substr(0, open);
    TextRewrite::release(text);

    m_parameters = countFunctionParameters(m_name);
    m_kind = isScientificName(m_name)  ? Kind::Scientific
             : isStatisticName(m_name) ? Kind::Statistic
                                       : Kind::Other;
    m_containsX = argument.find(L'x') != std::wstring::npos;
    m_containsY = argument.find(L'y') != std::wstring::npos;
    // The cache is keyed by the one variable the argument depends on.
    if (m_containsX != m_containsY) m_cacheKey = m_containsX ? CacheKey::X : CacheKey::Y;
    const bool twoArguments = topLevelComma(argument) != std::wstring::npos;

    switch (m_parameters) {
    case 0:
        if (!argument.empty()) raiseEngineError(ErrorCode::INVALID_INPUT);
        m_argument.setExpression(RealParser::parse(std::wstring()));
        m_function1 = resolveFunction(m_name);
        break;
    case 1:
        if (argument.empty() || twoArguments) raiseEngineError(ErrorCode::INVALID_INPUT);
        parseOneArgument(std::move(argument));
        m_function1 = resolveFunction(m_name);
        break;
    case 2:
        if (argument.empty() || !twoArguments) raiseEngineError(ErrorCode::INVALID_INPUT);
        parseTwoArguments(argument);
        m_function2 = resolveFunction2(m_name);
        break;
    default:
        raiseEngineError(ErrorCode::INVALID_INPUT);
    }
}

void FunctionExpression::parseOneArgument(std::wstring argument) {
    const bool constantAngle = isCircular(m_name) && (isNumber(argument) || isNumberExpression(argument));
    m_argument.setExpression(RealParser::parse(std::move(argument)));
    if (!constantAngle) return;
    std::wstring radians;
    value2String(input2rad(m_argument.calculateConst()), radians, 10);
    m_argument.setExpression(RealParser::parse(std::move(radians)));
}

void FunctionExpression::parseTwoArguments(const std::wstring& argument) {
    const std::size_t comma = topLevelComma(argument);
    if (comma == 0 || comma == argument.size() - 1) raiseEngineError(ErrorCode::INVALID_INPUT);
    m_argument.setExpression(RealParser::parse(argument.substr(0, comma)));
    m_second.setExpression(RealParser::parse(argument.substr(comma + 1)));
}

double FunctionExpression::calculate(double x, double y) {
    if (m_program) return m_program->run(x, y);
    if (m_parameters == 2) {
        const double a = m_argument.calculate(x, y);
        if (!std::isfinite(a)) return a;
        return m_function2(a, m_second.calculate(x, y));
    }
    double cached = 0.0;
    if (cachedResult(x, y, cached)) return cached;
    return applyOne(m_argument.calculate(x, y), x, y);
}

double FunctionExpression::calculateConst() {
    if (m_parameters == 2) return m_function2(m_argument.calculateConst(), m_second.calculateConst());
    // Computed once: "rand" keeps its first value within one tree.
    if (!m_hasConst) {
        m_constResult = m_function1(m_argument.calculateConst());
        m_hasConst = true;
    }
    return m_constResult;
}

// Statistic names are computed over the data; every other function applies to
// its arguments' values over the same data, so that "sqr(varx())" works.
double FunctionExpression::calculateOverData(std::vector<double>& data, bool pairs) {
    auto argumentValue = [&](IExpressionHolder& holder) {
        return pairs ? holder.calculateStatisticXY(data) : holder.calculateStatistic(data);
    };
    if (m_kind == Kind::Statistic) {
        const double argument = m_parameters == 1 ? argumentValue(m_argument) : 0.0;
        return calculateStatisticFunction(m_name, data, pairs, argument);
    }
    if (m_parameters == 2) return m_function2(argumentValue(m_argument), argumentValue(m_second));
    return m_function1(argumentValue(m_argument));
}

double FunctionExpression::calculateStatistic(std::vector<double>& data) {
    return calculateOverData(data, false);
}

double FunctionExpression::calculateStatisticXY(std::vector<double>& data) {
    return calculateOverData(data, true);
}

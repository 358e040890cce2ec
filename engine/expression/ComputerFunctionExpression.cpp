#include "ComputerFunctionExpression.h"

#include "ComputerParser.h"

ComputerFunctionExpression::ComputerFunctionExpression(std::wstring_view s, int depth) {
    const std::size_t open = s.find(L'(');
    if (open == ComputerParser::npos) raiseEngineError(ErrorCode::INVALID_INPUT);
    // The call must end the text: "not(1)2" is no call.
    if (ComputerParser::closingParenthesis(s, open) != s.size() - 1)
        raiseEngineError(ErrorCode::INVALID_INPUT);
    m_name = s.substr(0, open);
    const std::wstring_view argument = s.substr(open + 1, s.size() - open - 2);

    // Only commas outside parentheses separate arguments, so calls nest:
    // "and(or(1,2),3)" and "not(and(1,2))".
    const std::vector<std::size_t> commas = ComputerParser::topLevelCommas(argument);
    if (countFunctionParameters(m_name) != 2) {
        if (!commas.empty()) raiseEngineError(ErrorCode::INVALID_INPUT);
        m_first = ComputerParser::parse(argument, depth + 1);
        return;
    }
    if (commas.size() != 1) raiseEngineError(ErrorCode::INVALID_INPUT);
    const std::wstring_view first = argument.substr(0, commas[0]);
    const std::wstring_view second = argument.substr(commas[0] + 1);
    if (first.empty() || second.empty()) raiseEngineError(ErrorCode::INVALID_INPUT);
    m_first = ComputerParser::parse(first, depth + 1);
    m_second = ComputerParser::parse(second, depth + 1);
}

std::uint64_t ComputerFunctionExpression::calculateComputer() {
    const std::uint64_t a = m_first.calculateComputer();
    if (m_second.isEmpty()) return calculateComputerFunction(m_name, a);
    return calculateComputerFunction(m_name, a, m_second.calculateComputer());
}

std::wstring ComputerFunctionExpression::toString(int mode) {
    std::wstring text = m_name + L"(" + m_first.toString(mode);
    if (!m_second.isEmpty()) text += L"," + m_second.toString(mode);
    return ComputerParser::withKlammer(*this, text + L")");
}

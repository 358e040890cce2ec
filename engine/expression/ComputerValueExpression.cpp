#include "ComputerValueExpression.h"

#include <utility>

#include "ComputerParser.h"

namespace {
std::uint64_t valueInInputBase(const std::wstring& token) {
    switch (IExpression::s_compmode) {
    case IExpression::COMP_BIN:
        return IExpression::getLongValueFromBin(token);
    case IExpression::COMP_OCT:
        return IExpression::getLongValueFromOct(token);
    case IExpression::COMP_DEC:
        return IExpression::getLongValueFromDec(token);
    case IExpression::COMP_HEX:
    default:
        return IExpression::getLongValueFromHex(token);
    }
}
} // namespace

ComputerValueExpression::ComputerValueExpression(std::wstring token) : m_token(std::move(token)) {
    if (m_token.empty()) raiseEngineError(ErrorCode::INVALID_INPUT);
    m_value = valueInInputBase(m_token);
}

std::wstring ComputerValueExpression::toString(int) {
    return ComputerParser::withKlammer(*this, m_token);
}

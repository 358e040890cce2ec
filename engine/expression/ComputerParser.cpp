#include "ComputerParser.h"

#include <array>

#include "ComputerFunctionExpression.h"
#include "ComputerOperatorExpression.h"
#include "ComputerValueExpression.h"

namespace {
// Deepest recursion the programmer parser accepts.
constexpr int kMaxDepth = 256;

// Operator characters from the weakest binding to the strongest: a text splits
// at the weakest level it contains.
constexpr std::array<std::wstring_view, 4> kLevels = {L"+-", L"%#", L"*/", L"^"};

// An operator right after one of these is part of a signed operand, not a split.
constexpr std::wstring_view kNoSplitAfter = L"*+-/";

// Index of the operator the text splits at, or npos: at parenthesis depth 0,
// above index 0, the rightmost character of the weakest level present (the
// rightmost wins, so operators of one level associate to the left).
std::size_t findSplit(std::wstring_view s) {
    std::array<std::size_t, kLevels.size()> rightmost;
    rightmost.fill(ComputerParser::npos);
    int depth = 0;
    for (std::size_t i = s.size(); i-- > 1;) {
        const wchar_t c = s[i];
        if (c == L')') {
            ++depth;
        } else if (c == L'(') {
            --depth;
        } else if (depth == 0 && kNoSplitAfter.find(s[i - 1]) == std::wstring_view::npos) {
            for (std::size_t level = 0; level < kLevels.size(); ++level) {
                if (rightmost[level] != ComputerParser::npos || kLevels[level].find(c) == std::wstring_view::npos)
                    continue;
                if (level == 0) return i; // nothing binds weaker: no need to scan further
                rightmost[level] = i;
            }
        }
    }
    for (std::size_t found : rightmost)
        if (found != ComputerParser::npos) return found;
    return ComputerParser::npos;
}
} // namespace

IExpression* ComputerParser::parse(std::wstring_view s, int depth) {
    if (depth > kMaxDepth) raiseEngineError(ErrorCode::INVALID_INPUT);

    const std::size_t split = findSplit(s);
    if (split != npos) return new ComputerOperatorExpression(s.substr(0, split), s.substr(split + 1), s[split], depth);

    const std::size_t open = s.find(L'(');
    if (open == npos) return new ComputerValueExpression(std::wstring(s));
    if (open == 0 && closingParenthesis(s, 0) == s.size() - 1) {
        IExpression* inner = parse(s.substr(1, s.size() - 2), depth + 1);
        inner->setKlammer();
        return inner;
    }
    if (IExpression::isComputerFunction(std::wstring(s))) return new ComputerFunctionExpression(s, depth);
    raiseEngineError(ErrorCode::INVALID_INPUT);
}

std::size_t ComputerParser::closingParenthesis(std::wstring_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == L'(') {
            ++depth;
        } else if (text[i] == L')') {
            if (--depth == 0) return i;
        }
    }
    return npos;
}

std::vector<std::size_t> ComputerParser::topLevelCommas(std::wstring_view text) {
    std::vector<std::size_t> commas;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'(')
            ++depth;
        else if (text[i] == L')')
            --depth;
        else if (text[i] == L',' && depth == 0)
            commas.push_back(i);
    }
    return commas;
}

std::wstring ComputerParser::withKlammer(const IExpression& node, std::wstring text) {
    return node.getKlammer() ? L"(" + text + L")" : text;
}

IExpression* IExpression::parseComputerExpression(const std::wstring& text) { return ComputerParser::parse(text, 0); }

#include "ComputerParser.h"

#include <algorithm>
#include <array>

#include "ComputerFunctionExpression.h"
#include "ComputerOperatorExpression.h"
#include "ComputerValueExpression.h"

namespace {
// Deepest recursion the programmer parser accepts.
constexpr int kMaxDepth = 256;

// Binding level of an operator character, from the weakest (0: "+", "-") over
// "%", "#" and "*", "/" to the strongest (3: "^"); -1 for any other character.
// A text splits at the weakest level it contains.
constexpr int kLevelCount = 4;
int levelOf(wchar_t c) {
    switch (c) {
    case L'+':
    case L'-':
        return 0;
    case L'%':
    case L'#':
        return 1;
    case L'*':
    case L'/':
        return 2;
    case L'^':
        return 3;
    default:
        return -1;
    }
}

// An operator right after one of these is part of a signed operand, not a split.
bool noSplitAfter(wchar_t c) {
    return c == L'*' || c == L'+' || c == L'-' || c == L'/';
}

// Index of the operator the text splits at, or npos: at parenthesis depth 0,
// above index 0, the rightmost character of the weakest level present (the
// rightmost wins, so operators of one level associate to the left).
std::size_t findSplit(std::wstring_view s) {
    std::array<std::size_t, kLevelCount> rightmost;
    rightmost.fill(ComputerParser::npos);
    int depth = 0;
    for (std::size_t i = s.size(); i-- > 1;) {
        const wchar_t c = s[i];
        if (c == L')') {
            ++depth;
        } else if (c == L'(') {
            --depth;
        } else if (depth == 0) {
            const int level = levelOf(c);
            if (level < 0 || rightmost[level] != ComputerParser::npos || noSplitAfter(s[i - 1])) continue;
            if (level == 0) return i; // nothing binds weaker: no need to scan further
            rightmost[level] = i;
        }
    }
    for (std::size_t found : rightmost)
        if (found != ComputerParser::npos) return found;
    return ComputerParser::npos;
}

// Deepest count of open parentheses, read from left to right.
int nesting(std::wstring_view s) {
    int depth = 0;
    int deepest = 0;
    for (wchar_t c : s) {
        if (c == L'(')
            deepest = std::max(deepest, ++depth);
        else if (c == L')')
            --depth;
    }
    return deepest;
}
} // namespace

IExpression* ComputerParser::parse(std::wstring_view s, int depth) {
    if (depth > kMaxDepth) raiseEngineError(ErrorCode::INVALID_INPUT);

    const std::size_t split = findSplit(s);
    if (split != npos)
        return new ComputerOperatorExpression(s.substr(0, split), s.substr(split + 1), s[split], depth);

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

IExpression* IExpression::parseComputerExpression(const std::wstring& text) {
    // Every pair of parentheses costs the parser at least one level, so text
    // nested deeper than the limit is refused before any level is parsed.
    if (nesting(text) > kMaxDepth) raiseEngineError(ErrorCode::INVALID_INPUT);
    return ComputerParser::parse(text, 0);
}

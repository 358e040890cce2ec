#pragma once
// Builds simplifier terms from formula text for the term tests, splitting the
// text the way the expression parser does (rightmost "+"/"-", then "*"/"/",
// then "^", parentheses, calls) and combining the parts with the term
// operations. Keeps the term tests independent of the parser.
#include <cwchar>
#include <memory>
#include <stdexcept>
#include <string>

#include "PolynomTerm.h"

namespace polynom_test {

// For failure messages: the test formulas are plain ASCII.
inline std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

inline int splitIndex(const std::wstring& s, const wchar_t* ops, const wchar_t* excluded) {
    int depth = 0;
    for (int i = static_cast<int>(s.size()) - 1; i > 0; --i) {
        const wchar_t c = s[static_cast<std::size_t>(i)];
        if (c == L')')
            ++depth;
        else if (c == L'(')
            --depth;
        else if (depth == 0 && std::wcschr(ops, c) &&
                 !std::wcschr(excluded, s[static_cast<std::size_t>(i) - 1]))
            return i;
    }
    return -1;
}

inline std::size_t closing(const std::wstring& s, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (s[i] == L'(') ++depth;
        if (s[i] == L')' && --depth == 0) return i;
    }
    throw std::invalid_argument("unbalanced test formula");
}

inline std::unique_ptr<PolynomTerm> build(const std::wstring& s) {
    static const wchar_t* const ops[] = {L"+-", L"*/", L"^"};
    static const wchar_t* const excluded[] = {L"*+-/^", L"*+-/^", L"*/-+"};
    for (int level = 0; level < 3; ++level) {
        const int i = splitIndex(s, ops[level], excluded[level]);
        if (i > 0)
            return PolynomTerm::combine(build(s.substr(0, static_cast<std::size_t>(i))),
                                        build(s.substr(static_cast<std::size_t>(i) + 1)),
                                        s[static_cast<std::size_t>(i)]);
    }
    const std::size_t open = s.find(L'(');
    if (open == std::wstring::npos) return PolynomTerm::fromToken(s);
    const std::size_t close = closing(s, open);
    const std::wstring inner = s.substr(open + 1, close - open - 1);
    if (open == 0) return build(inner);
    auto term = build(inner);
    term->applyFunction(s.substr(0, open));
    return term;
}

} // namespace polynom_test

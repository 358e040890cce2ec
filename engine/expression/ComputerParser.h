#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "IExpression.h"

// Splits programmer-mode text into a tree of the programmer family. Every
// recursive step carries its depth, and text past the depth limit is refused,
// so neither deep nesting nor long operator chains can exhaust the stack while
// a tree is parsed, evaluated or destroyed; each depth scans its text once, so
// the work stays within the text length times the depth.
class ComputerParser {
public:
    static constexpr std::size_t npos = std::wstring_view::npos;

    // New tree for text found at the given recursion depth, owned by the caller.
    static IExpression* parse(std::wstring_view text, int depth);

    // Index of the ")" that closes the "(" at open, or npos when it is never closed.
    static std::size_t closingParenthesis(std::wstring_view text, std::size_t open);

    // Indices of the "," that stand outside every pair of parentheses.
    static std::vector<std::size_t> topLevelCommas(std::wstring_view text);

    // The text of a node, wrapped in the parentheses it stood in.
    static std::wstring withKlammer(const IExpression& node, std::wstring text);
};

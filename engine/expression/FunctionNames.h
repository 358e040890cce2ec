#pragma once
#include <cstddef>
#include <string_view>

// Look-ups in the function vocabulary (IExpression::s_functions) for the
// parser and the pre-translation, which scan whole formulas: each answer
// takes one pass over the text instead of one search per name.
namespace FunctionNames {
// True if one of the names begins at pos.
bool startsAt(std::wstring_view text, std::size_t pos);

// True if the text contains one of the names anywhere; the same answer as
// IExpression::isFunction.
bool containedIn(std::wstring_view text);
} // namespace FunctionNames

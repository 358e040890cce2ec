#pragma once
#include <string>

class IExpression;

// The splitting parser of the real family, for the node constructors: it
// takes the text over, so that a long formula is not copied once per level.
namespace RealParser {
// Parses an operand text (user constants and user functions are expanded
// again, the other pre-translation is not) into a new tree that the caller owns.
IExpression* parse(std::wstring text);
} // namespace RealParser

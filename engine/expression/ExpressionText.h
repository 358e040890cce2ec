#pragma once
#include <string>

#include "IExpression.h"

// Text shaping shared by the writers of trees and of simplified terms: the
// fewest-parentheses rule for a binary operator, the cosmetic rewrite tables
// that tidy simplified output, and the small text helpers they need.
class ExpressionText {
public:
    // Plain replacements that make simplified output read like hand-written
    // input ("2*x" -> "2x", "-1*x" -> "-x", ...), applied in table order.
    static const RewritePair s_easy_functions_x[];
    static const int s_easy_functions_x_size;
    // Patterns whose "#" stands for the argument of a function call; they drop
    // the parentheses that a coefficient or an exponent put around the call.
    static const RewritePair s_easy_expressions_x[];
    static const int s_easy_expressions_x_size;

    // Joins two operand texts with op. leftOperator and rightOperator are the
    // operator characters of the operands, or a blank for a value or function.
    static std::wstring joinOperands(wchar_t op, const std::wstring& left, wchar_t leftOperator,
                                     const std::wstring& right, wchar_t rightOperator);

    // The operator the parser would split text at first ('+' for "+" and "-",
    // '*', '/', '^'), or a blank when the text is a single operand.
    static wchar_t topLevelOperator(const std::wstring& text);

    // Applies both cosmetic tables, in order, to a simplified text.
    static void applyEasyTables(std::wstring& text);

    // Replaces every occurrence of pattern, left to right, without overlaps,
    // except occurrences directly after one of the characters of notAfter.
    // Returns whether anything was replaced.
    static bool replaceAll(std::wstring& text, const std::wstring& pattern, const std::wstring& replacement,
                           const wchar_t* notAfter = nullptr);

    // Index of the ")" closing the "(" at open, or -1 when the text ends first.
    static int closingParenthesis(const std::wstring& text, int open);

    // True for the circular functions, whose constant arguments the parser
    // converts from the angle unit to radians once.
    static bool isCircularName(const std::wstring& name);
    // A constant angle that the parser converted to radians, back in the
    // angle unit, so that writing and parsing it again gives the same angle.
    static double angleAsWritten(double radians);

    // A number written with 10 decimals, trailing zeros and point removed.
    static std::wstring numberText(double value);
    // A number written as "%f" writes it: six decimals, "." as the point.
    static std::wstring sixDecimals(double value);
};

#pragma once
#include <string>

// The derivative texts of the real-number nodes with respect to x. Function
// rules come from the second column of IExpression::s_functions; operators
// use the product, quotient and power rules below. The texts are verbose by
// design: the simplifier tidies them.
class Derivation {
public:
    // What a binary operator node knows about its operands.
    struct Operands {
        std::wstring left;            // U, the left operand's text
        std::wstring right;           // V, the right operand's text
        std::wstring leftDerivative;  // du
        std::wstring rightDerivative; // dv
        bool leftContainsX = false;
        bool rightContainsX = false;
        bool leftIsOperator = false;
    };

    // The text every operator node writes when a factorial, a binomial or a
    // sum makes it impossible to derive.
    static const wchar_t* const s_invalid;

    // True when an operator node's text names something without a derivative.
    static bool isUnderivable(const std::wstring& text);
    // The derivative of "U op V"; "0" rather than an empty text.
    static std::wstring ofOperator(wchar_t op, const Operands& operands);
    // The derivative rule of a function name (exact match), or null when the
    // name has no rule.
    static const wchar_t* ruleFor(const std::wstring& name);
    // The rule with ":" replaced by the argument's derivative and ";" by the
    // argument's text.
    static std::wstring applyRule(const std::wstring& rule, const std::wstring& derivative,
                                  const std::wstring& argument);
};

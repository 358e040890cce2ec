#pragma once
#include <string>
#include <vector>

#include "IExpression.h"

// A leaf: a number literal, a variable, or a token resolved at evaluation
// (a named constant, the factorial of a literal or variable, or anything
// unrecognised, which fails when evaluated).
class ValueExpression : public IExpression {
public:
    // Takes the token; every parenthesis in it is dropped.
    explicit ValueExpression(std::wstring token);

    bool isOperand() override { return true; }
    bool isConstant() override { return m_kind == Kind::Number; }
    double calculate(double x, double y) override;
    double calculateConst() override;
    double calculateStatistic(std::vector<double>&) override { return calculateConst(); }
    double calculateStatisticXY(std::vector<double>&) override { return calculateConst(); }
    bool containsX() override { return m_kind == Kind::X; }
    bool containsY() override { return m_kind == Kind::Y; }
    bool isValue() override { return true; }

    // Simplifier, derivation and text (NodeTerms.cpp, Derivation.cpp, ExpressionText.cpp).
    std::unique_ptr<PolynomTerm> toPolynom() override;
    std::wstring derivate() override;
    std::wstring toString(int mode) override;

    const std::wstring& getText() const { return m_text; }
    double getValue() const { return m_value; }

    // The token is classified once, so that evaluation does no text work.
    enum class Kind {
        X,
        Y,
        Number,
        Pi,
        E,
        FactorialX,
        FactorialY,
        FactorialNumber,
        FactorialInvalid,
        Unknown
    };
    Kind getKind() const { return m_kind; }

private:
    std::wstring m_text;
    double m_value = 0.0; // the number, or the operand of a literal factorial
    Kind m_kind = Kind::Unknown;
};

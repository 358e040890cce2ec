#pragma once
#include <memory>
#include <string>
#include <vector>

#include "EvaluationProgram.h"
#include "IExpression.h"
#include "IExpressionHolder.h"

// Two operands joined by "+", "-", "*", "/", "^", or one operand with "!"
// (its right operand is the number parsed from the empty text and is never
// evaluated).
class OperatorExpression : public IExpression {
public:
    // Parses both operand texts, without the pre-translation.
    OperatorExpression(std::wstring left, std::wstring right, wchar_t op);

    bool isOperand() override { return false; }
    bool isConstant() override;
    IExpression* getLeft() override { return m_left.getExpression(); }
    IExpression* getRight() override { return m_right.getExpression(); }
    double calculate(double x, double y) override;
    double calculateConst() override;
    double calculateStatistic(std::vector<double>& data) override;
    double calculateStatisticXY(std::vector<double>& data) override;
    bool containsX() override;
    bool containsY() override;
    bool isOperator() override { return true; }
    wchar_t getOperator() override { return m_operator; }

    // Simplifier, derivation, text and polynomial routines (NodeTerms.cpp,
    // Derivation.cpp, ExpressionText.cpp, PolynomialText.cpp).
    double getNumber() override;
    double getXHoch(int n) override;
    std::unique_ptr<PolynomTerm> toPolynom() override;
    std::wstring polynomdivision(IExpression* divisor) override;
    std::wstring derivate() override;
    std::wstring toString(int mode) override;

    // A root evaluates through its compiled program (see EvaluationProgram).
    void setProgram(std::unique_ptr<EvaluationProgram> program) { m_program = std::move(program); }
    const EvaluationProgram* getProgram() const { return m_program.get(); }

private:
    // squareByProduct: an exponent of exactly 2 is computed as a product.
    double combine(double left, double right, bool squareByProduct) const;

    wchar_t m_operator;
    IExpressionHolder m_left;
    IExpressionHolder m_right;
    std::unique_ptr<EvaluationProgram> m_program;
};

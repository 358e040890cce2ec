// The simplifier's terms of the real-number nodes: each node builds its term
// from its operands' terms, bottom-up.
#include "ExpressionText.h"
#include "FunctionExpression.h"
#include "OperatorExpression.h"
#include "PolynomTerm.h"
#include "ValueExpression.h"

std::unique_ptr<PolynomTerm> ValueExpression::toPolynom() {
    return PolynomTerm::fromToken(getText());
}

std::unique_ptr<PolynomTerm> FunctionExpression::toPolynom() {
    // Calls without an argument and calls with two stay as they are written:
    // a function term carries one argument only.
    if (getParameterCount() != 1) return PolynomTerm::fromToken(toString(0));
    IExpression* argument = getArgument();
    if (getName() == L"ln" && argument->toString(0) == L"e") return PolynomTerm::fromNumber(1.0);
    std::unique_ptr<PolynomTerm> term;
    // A constant angle goes back into the angle unit it was written in.
    if (ExpressionText::isCircularName(getName()) && argument->isValue() && argument->isConstant())
        term = PolynomTerm::fromNumber(ExpressionText::angleAsWritten(argument->calculateConst()));
    else
        term = argument->toPolynom();
    term->applyFunction(getName());
    return term;
}

std::unique_ptr<PolynomTerm> OperatorExpression::toPolynom() {
    // A factorial is no operation of the simplifier; it stays as written.
    if (m_operator == L'!') return PolynomTerm::fromToken(toString(0));
    std::unique_ptr<PolynomTerm> term =
        PolynomTerm::combine(getLeft()->toPolynom(), getRight()->toPolynom(), m_operator);
    return term ? std::move(term) : PolynomTerm::fromToken(toString(0));
}

#pragma once
#include <memory>

#include "IExpression.h"

// Owns at most one node. Assigning a node deletes the one held before; the
// holder forwards every virtual operation to its node. Operator and function
// nodes keep their operands in holders.
class IExpressionHolder {
public:
    IExpressionHolder() = default;
    explicit IExpressionHolder(IExpression* node) { setExpression(node); }
    IExpressionHolder(const IExpressionHolder&) = delete;
    IExpressionHolder& operator=(const IExpressionHolder&) = delete;
    ~IExpressionHolder() = default;

    // Takes ownership of node (which may be null).
    void setExpression(IExpression* node) {
        m_node.reset(node);
        if (node) node->setHolder(this);
    }
    IExpressionHolder& operator=(IExpression* node) {
        setExpression(node);
        return *this;
    }
    IExpression* getExpression() const { return m_node.get(); }
    // Hands the node back to the caller, who then owns it.
    IExpression* release() {
        IExpression* node = m_node.release();
        if (node) node->setHolder(nullptr);
        return node;
    }
    bool isEmpty() const { return !m_node; }

    bool isOperand() { return m_node->isOperand(); }
    bool isScientificCall() { return m_node->isScientificCall(); }
    bool isConstant() { return m_node->isConstant(); }
    IExpression* getLeft() { return m_node->getLeft(); }
    IExpression* getRight() { return m_node->getRight(); }
    double getNumber() { return m_node->getNumber(); }
    double getXHoch(int n) { return m_node->getXHoch(n); }
    double calculate(double x, double y) { return m_node->calculate(x, y); }
    double calculateConst() { return m_node->calculateConst(); }
    Complex calculateComplex(Complex z) { return m_node->calculateComplex(z); }
    Complex calculateComplexConst() { return m_node->calculateComplexConst(); }
    std::uint64_t calculateComputer() { return m_node->calculateComputer(); }
    std::unique_ptr<PolynomTerm> toPolynom();
    double calculateStatistic(std::vector<double>& data) { return m_node->calculateStatistic(data); }
    double calculateStatisticXY(std::vector<double>& data) { return m_node->calculateStatisticXY(data); }
    std::wstring polynomdivision(IExpression* divisor) { return m_node->polynomdivision(divisor); }
    std::wstring derivate() { return m_node->derivate(); }
    bool containsX() { return m_node->containsX(); }
    bool containsY() { return m_node->containsY(); }
    std::wstring toString(int mode) { return m_node->toString(mode); }
    bool isValue() { return m_node->isValue(); }
    bool isOperator() { return m_node->isOperator(); }
    wchar_t getOperator() { return m_node->getOperator(); }

    // The held tree simplified: its term's text, then the cosmetic tables.
    std::wstring toSimplifiedString();

private:
    std::unique_ptr<IExpression> m_node;
};

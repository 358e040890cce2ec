#include "IExpression.h"

#include "IExpressionHolder.h"
#include "PolynomTerm.h"

VEMTRA_THREAD_STATE double IExpression::s_lastresult = 0.0;
VEMTRA_THREAD_STATE bool IExpression::s_withex = false;
VEMTRA_THREAD_STATE CalculatorModes::MODE IExpression::s_mode = CalculatorModes::RAD;
OrvantaCalcBase* IExpression::s_calculator = nullptr;
VEMTRA_THREAD_STATE IExpression::COMPMODE IExpression::s_compmode = IExpression::COMP_HEX;

// Parsing, evaluating and destroying a tree recurse about once per level; this
// many levels leave the stack far from its end even under the sanitizers and
// on a worker thread, and cover every formula a user writes by hand.
const int IExpression::s_max_depth = 256;

// A node of one family asked for a value of another family is an internal error.
double IExpression::getXHoch(int) { return 0.0; }
double IExpression::calculate(double, double) { raiseEngineError(ErrorCode::INTERNAL); }
double IExpression::calculateConst() { raiseEngineError(ErrorCode::INTERNAL); }
Complex IExpression::calculateComplex(Complex) { raiseEngineError(ErrorCode::INTERNAL); }
Complex IExpression::calculateComplexConst() { raiseEngineError(ErrorCode::INTERNAL); }
std::uint64_t IExpression::calculateComputer() { raiseEngineError(ErrorCode::INTERNAL); }
std::unique_ptr<PolynomTerm> IExpression::toPolynom() { raiseEngineError(ErrorCode::INTERNAL); }
double IExpression::calculateStatistic(std::vector<double>&) { raiseEngineError(ErrorCode::INTERNAL); }
double IExpression::calculateStatisticXY(std::vector<double>&) { raiseEngineError(ErrorCode::INTERNAL); }
std::wstring IExpression::polynomdivision(IExpression*) { return std::wstring(); }
std::wstring IExpression::derivate() { raiseEngineError(ErrorCode::INTERNAL); }
std::wstring IExpression::toString(int) { return std::wstring(); }

std::unique_ptr<PolynomTerm> IExpressionHolder::toPolynom() { return m_node->toPolynom(); }

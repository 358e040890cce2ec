#pragma once

// Modes shared by the engine facade and the program.
namespace CalculatorModes {
enum MODE { DEG = 0, RAD = 1, GRAD = 2 };
enum COMPMODE { COMP_HEX = 0, COMP_BIN = 1, COMP_DEC = 2, COMP_OCT = 3 };
enum COMLEXRESULT { RECTANGULAR = 0, POLAR = 1 };
enum COMPUTERRESULT { RESULT_BIN = 0, RESULT_HEX = 1, RESULT_DEC = 2, RESULT_OCT = 3 };
// Fitted models: y = a*x + b and y = a*e^(b*x). This and the next enumeration
// are fixed to int, since callers may pass numbers outside their lists.
enum REGRESSIONTYPE : int { REG_LINEAR = 0, REG_EXPONENTIAL = 1 };
// Matrix operations; the numbers are what the matrix view passes.
enum MATRIXOPERATION : int {
    MAT_ADD = 0,
    MAT_SUB = 1,
    MAT_MUL = 2,
    MAT_TRANSPOSE = 3,
    MAT_DET = 4,
    MAT_INVERSE = 5,
    MAT_RANK = 6,
    MAT_GAUSS_ROWS = 7,
    MAT_GAUSS_ROWSCOLS = 8,
    MAT_GAUSS_NORMAL = 9,
    MAT_LINEAR_EQUATION = 10,
    MAT_CONJUGATE = 11,
    MAT_ADJUGATE = 12
};
// Rule of a definite integral: left and right rectangle sums with their mean,
// the trapezoid rule, or the composite Simpson rule. Any other value (the
// dialog hands over a plain number) integrates to 0.
enum INTEGRALTYPE : int { INT_RECTANGULAR = 0, INT_TRAPEZ = 1, INT_SIMPSON = 2 };
} // namespace CalculatorModes

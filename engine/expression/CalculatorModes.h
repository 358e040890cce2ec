#pragma once

// Modes shared by the engine facade and the program.
namespace CalculatorModes {
enum MODE { DEG = 0, RAD = 1, GRAD = 2 };
enum COMPMODE { COMP_HEX = 0, COMP_BIN = 1, COMP_DEC = 2, COMP_OCT = 3 };
enum COMLEXRESULT { RECTANGULAR = 0, POLAR = 1 };
enum COMPUTERRESULT { RESULT_BIN = 0, RESULT_HEX = 1, RESULT_DEC = 2, RESULT_OCT = 3 };
// Rule of a definite integral: left and right rectangle sums with their mean,
// the trapezoid rule, or the composite Simpson rule. Any other value (the
// dialog hands over a plain number) integrates to 0.
enum INTEGRALTYPE : int { INT_RECTANGULAR = 0, INT_TRAPEZ = 1, INT_SIMPSON = 2 };
} // namespace CalculatorModes

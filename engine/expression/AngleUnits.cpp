#include "IExpression.h"

double IExpression::input2rad(double value) {
    switch (s_mode) {
    case CalculatorModes::DEG: return value * 0.017453292519943295;
    case CalculatorModes::GRAD: return value * 0.015707963267948967;
    default: return value;
    }
}

double IExpression::rad2output(double value) {
    switch (s_mode) {
    case CalculatorModes::DEG: return value * 0.6366197723675814 * 90;
    case CalculatorModes::GRAD: return value * 0.6366197723675814 * 100;
    default: return value;
    }
}

#pragma once
#include "MessageIds.h"

// The engine's message ids under the names the equation solver, the
// function calculator and the value table use.
namespace AnalysisMessages {
// Value table.
inline constexpr unsigned FROM_MISSING = MessageId::FROM_MISSING; // "Error. From-value must be specified!"
inline constexpr unsigned FROM_INVALID = MessageId::FROM_INVALID; // "Error. From-value is not valid!"
inline constexpr unsigned TO_INVALID = MessageId::TO_INVALID;   // "Error. To-value is not valid!"
inline constexpr unsigned STEP_INVALID = MessageId::STEP_INVALID; // "Error. step-width is not valid!"
// Equation solver.
inline constexpr unsigned ENTER_EQUATION = MessageId::ENTER_EQUATION;   // "Please enter an equation!"
inline constexpr unsigned ENTER_PARAMETERS = MessageId::ENTER_PARAMETERS; // "Please enter the parameters!"
inline constexpr unsigned NOT_AN_EQUATION = MessageId::NOT_AN_EQUATION;  // "This is not an equation!"
inline constexpr unsigned TWO_UNKNOWNS = MessageId::SEVERAL_UNDEFINED;     // "More than one parameter is undefined!"
inline constexpr unsigned CANNOT_REPLACE = MessageId::CANNOT_REPLACE_PARAMETERS;   // "Could not replace parameters with values!"
inline constexpr unsigned NO_UNKNOWN = MessageId::NO_UNKNOWN_PARAMETER;       // "No unknown parameter found!"
inline constexpr unsigned SOLVER_RANGE = MessageId::SOLUTION_RANGE;
// Function calculator.
inline constexpr unsigned ZEROS_RANGE = MessageId::ZEROS_RANGE;
inline constexpr unsigned EXTREMA_RANGE = MessageId::EXTREMA_RANGE;
inline constexpr unsigned CALCULATING = MessageId::CALCULATING; // "calculating..."
inline constexpr unsigned SADDLE_RANGE = MessageId::SADDLE_RANGE;
inline constexpr unsigned DISCONTINUITIES_RANGE = MessageId::DISCONTINUITIES_RANGE;
// Names of the operations in the function calculator's list.
inline constexpr unsigned DERIVATE = MessageId::OP_DERIVATE_SYMBOLIC;
inline constexpr unsigned SIMPLIFY = MessageId::OP_SIMPLIFY_SYMBOLIC;
inline constexpr unsigned CALCULATE = MessageId::OP_CALCULATE_SYMBOLIC;
inline constexpr unsigned SOLVE = MessageId::OP_SOLVE;
inline constexpr unsigned DERIVATE_NUMERIC = MessageId::OP_DERIVATE_NUMERIC;
inline constexpr unsigned EXTREMA = MessageId::OP_EXTREMA;
inline constexpr unsigned SADDLE_POINTS = MessageId::OP_SADDLE_POINTS;
inline constexpr unsigned DISCONTINUITIES = MessageId::OP_DISCONTINUITIES;
inline constexpr unsigned VALUE_AT_ZERO = MessageId::OP_VALUE_AT_0;
inline constexpr unsigned VALUE_TABLE = MessageId::OP_VALUE_AT_X;
inline constexpr unsigned INTEGRAL = MessageId::OP_INTEGRAL;
inline constexpr unsigned POLYNOM_PARTS = MessageId::OP_POLYNOM_PARTS;
inline constexpr unsigned POLYNOM_DIVISION = MessageId::OP_POLYNOM_DIVISION;
} // namespace AnalysisMessages

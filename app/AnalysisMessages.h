#pragma once
// Message ids of the equation solver, the function calculator and the value
// table, named once here.
namespace AnalysisMessages {
// Value table.
inline constexpr unsigned FROM_MISSING = 40257; // "Error. From-value must be specified!"
inline constexpr unsigned FROM_INVALID = 40258; // "Error. From-value is not valid!"
inline constexpr unsigned TO_INVALID = 40259;   // "Error. To-value is not valid!"
inline constexpr unsigned STEP_INVALID = 40260; // "Error. step-width is not valid!"
// Equation solver.
inline constexpr unsigned ENTER_EQUATION = 40262;   // "Please enter an equation!"
inline constexpr unsigned ENTER_PARAMETERS = 40263; // "Please enter the parameters!"
inline constexpr unsigned NOT_AN_EQUATION = 40264;  // "This is not an equation!"
inline constexpr unsigned TWO_UNKNOWNS = 40265;     // "More than one parameter is undefined!"
inline constexpr unsigned CANNOT_REPLACE = 40266;   // "Could not replace parameters with values!"
inline constexpr unsigned NO_UNKNOWN = 40267;       // "No unknown parameter found!"
inline constexpr unsigned SOLVER_RANGE = 40273;
// Function calculator.
inline constexpr unsigned ZEROS_RANGE = 40275;
inline constexpr unsigned EXTREMA_RANGE = 40276;
inline constexpr unsigned CALCULATING = 40277; // "calculating..."
inline constexpr unsigned SADDLE_RANGE = 40278;
inline constexpr unsigned DISCONTINUITIES_RANGE = 40279;
// Names of the operations in the function calculator's list.
inline constexpr unsigned DERIVATE = 40291;
inline constexpr unsigned SIMPLIFY = 40292;
inline constexpr unsigned CALCULATE = 40293;
inline constexpr unsigned SOLVE = 40294;
inline constexpr unsigned DERIVATE_NUMERIC = 40295;
inline constexpr unsigned EXTREMA = 40296;
inline constexpr unsigned SADDLE_POINTS = 40297;
inline constexpr unsigned DISCONTINUITIES = 40298;
inline constexpr unsigned VALUE_AT_ZERO = 40299;
inline constexpr unsigned VALUE_TABLE = 40300;
inline constexpr unsigned INTEGRAL = 40301;
inline constexpr unsigned POLYNOM_PARTS = 40315;
inline constexpr unsigned POLYNOM_DIVISION = 40322;
} // namespace AnalysisMessages

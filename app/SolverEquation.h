#pragma once
#include <string>
#include <vector>

// The text work of the equation solver, apart from its grid: parameters put
// into the equation, the unknown turned into x, the names an equation uses,
// and the parameter lists as the stored equations keep them.
namespace SolverEquation {
struct Parameter {
    std::wstring name;
    std::wstring value; // empty: the unknown
};

// Puts every parameter with a value into equation as "(" value ")" and the
// one without a value as "x"; the unknown's name goes to unknown. Returns 0,
// or the id of the message that refuses the equation (not an equation, two
// unknowns, a name that cannot be replaced, no unknown); the equation is then
// left as it was.
unsigned prepare(std::wstring& equation, const std::vector<Parameter>& parameters, std::wstring& unknown);

// The names in equation that can be parameters, in order of first
// appearance: runs of letters that are not functions or constants of the
// engine, nor the exponent mark of a number.
std::vector<std::wstring> names(const std::wstring& equation);

// The parameters for the names of the equation: values already typed for a
// name that stays are kept.
std::vector<Parameter> withNames(const std::wstring& equation, const std::vector<Parameter>& current);

// 'a;b;c;' and 'a=3;b=4;' as stored, and back.
std::wstring nameList(const std::vector<Parameter>& parameters);
std::wstring valueList(const std::vector<Parameter>& parameters);
std::vector<Parameter> fromLists(const std::wstring& names, const std::wstring& values);
} // namespace SolverEquation

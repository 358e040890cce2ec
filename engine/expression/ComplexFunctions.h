#pragma once
#include <string>

#include "Complex.h"

// The complex functions by name. A function node resolves its name once, so
// that evaluating a tree does no text work.
namespace ComplexFunctions {
using Function = Complex (*)(const Complex&);

// The function a name computes, or null for a name the complex mode does not know.
Function resolve(const std::wstring& name);

// f applied to z; a null f gives NaN + 0i and, while errors are raised, code 1007.
Complex apply(Function f, const Complex& z);
} // namespace ComplexFunctions

#pragma once
#include <cstddef>
#include <span>
#include <string>

// The formulas the benchmark evaluates: our syntax, the same formula in
// muparser's syntax, and the same formula written in C++.
struct BenchFormula {
    const wchar_t* ours;
    const char* muparser;
    double (*native)(double x);
};

std::span<const BenchFormula> benchFormulas();

// The samples of a plot across [-5, 5]: consecutive x values, so that a
// function node's one-entry cache is in play as it is when plotting.
std::span<const double> plotSamples();

// "x^2+3*x+1" as plain text for tables and CSV files.
std::string narrow(const wchar_t* text);

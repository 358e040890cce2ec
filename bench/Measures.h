#pragma once
#include <functional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

// What one benchmark measures, so that the results can be put into the tables:
// a column of the formula table, or a line of the table of services.
enum class Column { OursEval, MuparserEval, NativeEval, OursParse, MuparserParse, OursPlot, Service };

struct Measure {
    std::string name; // the benchmark's name
    Column column;
    int formula;         // row of the formula table, -1 for a service
    std::string label;   // line of the service table
    double perIteration; // units of work per benchmark iteration (samples, calls)
    double median = -1;  // nanoseconds per unit of work, once measured
};

// Registers a benchmark and what it measures.
void addMeasure(Measure measure, std::function<void(benchmark::State&)> body);
std::vector<Measure>& measures();

// Called by main before the run; each file registers its benchmarks.
void registerExpressionBenchmarks();
void registerServiceBenchmarks();

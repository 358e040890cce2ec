#pragma once
#include "CliOptions.h"

// The function calculator's operations and the plotter's sampling on the
// command line: 'orvanta-calc zeros x^2-4 -10 10'.

// Whether the first argument names one of these commands.
bool isAnalysisCommand(const CliOptions& options);

// Runs the command: prints its result text (or the engine's message) and
// returns the exit status, 0 or 1. Bad arguments throw UsageError.
int runAnalysisCommand(const CliOptions& options);

extern const char* const s_analysis_usage;

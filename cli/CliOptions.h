#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "EngineAdapter.h"

enum class CalculatorMode { Normal, Complex, Programmer };

// Everything the command line asked for.
struct CliOptions {
    CalculatorMode mode = CalculatorMode::Normal;
    CalculatorSettings settings;
    int language = 0;
    bool useJ = false;
    bool bareProgrammerResult = false; // print programmer results without "hex: "
    std::map<wchar_t, double> parameters; // placeholder name -> value
    bool help = false;
    bool version = false;
    std::vector<std::string> arguments;   // what follows the options
};

// A usage error: the one-line reason for standard error.
struct UsageError {
    std::string reason;
};

// Reads the options; stops at "--" or at the first argument that is no
// option, so '-3^2' is an expression. Throws UsageError.
CliOptions parseOptions(const std::vector<std::string>& args);

extern const char* const s_usage;

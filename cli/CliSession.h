#pragma once
#include <string>
#include <vector>

#include "CliOptions.h"
#include "EngineAdapter.h"
#include "OrvantaCalcBase.h"

// The engine as orvanta-calc uses it: one engine object with the settings of
// the command line, its data folder, and the engine's own message boxes
// written to standard error.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);
    ~CliSession();

    const CliOptions& options() const { return m_options; }
    OrvantaCalcBase& engine() { return m_engine; }
    EngineAdapter& adapter() { return m_adapter; }

    // Loads the units from the data folder (once), without writing anything.
    void prepareData();

private:
    const CliOptions& m_options;
    OrvantaCalcBase m_engine;
    EngineAdapter m_adapter;
    bool m_data_ready = false;
};

// A command selected by the first argument: "convert", "stats", ...
struct CliCommand {
    const char* name;
    const char* usage; // one line for --help
    // Runs with the arguments after the name; returns the exit status.
    int (*run)(CliSession& session, const std::vector<std::string>& args);
};

// Every command, in the order --help lists them, gathered from the groups below.
const std::vector<CliCommand>& cliCommands();
const std::vector<CliCommand>& dataCommands(); // statistics, matrices, units
const std::vector<CliCommand>& analysisCommands(); // function calculator, plot samples
const CliCommand* findCliCommand(const std::string& name);

// Prints one line of engine text on standard output.
void printLine(const std::wstring& text);
// Reads a number argument; throws UsageError naming what it is.
double numberArgument(const std::string& text, const char* what);

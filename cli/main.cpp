// orvanta-calc: the command-line calculator.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "CliSession.h"
#include "CliText.h"
#include "Complex.h"
#include "EngineError.h"

namespace {
const char* const s_version = "orvanta-calc 0.1";
// No expression is this long; a longer line is dropped as it is read, so that
// memory stays bounded whatever arrives on standard input.
constexpr std::size_t MAX_LINE_BYTES = 1 << 20;
const char* const s_line_too_long = "orvanta-calc: the line is longer than 1 MiB and is not calculated";

// Reads one line without its line break; tooLong tells that it was cut off
// and must not be calculated. False at the end of the input.
bool readLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    char chunk[1 << 16];
    for (bool any = false;;) {
        in.getline(chunk, sizeof chunk);
        const auto count = static_cast<std::size_t>(in.gcount());
        any = any || count > 0;
        // Full chunk: failbit without the line break; at the end: eofbit;
        // else the line break was taken and counted.
        const bool full = in.fail() && !in.eof();
        const std::size_t stored = full || in.eof() ? count : count - 1;
        if (line.size() + stored <= MAX_LINE_BYTES)
            line.append(chunk, stored);
        else
            tooLong = true;
        if (!full) return any;
        in.clear();
    }
}

const wchar_t* resultBasePrefix(CalculatorModes::COMPUTERRESULT base) {
    switch (base) {
    case CalculatorModes::RESULT_BIN: return L"bin: ";
    case CalculatorModes::RESULT_HEX: return L"hex: ";
    case CalculatorModes::RESULT_DEC: return L"dec: ";
    default: return L"oct: ";
    }
}

// The placeholders an expression uses must all have a value on the command line.
void requireParameters(const CliOptions& options, const std::wstring& expression) {
    for (wchar_t name : std::wstring(L"wxyz")) {
        std::wstring placeholder = std::wstring(L"[") + name + L"]";
        if (expression.find(placeholder) != std::wstring::npos && !options.parameters.count(name))
            throw UsageError{"no value for the placeholder [" + std::string(1, static_cast<char>(name)) +
                             "]: give --param " + static_cast<char>(name) + "=VALUE"};
    }
}

// One expression, answered as the result line of the mode's view would show it.
class Calculator {
public:
    explicit Calculator(CliSession& session) : m_session(session), m_options(session.options()) {
        m_session.adapter().setParameterSource([this](PlaceholderValues& values) {
            const wchar_t names[4] = {L'w', L'x', L'y', L'z'};
            for (int i = 0; i < 4; ++i)
                if (values.present[i]) values.value[i] = m_options.parameters.at(names[i]);
            return true;
        });
    }

    // Returns whether the expression gave a proper value.
    bool answer(const std::string& line, std::string& output) {
        std::wstring input = fromUtf8(line);
        std::wstring result;
        bool ok = false;
        EngineAdapter& adapter = m_session.adapter();
        switch (m_options.mode) {
        case CalculatorMode::Normal: ok = calculateNormal(input, result); break;
        case CalculatorMode::Complex: {
            // A part that is no number ('ln(0)') is shown as such and counts as a failure.
            Complex value;
            ok = adapter.calculateComplex(input, result, &value) && std::isfinite(value.getA()) &&
                 std::isfinite(value.getB());
            break;
        }
        case CalculatorMode::Programmer:
            ok = adapter.calculateComputer(input, result);
            if (ok && !m_options.bareProgrammerResult)
                result = resultBasePrefix(m_options.settings.computerResult) + result;
            break;
        }
        output = toUtf8(result);
        return ok;
    }

private:
    bool calculateNormal(std::wstring& input, std::wstring& result) {
        requireParameters(m_options, input);
        const bool ok = m_session.adapter().calculateNormal(input, result);
        // A "[" that starts no placeholder ("1+[", a pasted colour code): the
        // view leaves its result line alone, here it would be an empty answer
        // counted as a success.
        if (ok && result.empty()) {
            result = OrvantaCalcBase::loadString(OrvantaCalcBase::messageForCode(ErrorCode::INVALID_INPUT));
            return false;
        }
        return ok;
    }

    CliSession& m_session;
    const CliOptions& m_options;
};

int runCalculator(CliSession& session) {
    const CliOptions& options = session.options();
    Calculator calculator(session);
    bool allOk = true;
    std::string output;
    if (!options.arguments.empty()) {
        if (options.mode == CalculatorMode::Normal)
            for (const std::string& expression : options.arguments) requireParameters(options, fromUtf8(expression));
        for (const std::string& expression : options.arguments) {
            allOk = calculator.answer(expression, output) && allOk;
            std::cout << output << '\n';
        }
        return allOk ? 0 : 1;
    }
    bool interactive = isatty(STDIN_FILENO);
    std::string line;
    bool tooLong = false;
    while (true) {
        if (interactive) std::cout << "> " << std::flush;
        if (!readLine(std::cin, line, tooLong)) break;
        if (tooLong) {
            std::cout << s_line_too_long << std::endl;
            allOk = false;
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        allOk = calculator.answer(line, output) && allOk;
        std::cout << output << std::endl;
    }
    return allOk ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    // Only the C++ streams are used: unsynchronised, standard input is read in
    // blocks instead of one C library call per character.
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        CliOptions options = parseOptions(args);
        if (options.help) {
            std::cout << s_usage << "Commands (the first expression names one):\n";
            for (const CliCommand& command : cliCommands()) std::cout << "  orvanta-calc " << command.usage << '\n';
            return 0;
        }
        if (options.version) {
            std::cout << s_version << '\n';
            return 0;
        }
        CliSession session(options);
        if (!options.arguments.empty())
            if (const CliCommand* command = findCliCommand(options.arguments[0]))
                return command->run(session, {options.arguments.begin() + 1, options.arguments.end()});
        return runCalculator(session);
    } catch (const UsageError& e) {
        std::cerr << "orvanta-calc: " << e.reason << '\n';
        return 2;
    }
}

// Commands for the statistics, matrix and converter views.
#include <iostream>
#include <sstream>

#include "CliSession.h"
#include "CliText.h"

namespace {
void requireCount(const std::vector<std::string>& args, std::size_t least, std::size_t most, const char* usage) {
    if (args.size() < least || args.size() > most) throw UsageError{std::string("usage: orvanta-calc ") + usage};
}

int answer(bool ok, const std::wstring& text) {
    printLine(text);
    return ok ? 0 : 1;
}

int runStatistic(CliSession& session, const std::vector<std::string>& args, bool pairs, const char* usage) {
    requireCount(args, 2, 2, usage);
    std::wstring formula = fromUtf8(args[0]);
    std::wstring values = fromUtf8(args[1]);
    std::wstring result;
    bool ok = pairs ? session.adapter().calculateStatisticXY(formula, result, values)
                    : session.adapter().calculateStatisticX(formula, result, values);
    return answer(ok, result);
}

const char* const s_stats_usage = "stats FORMULA VALUES";
const char* const s_stats_xy_usage = "stats-xy FORMULA VALUES";
const char* const s_regress_usage = "regress linear|exp VALUES";
const char* const s_matrix_usage = "matrix OP A [B] [--complex] [--polar]";
const char* const s_convert_usage = "convert VALUE FROM TO";
const char* const s_units_usage = "units [GROUP]";
const char* const s_solve_usage = "solve EQUATION [FROM TO]";

int runStats(CliSession& session, const std::vector<std::string>& args) {
    return runStatistic(session, args, false, s_stats_usage);
}

int runStatsXY(CliSession& session, const std::vector<std::string>& args) {
    return runStatistic(session, args, true, s_stats_xy_usage);
}

int runRegress(CliSession& session, const std::vector<std::string>& args) {
    requireCount(args, 2, 2, s_regress_usage);
    CalculatorModes::REGRESSIONTYPE type;
    if (args[0] == "linear")
        type = CalculatorModes::REG_LINEAR;
    else if (args[0] == "exp")
        type = CalculatorModes::REG_EXPONENTIAL;
    else
        throw UsageError{"regress: unknown model '" + args[0] + "' (linear or exp)"};
    std::wstring values = fromUtf8(args[1]);
    std::wstring fitted, quality;
    bool ok = session.adapter().calculateStatisticRegression(type, fitted, quality, values);
    if (ok) printLine(fitted);
    return answer(ok, quality);
}

struct MatrixOperationName {
    const char* name;
    CalculatorModes::MATRIXOPERATION op;
    bool twoOperands;
};

const MatrixOperationName s_matrix_operations[] = {
    {"add", CalculatorModes::MAT_ADD, true},
    {"sub", CalculatorModes::MAT_SUB, true},
    {"mul", CalculatorModes::MAT_MUL, true},
    {"transpose", CalculatorModes::MAT_TRANSPOSE, false},
    {"det", CalculatorModes::MAT_DET, false},
    {"inverse", CalculatorModes::MAT_INVERSE, false},
    {"rank", CalculatorModes::MAT_RANK, false},
    {"gauss-rows", CalculatorModes::MAT_GAUSS_ROWS, false},
    {"gauss-rowscols", CalculatorModes::MAT_GAUSS_ROWSCOLS, false},
    {"gauss-normal", CalculatorModes::MAT_GAUSS_NORMAL, false},
    {"linear", CalculatorModes::MAT_LINEAR_EQUATION, false},
    {"conjugate", CalculatorModes::MAT_CONJUGATE, false},
    {"adjoint", CalculatorModes::MAT_ADJUGATE, false},
};

constexpr int MAX_MATRIX_SIDE = 10;

// '1 2;3 4': rows separated by ";", cells by blanks.
MatrixContent parseMatrix(const std::string& text) {
    MatrixContent m;
    std::stringstream rows(text);
    std::string row;
    while (std::getline(rows, row, ';')) {
        std::stringstream cells(row);
        std::string cell;
        int count = 0;
        while (cells >> cell) {
            m.cells.push_back(fromUtf8(cell));
            ++count;
        }
        if (count == 0) continue;
        if (m.rows > 0 && count != m.columns) throw UsageError{"matrix: every row needs the same number of cells"};
        m.columns = count;
        ++m.rows;
    }
    if (m.rows == 0) throw UsageError{"matrix: '" + text + "' has no cells"};
    if (m.rows > MAX_MATRIX_SIDE || m.columns > MAX_MATRIX_SIDE)
        throw UsageError{"matrix: at most 10 x 10 cells"};
    return m;
}

int runMatrix(CliSession& session, const std::vector<std::string>& args) {
    std::vector<std::string> operands;
    bool complex = false;
    for (const std::string& arg : args) {
        if (arg == "--complex")
            complex = true;
        else if (arg == "--polar")
            session.adapter().settings().complexResult = CalculatorModes::POLAR;
        else
            operands.push_back(arg);
    }
    requireCount(operands, 2, 3, s_matrix_usage);
    const MatrixOperationName* operation = nullptr;
    for (const auto& candidate : s_matrix_operations)
        if (operands[0] == candidate.name) operation = &candidate;
    if (!operation) throw UsageError{"matrix: unknown operation '" + operands[0] + "'"};
    if ((operands.size() == 3) != operation->twoOperands)
        throw UsageError{std::string("matrix ") + operation->name +
                         (operation->twoOperands ? " takes two matrices" : " takes one matrix")};

    MatrixContent a = parseMatrix(operands[1]);
    MatrixContent b = operands.size() == 3 ? parseMatrix(operands[2]) : MatrixContent();
    MatrixContent result;
    std::wstring message;
    if (!session.adapter().calculateMatrix(result, a, b, operation->op, !complex, message))
        return answer(false, message);
    for (int r = 0; r < result.rows; ++r) {
        std::wstring line;
        for (int c = 0; c < result.columns; ++c) {
            if (c > 0) line += L'\t';
            line += result.cells[static_cast<std::size_t>(r * result.columns + c)];
        }
        printLine(line);
    }
    return 0;
}

int runConvert(CliSession& session, const std::vector<std::string>& args) {
    requireCount(args, 3, 3, s_convert_usage);
    session.prepareData();
    std::wstring value = fromUtf8(args[0]);
    std::wstring from = fromUtf8(args[1]);
    std::wstring to = fromUtf8(args[2]);
    std::wstring result;
    const bool ok = session.adapter().calculateConverter(value, from, to, result);
    return answer(ok, result);
}

int runUnits(CliSession& session, const std::vector<std::string>& args) {
    requireCount(args, 0, 1, s_units_usage);
    session.prepareData();
    OrvantaCalcBase& engine = session.engine();
    if (args.empty()) {
        for (int i = 0; i < engine.getGroupSize(); ++i) printLine(engine.getGroup(i));
        return 0;
    }
    std::wstring group = fromUtf8(args[0]);
    int kind = -1;
    for (int i = 0; i < engine.getGroupSize(); ++i)
        if (engine.getGroup(i) == group) kind = i;
    if (kind < 0) throw UsageError{"units: no group '" + args[0] + "'"};
    for (int i = 0; i < engine.getMetricSize(); ++i) {
        Metric metric = engine.getMetric(i);
        if (kind == 0 || metric.kind == kind) printLine(metric.name);
    }
    return 0;
}
// The equation solver: an equation in x, printed as "x" + the solver's text.
int runSolve(CliSession& session, const std::vector<std::string>& args) {
    if (args.size() != 1 && args.size() != 3) throw UsageError{std::string("usage: orvanta-calc ") + s_solve_usage};
    std::wstring equation = fromUtf8(args[0]);
    std::wstring result = L"x";
    bool found = false;
    bool ok = args.size() == 1
                  ? session.adapter().calculateSolver(equation, result, found)
                  : session.adapter().calculateSolver(equation, result, numberArgument(args[1], "solve FROM"),
                                                      numberArgument(args[2], "solve TO"), found);
    return answer(ok && found, result);
}
} // namespace

const std::vector<CliCommand>& dataCommands() {
    static const std::vector<CliCommand> commands = {
        {"stats", s_stats_usage, runStats},       {"stats-xy", s_stats_xy_usage, runStatsXY},
        {"regress", s_regress_usage, runRegress}, {"matrix", s_matrix_usage, runMatrix},
        {"convert", s_convert_usage, runConvert}, {"units", s_units_usage, runUnits},
        {"solve", s_solve_usage, runSolve},
    };
    return commands;
}

// Inputs no user should hand the calculator but any may, through the entry
// points the program calls: each must end promptly with a value or a message,
// never a crash, a hang or an exhausted stack or memory.
#include <chrono>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "DataFolderFixture.h"
#include "EngineAdapter.h"
#include "IExpression.h"
#include "MessageIds.h"

namespace {
std::wstring repeat(const std::wstring& part, std::size_t times) {
    std::wstring text;
    text.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += part;
    return text;
}

// Far beyond the second a user may wait: this only tells a hang from a slow
// run, and with the sanitizers on a busy machine the longest walks take
// several seconds.
constexpr std::chrono::seconds HANG_BOUND{60};

enum class Mode { Normal, Complex, Programmer, StatisticX, StatisticXY };

struct HostileCase {
    std::string name;
    Mode mode;
    std::wstring input;
    std::wstring values = {};   // statistics only
    std::wstring expected = {}; // the result text, where it is known
};

std::wstring message(unsigned int id) {
    return OrvantaCalcBase::loadString(id);
}

class HostileFacade : public DataFolderTest, public ::testing::WithParamInterface<HostileCase> {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        calc->initFunctions(0, L"f", L"f(x)=f(x)+1"); // a definition that uses itself
        calc->initFunctions(2, L"g", L"g(x)=g(x)*g(x)");
        calc->setConst(0, L"c", L"{c}{c}");
    }

    // Runs an entry point, which must answer in time with a result text (a
    // failure puts its message there).
    void expectAnswer(const std::function<bool(std::wstring&)>& call) {
        std::wstring result;
        const auto start = std::chrono::steady_clock::now();
        const bool ok = call(result);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, HANG_BOUND);
        if (!GetParam().expected.empty()) {
            EXPECT_EQ(result, GetParam().expected);
        }
        EXPECT_FALSE(result.empty()) << "ok=" << ok;
    }
};

TEST_P(HostileFacade, EndsWithAValueOrAMessage) {
    const HostileCase& c = GetParam();
    EngineAdapter adapter(*calc);
    adapter.setParameterSource([](PlaceholderValues&) { return true; });
    expectAnswer([&](std::wstring& result) {
        std::wstring input = c.input;
        std::wstring values = c.values;
        switch (c.mode) {
        case Mode::Normal:
            return adapter.calculateNormal(input, result);
        case Mode::Complex:
            return adapter.calculateComplex(input, result);
        case Mode::Programmer:
            return adapter.calculateComputer(input, result);
        case Mode::StatisticX:
            return adapter.calculateStatisticX(input, result, values);
        case Mode::StatisticXY:
            return adapter.calculateStatisticXY(input, result, values);
        }
        return false;
    });
}

const std::size_t LONG = 100000;
const int LIMIT = IExpression::s_max_depth;

const HostileCase s_cases[] = {
    // 100,000 characters of every shape
    {"LongSum", Mode::Normal, L"1" + repeat(L"+1", LONG / 2)},
    {"LongProduct", Mode::Normal, L"2" + repeat(L"*2", LONG / 2)},
    {"LongPowerChain", Mode::Normal, L"2" + repeat(L"^2", LONG / 2)},
    {"LongLiteral", Mode::Normal, repeat(L"9", LONG)},
    {"LongFraction", Mode::Normal, L"0." + repeat(L"0", LONG) + L"1"},
    {"LongImplicitProducts", Mode::Normal, repeat(L"2pi", LONG / 3)},
    {"LongExponents", Mode::Normal, L"1" + repeat(L"E1", LONG / 2)},
    {"LongFactorials", Mode::Normal, L"3" + repeat(L"!", LONG)},
    {"LongCallChain", Mode::Normal, repeat(L"sin(", LONG / 4) + L"1" + repeat(L")", LONG / 4)},
    {"LongParentheses", Mode::Normal, repeat(L"(", LONG / 2) + L"1" + repeat(L")", LONG / 2)},
    {"LongConstants", Mode::Normal, repeat(L"{c}+", LONG / 4) + L"1"},
    {"LongUserCalls", Mode::Normal, repeat(L"f(1)+", LONG / 5) + L"1"},
    {"LongPlaceholders", Mode::Normal, repeat(L"[x]+", LONG / 4) + L"1"},
    {"LongComplex", Mode::Complex, L"i" + repeat(L"*i", LONG / 2)},
    {"LongComplexPowers", Mode::Complex, L"(1+i)" + repeat(L"^2", LONG / 2)},
    {"LongProgrammer", Mode::Programmer, L"1" + repeat(L"+1", LONG / 2)},
    {"LongStatisticFormula", Mode::StatisticX, L"meanx()" + repeat(L"+meanx()", LONG / 8), L"1;2;3"},
    {"ManyStatisticValues", Mode::StatisticX, L"stddevx()", repeat(L"1.5;", LONG / 4)},
    {"ManyStatisticPairs", Mode::StatisticXY, L"covxy()", repeat(L"1;2;", LONG / 4)},
    {"LongStatisticValue", Mode::StatisticX, L"sumx()", L"1" + repeat(L"+1", LONG / 2)},
    // nesting at and beyond the limit
    {"NestingJustInside", Mode::Normal, repeat(L"(", LIMIT - 1) + L"2" + repeat(L")", LIMIT - 1), {}, L"2"},
    {"NestingAtTheLimit", Mode::Normal, repeat(L"(", LIMIT) + L"2" + repeat(L")", LIMIT), {},
     message(MessageId::INVALID_INPUT)},
    {"NestingBeyondTheLimit",
     Mode::Normal,
     repeat(L"(", LIMIT + 1) + L"2" + repeat(L")", LIMIT + 1),
     {},
     message(MessageId::INVALID_INPUT)},
    {"CallsBeyondTheLimit",
     Mode::Normal,
     repeat(L"abs(", LIMIT + 1) + L"2" + repeat(L")", LIMIT + 1),
     {},
     message(MessageId::INVALID_INPUT)},
    {"ComplexNestingBeyondTheLimit",
     Mode::Complex,
     repeat(L"(", LIMIT + 1) + L"i" + repeat(L")", LIMIT + 1),
     {},
     message(MessageId::INVALID_INPUT)},
    {"ProgrammerNestingBeyondTheLimit",
     Mode::Programmer,
     repeat(L"(", LIMIT + 1) + L"1" + repeat(L")", LIMIT + 1),
     {},
     message(MessageId::INVALID_INPUT)},
    {"ChainAtTheLimit", Mode::Normal, L"1" + repeat(L"+1", LIMIT - 1), {}, std::to_wstring(LIMIT)},
    {"ChainBeyondTheLimit", Mode::Normal, L"1" + repeat(L"+1", LIMIT), {}, message(MessageId::INVALID_INPUT)},
    // the largest factorials and sums
    {"Factorial170", Mode::Normal, L"170!", {}, L"7.25741561530799E+306"},
    {"Factorial171", Mode::Normal, L"171!", {}, message(MessageId::INFINITE_VALUE)},
    {"FactorialHuge", Mode::Normal, L"(1E300)!"},
    {"SumHuge", Mode::Normal, L"sum(1E15)"},
    {"SumHuger", Mode::Normal, L"sum(1E300)"},
    {"BinomHuge", Mode::Normal, L"binom(1E15,5E14)"},
    {"GcdHuge", Mode::Normal, L"gcd(1E300,3)"},
    {"SelfReferencingFunction", Mode::Normal, L"f(2)"},
    {"DoublingFunction", Mode::Normal, L"g(2)"},
    {"SelfReferencingConstant", Mode::Normal, L"{c}"},
    // huge whole exponents in complex mode
    {"ComplexPowerBillion", Mode::Complex, L"(1+i)^1E9"},
    {"ComplexPowerHuge", Mode::Complex, L"(1+i)^1E300"},
    {"ImaginaryPowerHuge", Mode::Complex, L"i^1E18"},
    {"ComplexNegativePowerHuge", Mode::Complex, L"(0.5+0.5i)^(-1E300)"},
    {"UnitPowerHuge", Mode::Complex, L"(0.6+0.8i)^4611686018427387904"},
    {"ComplexFactorialHuge", Mode::Complex, L"(1E9)!"},
    // statistics over values that overflow
    {"StatisticOverflow", Mode::StatisticX, L"varx()", L"1E308;-1E308;1E308"},
    {"StatisticQuantileOutside", Mode::StatisticX, L"quantx(1E300)", L"1;2;3"},
    {"StatisticUndefinedItems", Mode::StatisticXY, L"covxy()", L"1/0;1;0/0;2"},
};
INSTANTIATE_TEST_SUITE_P(Table, HostileFacade, ::testing::ValuesIn(s_cases),
                         [](const auto& info) { return info.param.name; });

// The searches of the function calculator and the plot sampling with steps
// of zero, below zero and too small to move, and ranges of 1E300.
struct RangeCase {
    std::string name;
    double from;
    double to;
    double step;
    unsigned int plotMessage; // why the plot sampling refuses the walk; 0 when it samples
};

const RangeCase s_ranges[] = {
    {"ZeroStep", -1.0, 1.0, 0.0, MessageId::STEP_INVALID},
    {"NegativeStep", -1.0, 1.0, -0.1, MessageId::STEP_INVALID},
    {"StepTooSmallToMove", 1E300, 1E300 + 1E290, 1.0, MessageId::STEP_INVALID},
    {"HugeRange", -1E300, 1E300, 0.0, MessageId::STEP_INVALID},
    {"HugeRangeWithStep", -1E300, 1E300, 1E298, 0},
    {"ReversedRange", 1.0, -1.0, 0.1, 0},
    {"EmptyRange", 2.0, 2.0, 0.0, MessageId::STEP_INVALID},
    {"InfiniteRange", -HUGE_VAL, HUGE_VAL, 1.0, MessageId::FROM_INVALID},
    {"UndefinedBounds", NAN, 1.0, NAN, MessageId::FROM_INVALID},
    {"TinyRange", 0.0, 1E-300, 0.0, MessageId::STEP_INVALID},
};

class HostileRanges : public DataFolderTest, public ::testing::WithParamInterface<RangeCase> {};

// Runs call, which must end in time with a result text or a message; returns
// what the call returned.
bool expectAnswer(const std::string& what, const std::function<bool(std::wstring&)>& call) {
    std::wstring text;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = call(text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, HANG_BOUND) << what;
    if (!ok) text = OrvantaCalcBase::getLastError();
    EXPECT_FALSE(text.empty()) << what << " ok=" << ok;
    return ok;
}

TEST_P(HostileRanges, EveryWalkEndsWithAResultOrAMessage) {
    const RangeCase& c = GetParam();
    std::vector<double> list;
    std::vector<double> values(1000);
    for (const wchar_t* formula : {L"x^2-1", L"1/x", L"sqr(x)", L"sin(x)"}) {
        for (bool withex : {false, true}) {
            IExpression::s_withex = withex;
            auto run = [&](const char* what, auto operation) {
                expectAnswer(std::string(what) + " " + c.name, [&](std::wstring& result) {
                    std::wstring f = formula;
                    return operation(f, result);
                });
            };
            run("solve", [&](std::wstring& f, std::wstring& r) {
                return calc->calculateFunctionSolve(f, r, list, c.from, c.to, c.step);
            });
            run("extrema", [&](std::wstring& f, std::wstring& r) {
                return calc->calculateFunctionExtrema(f, r, c.from, c.to);
            });
            run("saddle points", [&](std::wstring& f, std::wstring& r) {
                return calc->calculateFunctionSaddlePoints(f, r, c.from, c.to);
            });
            run("discontinuities", [&](std::wstring& f, std::wstring& r) {
                return calc->calculateFunctionDiscontinues(f, r, c.from, c.to);
            });
            for (int type = CalculatorModes::INT_RECTANGULAR; type <= CalculatorModes::INT_SIMPSON; ++type) {
                run("integral", [&](std::wstring& f, std::wstring& r) {
                    return calc->calculateFunctionIntegral(f, r, c.from, c.to, c.step, false,
                                                           static_cast<CalculatorModes::INTEGRALTYPE>(type));
                });
            }
            std::wstring f = formula;
            double from = c.from, to = c.to, step = c.step;
            const bool sampled = calc->calculatePlotterX(f, from, to, step, values.data(), values.size());
            EXPECT_EQ(sampled, c.plotMessage == 0) << c.name;
            if (!sampled) {
                EXPECT_EQ(OrvantaCalcBase::getLastError(), message(c.plotMessage)) << c.name;
            }
        }
    }
    IExpression::s_withex = false;
}
INSTANTIATE_TEST_SUITE_P(Table, HostileRanges, ::testing::ValuesIn(s_ranges),
                         [](const auto& info) { return info.param.name; });

// The longest walks allowed end in time; one sample more is refused.
TEST_F(HostileRanges, TheLongestWalksAllowedEndInTime) {
    const std::wstring formula = L"sin(x)*cos(2*x)+ln(abs(x)+1)";
    const double widest = static_cast<double>(OrvantaCalcBase::MAX_SAMPLES);
    std::vector<double> zeros;
    for (double scale : {0.999, 1.001}) {
        const bool allowed = scale < 1.0;
        const std::string what = allowed ? " allowed" : " refused";
        EXPECT_EQ(allowed, expectAnswer("solve" + what, [&](std::wstring& result) {
                      std::wstring f = formula;
                      return calc->calculateFunctionSolve(f, result, zeros, 0.0, scale * widest * 1e-5, 1e-5);
                  }));
        // Discontinuities are searched at 500 samples per unit.
        EXPECT_EQ(allowed, expectAnswer("discontinuities" + what, [&](std::wstring& result) {
                      std::wstring f = formula;
                      const double half = scale * widest / 1000.0;
                      return calc->calculateFunctionDiscontinues(f, result, -half, half);
                  }));
    }
}

std::wstring cellValue(int i) {
    static const wchar_t* const cells[] = {L"1/0",     L"0/0",   L"1E308*10", L"-1E308*10",
                                           L"sqr(-1)", L"1E308", L"2",        L"NaN"};
    return cells[i % 8];
}

TEST_F(HostileFacade, MatricesWithUndefinedAndInfiniteCells) {
    EngineAdapter adapter(*calc);
    for (int n : {1, 2, 3, 10}) {
        std::vector<std::wstring> cells;
        for (int i = 0; i < n * n; ++i)
            cells.push_back(i % 3 == 0 ? cellValue(i) : std::to_wstring(i + 1));
        for (int op = CalculatorModes::MAT_ADD; op <= CalculatorModes::MAT_ADJUGATE; ++op) {
            for (bool real : {true, false}) {
                MatrixContent a(n, n, cells);
                MatrixContent b(n, n, cells);
                MatrixContent result;
                std::wstring message;
                const auto start = std::chrono::steady_clock::now();
                const bool ok = adapter.calculateMatrix(
                    result, a, b, static_cast<CalculatorModes::MATRIXOPERATION>(op), real, message);
                EXPECT_LT(std::chrono::steady_clock::now() - start, HANG_BOUND);
                EXPECT_TRUE(ok ? result.cells.size() == result.cellCount() : !message.empty())
                    << "n=" << n << " op=" << op << " real=" << real;
            }
        }
    }
}

// Random bytes where the unit files belong: the converter falls back to its
// own units and still converts.
TEST_F(HostileFacade, UnitFilesOfRandomBytes) {
    std::mt19937 random(4711);
    EngineAdapter adapter(*calc);
    for (int round = 0; round < 40; ++round) {
        for (const char* file : {"metrics.dat", "base.dat"}) {
            std::string bytes(random() % 5000, '\0');
            for (char& b : bytes)
                b = static_cast<char>(round % 2 ? random() : (random() % 3 ? ';' : 'a' + random() % 4));
            writeFile(file, bytes);
        }
        calc->initConverter();
        ASSERT_GE(calc->getGroupSize(), 2);
        ASSERT_GT(calc->getMetricSize(), 0);
        std::wstring value = L"2";
        std::wstring from = calc->getMetric(0).name;
        std::wstring to = calc->getMetric(calc->getMetricSize() - 1).name;
        std::wstring result;
        adapter.calculateConverter(value, from, to, result);
        EXPECT_FALSE(result.empty());
    }
}

TEST_F(HostileFacade, IntegralTablesOfRandomBytes) {
    std::mt19937 random(815);
    for (int round = 0; round < 40; ++round) {
        std::string bytes(random() % 20000, '\0');
        for (char& b : bytes)
            b = static_cast<char>(round % 2 ? random() : (random() % 4 ? "x;1\n"[random() % 4] : random()));
        writeFile("integrals.txt", bytes);
        calc->loadIntegrals();
        for (int i = 0; i < calc->getIntegralSize(); ++i)
            EXPECT_GE(calc->getIntegral(i).number, 1);
    }
}
} // namespace

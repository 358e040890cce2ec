#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "IExpression.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"

// Plot and analysis workers evaluate while the GUI thread goes on: each thread
// sets its own angle unit and raise-errors flag, parses its own trees, and
// must get exactly what it gets alone.
namespace {
struct Setting {
    CalculatorModes::MODE angle;
    bool raiseErrors;
};

const Setting kSettings[] = {
    {CalculatorModes::DEG, true},
    {CalculatorModes::RAD, false},
    {CalculatorModes::GRAD, true},
    {CalculatorModes::RAD, true},
};

const wchar_t* const kNormal[] = {L"sin(30)+cos(1)*tan(0.5)", L"arcsin(2)", L"ln(-1)", L"2^10/3-5!",
                                  L"arccos(0.5)+sum(4)",      L"1/0"};
const wchar_t* const kComplex[] = {L"(1+2i)*(3-i)/(2+i)", L"sqr(-4)+sin(i)", L"e^(i*pi/3)"};

// Everything a thread computes, as bit patterns so that NaN equals NaN.
struct Outcome {
    std::vector<std::uint64_t> bits;
    std::vector<std::wstring> errors;
    std::vector<std::uint32_t> codes;

    void add(double value) {
        std::uint64_t b;
        std::memcpy(&b, &value, sizeof b);
        bits.push_back(b);
    }
    void add(bool ok) {
        bits.push_back(ok ? 1 : 0);
        if (ok) return;
        errors.push_back(OrvantaCalcBase::getLastError());
        codes.push_back(OrvantaCalcBase::getLastException());
    }
    bool operator==(const Outcome&) const = default;
};

Outcome evaluate(OrvantaCalcBase& engine, const Setting& setting) {
    // What a worker does before it evaluates: the per-thread flags.
    IExpression::s_withex = setting.raiseErrors;
    engine.setMode(setting.angle);
    Outcome out;
    for (const wchar_t* text : kNormal) {
        std::wstring input = text;
        double value = 0.0;
        out.add(engine.calculateNormal(input, value));
        out.add(value);
    }
    for (const wchar_t* text : kComplex) {
        std::wstring input = text;
        Complex value;
        out.add(engine.calculateComplex(input, value));
        out.add(value.getA());
        out.add(value.getB());
    }
    // Plot sampling over a pole and a domain edge.
    std::wstring f = L"sin(x)/(x-1)+sqr(x)";
    double from = -2.0, to = 3.0, step = 0.05;
    std::vector<double> samples(OrvantaCalcBase::plotSampleCount(from, to, step));
    out.add(engine.calculatePlotterX(f, from, to, step, samples.data(), samples.size()));
    for (double v : samples)
        out.add(v);
    // A recursive sequence keeps its last term per thread.
    std::wstring sequence = L"f(x-1)/2+x", start = L"1";
    double first = 1, last = 30;
    std::vector<double> terms(30);
    out.add(engine.calculateFolgeRecursiv(sequence, first, last, start, terms.data(), terms.size()));
    for (double v : terms)
        out.add(v);
    // An analysis search.
    std::wstring g = L"cos(x)-x/4", result;
    std::vector<double> zeros;
    out.add(engine.calculateFunctionSolve(g, result, zeros, -10, 10, 0.01));
    for (double z : zeros)
        out.add(z);
    return out;
}

TEST(ConcurrentEvaluation, FourThreadsGetWhatEachGetsAlone) {
    OrvantaCalcBase engine;
    std::vector<Outcome> alone;
    for (const Setting& s : kSettings)
        alone.push_back(evaluate(engine, s));
    ASSERT_NE(alone[0], alone[1]) << "the settings must make a difference";
    // The settings differ where they should: a domain error and a division by
    // zero raise only with errors on.
    EXPECT_EQ(alone[0].codes,
              (std::vector<std::uint32_t>{ErrorCode::ARCSIN_DOMAIN, FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO}));
    EXPECT_EQ(alone[1].codes, (std::vector<std::uint32_t>{}));

    IExpression::s_withex = false;
    engine.setMode(CalculatorModes::RAD);
    constexpr int ROUNDS = 3;
    std::vector<std::vector<Outcome>> seen(std::size(kSettings));
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < std::size(kSettings); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < ROUNDS; ++round)
                seen[t].push_back(evaluate(engine, kSettings[t]));
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t t = 0; t < std::size(kSettings); ++t)
        for (const Outcome& o : seen[t])
            EXPECT_TRUE(o == alone[t]) << "thread " << t;
    // The GUI thread's own flags are untouched by the workers.
    EXPECT_FALSE(IExpression::s_withex);
    EXPECT_EQ(IExpression::s_mode, CalculatorModes::RAD);
}
} // namespace

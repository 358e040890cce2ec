#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <memory>
#include <string>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// The value of a formula text at x, parsed independently of the operation under test.
double valueOf(const std::wstring& text, double x) {
    std::unique_ptr<IExpression> tree(IExpression::parseExpression(text, true));
    return tree->calculate(x, 0.0);
}

struct AtCase {
    const wchar_t* f;
    double x;
    const wchar_t* value;
    const wchar_t* slope;
};

const AtCase kAtCases[] = {
    {L"x^2+1", 2, L"5", L"4"},
    {L"x^3", -2, L"-8", L"12"},
    {L"sin(x)", 0, L"0", L"1"},
    {L"1E2*x", 3, L"300", L"100"},
    {L"ln(x)", 4, L"1.3862943611", L"0.25"},
};

TEST_F(AnalysisTest, ValueAndSlopeAtAPoint) {
    for (const AtCase& c : kAtCases) {
        SCOPED_TRACE(narrow(c.f));
        std::wstring f = c.f, value, slope;
        ASSERT_TRUE(engine.calculateFunctionAt(f, value, c.x)) << narrow(OrvantaCalcBase::getLastError());
        EXPECT_EQ(value, c.value);
        f = c.f;
        ASSERT_TRUE(engine.calculateFunctionDerivation(f, slope, c.x))
            << narrow(OrvantaCalcBase::getLastError());
        EXPECT_EQ(slope, c.slope);
    }
}

TEST_F(AnalysisTest, ValueAtAPointOutsideTheDomainIsNaN) {
    std::wstring f = L"sqr(x)", text;
    double value = 0.0;
    ASSERT_TRUE(engine.calculateFunctionAt(f, value, -1));
    EXPECT_TRUE(std::isnan(value));
    ASSERT_TRUE(engine.calculateFunctionAt(f, text, -1));
    EXPECT_EQ(text, L"NaN");
}

// The symbolic derivative, parsed again, agrees with a central difference.
const wchar_t* const kDerivativeCorpus[] = {
    L"x^3", L"2*x", L"x^2-3*x+1", L"sin(x)*x", L"e^x", L"ln(x)", L"sqr(x)", L"1/x", L"(x+1)^2", L"cos(x^2)",
};

TEST_F(AnalysisTest, SymbolicDerivativeAgreesWithACentralDifference) {
    for (const wchar_t* text : kDerivativeCorpus) {
        SCOPED_TRACE(narrow(text));
        std::wstring f = text, derivative;
        ASSERT_TRUE(engine.calculateFunctionDerivation(f, derivative))
            << narrow(OrvantaCalcBase::getLastError());
        SCOPED_TRACE(narrow(derivative));
        for (double x : {0.5, 1.3, 2.7}) {
            const double h = 1e-6;
            const double numeric = (valueOf(text, x + h) - valueOf(text, x - h)) / (2 * h);
            EXPECT_NEAR(valueOf(derivative, x), numeric, 1e-4 * (1 + std::fabs(numeric))) << x;
        }
    }
}

TEST_F(AnalysisTest, FunctionsWithoutADerivativeRuleCannotBeDerived) {
    for (const wchar_t* text : {L"abs(x)", L"(x+1)!", L"mod(x,2)"}) {
        SCOPED_TRACE(narrow(text));
        std::wstring f = text, result = L"old";
        EXPECT_FALSE(engine.calculateFunctionDerivation(f, result));
        EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(MessageId::CANNOT_DERIVE));
        EXPECT_EQ(result, L"");
        f = text;
        EXPECT_FALSE(engine.calculateFunctionDerivation(f, result, 1.0));
    }
}

TEST_F(AnalysisTest, SimplifyKeepsTheValueAndOptionallyTheShorterText) {
    for (const wchar_t* text : {L"2*x+3*x", L"(x+1)^2", L"x^3/x", L"x*x-x", L"sin(x)/cos(x)"}) {
        SCOPED_TRACE(narrow(text));
        std::wstring f = text, simplified;
        ASSERT_TRUE(engine.calculateFunctionSimplify(f, simplified, false, false));
        for (double x : {0.5, 1.5, -2.0})
            EXPECT_NEAR(valueOf(simplified, x), valueOf(text, x), 1e-9);

        std::wstring shorter;
        f = text;
        ASSERT_TRUE(engine.calculateFunctionSimplify(f, shorter, true, false));
        EXPECT_LE(shorter.size(), std::wcslen(text));
        EXPECT_TRUE(shorter == text || shorter == simplified);
    }
    std::wstring f = L"2*x+3*x", simplified;
    ASSERT_TRUE(engine.calculateFunctionSimplify(f, simplified, false, true));
    EXPECT_EQ(simplified, L"5x");
}

struct FactorCase {
    const wchar_t* f;
    const wchar_t* expected;
};

const FactorCase kFactorCases[] = {
    {L"x^2-1", L"(x+1)(x-1)"},
    {L"x^2+1", L"Polynomdivision is not possible for this Polynom!"},
    {L"7", L"Polynomdivision is not possible for this Polynom!"},
};

TEST_F(AnalysisTest, PolynomialPartsAreTheLinearFactorsOfTheZeros) {
    for (const FactorCase& c : kFactorCases) {
        SCOPED_TRACE(narrow(c.f));
        std::wstring f = c.f, result;
        ASSERT_TRUE(engine.calculatePolynomparts(f, result)) << narrow(OrvantaCalcBase::getLastError());
        EXPECT_EQ(result, c.expected);
    }
}

TEST_F(AnalysisTest, PolynomialPartsMultiplyBackToTheFunction) {
    for (const wchar_t* text : {L"x^2-5*x+6", L"x^3-x", L"2*x^2-8"}) {
        SCOPED_TRACE(narrow(text));
        std::wstring f = text, result;
        ASSERT_TRUE(engine.calculatePolynomparts(f, result));
        SCOPED_TRACE(narrow(result));
        for (double x : {0.7, 1.9, -3.1})
            EXPECT_NEAR(valueOf(result, x), valueOf(text, x), 1e-6);
    }
}

struct DivisionFormCase {
    const wchar_t* f;
    bool ok;
};

const DivisionFormCase kDivisionForms[] = {
    {L"(x^2-1)/(x-1)", true}, {L"x^2-1", false},       {L"(x^2-1)/x", false},
    {L"(x^2)-(1)", false},    {L"((x)/(x-1))", false}, {L"(x^2-1)/(x-1)+1", false},
};

TEST_F(AnalysisTest, PolynomialDivisionNeedsTheFormOfAQuotient) {
    for (const DivisionFormCase& c : kDivisionForms) {
        SCOPED_TRACE(narrow(c.f));
        std::wstring f = c.f;
        OrvantaCalcBase::setLastError(L"earlier");
        EXPECT_EQ(engine.proovePolynomdivision(f, false), c.ok);
        EXPECT_EQ(OrvantaCalcBase::getLastError(),
                  c.ok ? L"earlier" : L"The expression is not a valid input for a polynom division! ");
    }
}

TEST_F(AnalysisTest, PolynomialDivisionGivesTheQuotient) {
    for (const wchar_t* text : {L"(x^2-1)/(x-1)", L"(x^3+2*x^2-x-2)/(x+2)", L"(x^2+1)/(x-1)"}) {
        SCOPED_TRACE(narrow(text));
        std::wstring f = text, result;
        ASSERT_TRUE(engine.calculatePolynomdivision(f, result)) << narrow(OrvantaCalcBase::getLastError());
        SCOPED_TRACE(narrow(result));
        for (double x : {0.3, 2.5, -1.7})
            EXPECT_NEAR(valueOf(result, x), valueOf(text, x), 1e-6);
    }
    std::wstring f = L"x^2-1", result = L"old";
    EXPECT_FALSE(engine.calculatePolynomdivision(f, result));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), msg(MessageId::NO_DIVISION_FORM));
}
} // namespace

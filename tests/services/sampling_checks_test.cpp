#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "AnalysisFixture.h"
#include "MessageIds.h"

namespace {
struct FormCheck {
    const wchar_t* f;
    bool ok;
    unsigned int message;   // the detail text on failure; 0 when it stays empty
    unsigned int lastError; // the last error on failure when the detail stays empty
};

const FormCheck kParametricChecks[] = {
    {L"f(t)=[x:=cos(t);y:=sin(t);t:=0..2*pi]", true, 0, 0},
    {L"f(t)=[x:=t^2;y:=t;t:=-1..1]", true, 0, 0},
    {L"g(t)=[x:=t;y:=t;t:=0..1]", false, MessageId::INVALID_INPUT, 0},
    {L"f(t)=[x:=t;y:=t;t:=0..1", false, MessageId::END_BRACKET, 0},
    {L"f(t)=[y:=t;t:=0..1]", false, MessageId::NEED_X, 0},
    {L"f(t)=[x:=t;t:=0..1]", false, MessageId::NEED_Y, 0},
    {L"f(t)=[x:=cos(t);y:=sin(t)]", false, MessageId::NEED_T, 0},
    {L"f(t)=[x:=t;y:=t;t:=0;2]", false, MessageId::PARAMETER_RANGE, 0},
    {L"f(t)=[x:=t*;y:=t;t:=0..1]", false, 0, MessageId::BAD_END},            // X does not pass the validation
    {L"f(t)=[x:=t;y:=t;t:=..1]", false, 0, MessageId::NOTHING_TO_CALCULATE}, // empty start of the range
    {L"f(t)=[x:=arcsin(t);y:=t;t:=5..6]", false, 0, MessageId::ARCSIN_DOMAIN}, // the trial evaluation faults
};

TEST_F(AnalysisTest, ParametricFunctionCheck) {
    for (const FormCheck& c : kParametricChecks) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring message;
        OrvantaCalcBase::setLastError(L"earlier");
        EXPECT_EQ(engine.prooveParameterFunction(c.f, message), c.ok);
        EXPECT_EQ(message, c.message ? msg(c.message) : L"");
        EXPECT_EQ(OrvantaCalcBase::getLastError(), c.lastError ? msg(c.lastError) : L"earlier");
    }
}

const FormCheck kPolarChecks[] = {
    {L"f(t)=p=[t;t:=0..2*pi]", true, 0, 0},
    {L"f(t)=p=[2*sin(3*t);t:=0..pi]", true, 0, 0},
    {L"f(t)=[t;t:=0..1]", false, MessageId::INVALID_INPUT, 0},
    {L"f(t)=p=[t;t:=0..1", false, MessageId::END_BRACKET, 0},
    {L"f(t)=p=[t]", false, MessageId::NEED_T, 0},
    {L"f(t)=p=[t;t:=0;1]", false, MessageId::POLAR_RANGE, 0},
    {L"f(t)=p=[t;t:=0..1+]", false, 0, MessageId::BAD_END},
};

TEST_F(AnalysisTest, PolarFunctionCheck) {
    for (const FormCheck& c : kPolarChecks) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring message;
        OrvantaCalcBase::setLastError(L"earlier");
        EXPECT_EQ(engine.proovePolarFunction(c.f, message), c.ok);
        EXPECT_EQ(message, c.message ? msg(c.message) : L"");
        EXPECT_EQ(OrvantaCalcBase::getLastError(), c.lastError ? msg(c.lastError) : L"earlier");
    }
}

struct TextCheck {
    const wchar_t* f;
    bool ok;
};

const TextCheck kSequenceChecks[] = {
    {L"n^2", true},
    {L"1/n", true},
    {L"f(n-1)+n;f(0)=0", true},
    {L"2*f(n-1);f(0)=1", true},
    {L"n+", false},
    {L"f(n-1)+n;f(0)=2*", false},
};

TEST_F(AnalysisTest, SequenceCheck) {
    for (const TextCheck& c : kSequenceChecks) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f;
        EXPECT_EQ(engine.prooveFolge(f), c.ok);
    }
}

const TextCheck kFunctionChecks[] = {
    {L"sin(x)", true},       {L"ln(x)", true},          {L"sqr(x-50)", true}, // defined only far to the right
    {L"sqr(-1-x^2)", false}, {L"arcsin(x+200)", false}, {L"x*", false},
};

TEST_F(AnalysisTest, FunctionCheckLooksForAPointWithAValue) {
    for (const TextCheck& c : kFunctionChecks) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f;
        EXPECT_EQ(engine.prooveFunction(f, true), c.ok);
    }
    std::wstring f = L"sqr(y-50)";
    EXPECT_TRUE(engine.prooveFunction(f, false));
    f = L"sqr(y-50)";
    EXPECT_FALSE(engine.prooveFunction(f, true));
}

TEST_F(AnalysisTest, TwoParameterCheckNeedsOnlyASuccessfulCall) {
    for (const TextCheck& c : {TextCheck{L"x^2+y^2", true}, TextCheck{L"sqr(-1-x^2-y^2)", true},
                               TextCheck{L"x+y*", false}, TextCheck{L"x(3)", false}}) {
        SCOPED_TRACE(std::string(c.f, c.f + std::wcslen(c.f)));
        std::wstring f = c.f;
        EXPECT_EQ(engine.prooveFunction2Parameters(f), c.ok);
    }
}
} // namespace

#include <gtest/gtest.h>

#include "EngineAdapter.h"
#include "MessageIds.h"
#include "MessageTable.h"

namespace {
class Adapter : public ::testing::Test {
protected:
    void TearDown() override {
        OrvantaCalcBase::setLanguage(0);
        IExpression::s_mode = CalculatorModes::RAD;
        IExpression::s_withex = false;
    }

    std::wstring normal(const std::wstring& text, bool* ok = nullptr) {
        std::wstring input = text;
        std::wstring result = L"unchanged";
        const bool succeeded = adapter.calculateNormal(input, result);
        if (ok) *ok = succeeded;
        return result;
    }

    OrvantaCalcBase engine;
    EngineAdapter adapter{engine};
};

TEST_F(Adapter, NormalCalculationFormatsByTheSettings) {
    EXPECT_EQ(normal(L"1/4"), L"0.25");
    adapter.settings().numberMode = 1;
    adapter.settings().precision = 5;
    EXPECT_EQ(normal(L"1234.5"), L"1.2345E+003");
}

// Faults and values that are no number show their message and count as
// failures: callers learn it from the return value, not from the text.
TEST_F(Adapter, FaultsAndSpecialValuesBecomeMessages) {
    adapter.setParameterSource([](PlaceholderValues& values) {
        values.value[1] = 1.5;
        return true;
    });
    struct Case {
        const wchar_t* input;
        unsigned int message;
    };
    for (const Case& c :
         {Case{L"1/0", MessageId::FAULT_FLT_DIVIDE_BY_ZERO}, Case{L"10^400", MessageId::INFINITE_VALUE},
          Case{L"(-1)^0.5", MessageId::NOT_A_NUMBER_VALUE}, Case{L"(1+2", MessageId::PARENTHESIS_CHECK},
          Case{L"2.5!", MessageId::FACULTY}}) {
        bool ok = true;
        EXPECT_EQ(normal(c.input, &ok), OrvantaCalcBase::loadString(c.message)) << c.input;
        EXPECT_FALSE(ok) << c.input;
    }
    bool ok = true;
    EXPECT_EQ(normal(L"[x]*10^400", &ok),
              L"f(x=1.5)=" + OrvantaCalcBase::loadString(MessageId::INFINITE_VALUE));
    EXPECT_FALSE(ok);
    EXPECT_EQ(normal(L"[x]*2", &ok), L"f(x=1.5)=3");
    EXPECT_TRUE(ok);
    OrvantaCalcBase::setLanguage(1);
    EXPECT_EQ(normal(L"10^400"),
              OrvantaCalcBase::loadString(MessageId::INFINITE_VALUE + MessageTable::LANGUAGE_OFFSET));
    EXPECT_EQ(normal(L"(1+2"),
              OrvantaCalcBase::loadString(MessageId::PARENTHESIS_CHECK + MessageTable::LANGUAGE_OFFSET));
}

TEST_F(Adapter, AngleUnitIsHandedToTheEngine) {
    adapter.settings().angle = CalculatorModes::DEG;
    EXPECT_EQ(normal(L"arcsin(1)"), L"90");
    EXPECT_EQ(normal(L"sin(30)"), L"0.5");
}

TEST_F(Adapter, PlaceholdersAskForValuesAndDescribeThem) {
    PlaceholderValues asked;
    adapter.setParameterSource([&](PlaceholderValues& values) {
        asked = values;
        values.value[1] = 3;
        values.value[2] = 0.5;
        return true;
    });
    EXPECT_EQ(normal(L"[x]^2+[y]"), L"f(x=3,y=0.5)=9.5");
    EXPECT_FALSE(asked.present[0]);
    EXPECT_TRUE(asked.present[1]);
    EXPECT_TRUE(asked.present[2]);
    EXPECT_FALSE(asked.present[3]);
}

TEST_F(Adapter, CancelledOrUnknownPlaceholdersLeaveTheResult) {
    adapter.setParameterSource([](PlaceholderValues&) { return false; });
    EXPECT_EQ(normal(L"[x]^2"), L"unchanged");
    EXPECT_EQ(normal(L"[a]+1"), L"unchanged");
}

TEST_F(Adapter, ComplexAndProgrammerCalculations) {
    std::wstring input = L"(1+i)^2";
    std::wstring result;
    EXPECT_TRUE(adapter.calculateComplex(input, result));
    EXPECT_EQ(result, L"2i");
    adapter.settings().computerMode = CalculatorModes::COMP_DEC;
    adapter.settings().computerResult = CalculatorModes::RESULT_DEC;
    input = L"3-5";
    EXPECT_FALSE(adapter.calculateComputer(input, result));
    EXPECT_EQ(result, OrvantaCalcBase::loadString(MessageId::NEGATIVE_RESULT));
}

struct CheckCase {
    const wchar_t* text;
    bool ok;
    const wchar_t* message; // exact text, or nullptr when only the result matters
};

class FunctionCheck : public Adapter, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FunctionCheck, AcceptsOnlyWellFormedFunctions) {
    std::wstring message;
    EXPECT_EQ(adapter.checkFunction(GetParam().text, message), GetParam().ok) << message;
    if (GetParam().message) {
        EXPECT_EQ(message, GetParam().message);
    }
}

const CheckCase s_checks[] = {
    {L"g(x)=x", false, L"Function must start with a function-type-definition (e.g. f(x))."},
    {L"f(x)x", false, L"A function-value must have a result!"},
    {L"f(x)=x+y", false, L"Function f(x)=x+yhas unknown variables!"},
    {L"f(x)=sin(x)", true, nullptr},
    {L"f(x,y)=4=x^2+y^2", true, nullptr},
    {L"f(x,y)=x^2+y^2=4", false, L"4: The result has to be a number!"},
    {L"f(x,y)==x", false, nullptr},
    {L"z(n+1)=5", false, L"z(n+1) depends not on z(n)!"},
    // The engine's evaluability checks of each plot type.
    {L"f(x)=sqr(-1-x^2)", false, L"Function f(x)=sqr(-1-x^2) is not valid!"},
    {L"f(y)=ln(y)", true, nullptr},
    {L"f(y)=sqr(-1-y^2)", false, L"Function f(y)=sqr(-1-y^2) is not valid!"},
    {L"f(n)=f(n-1)+n;f(0)=0", true, nullptr},
    {L"f(n)=n^2", true, nullptr},
    {L"f(n)=n+", false, L"Sequence f(n)=n+ is not valid!"},
    {L"f(t)=[x:=cos(t);y:=sin(t);t:=0..2*pi]", true, nullptr},
    {L"f(t)=[x:=cos(t);y:=sin(t)]", false,
     L"Parameter-Function f(t)=[x:=cos(t);y:=sin(t)] is not valid!\nFunction must contain t:="},
    {L"f(t)=p=[2*t;t:=0..pi]", true, nullptr},
    {L"f(t)=p=[t;t:=0;1]", false,
     L"Parameter-Function f(t)=p=[t;t:=0;1] is not valid!\nThe value of t must be specified like 0..2"},
    {L"f(x,y)=4=x(3)", false, L"Function f(x,y)=4=x(3) is not valid!"},
};

INSTANTIATE_TEST_SUITE_P(Table, FunctionCheck, ::testing::ValuesIn(s_checks));
} // namespace

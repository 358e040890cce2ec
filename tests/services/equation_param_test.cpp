#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
class ParamEngine : public OrvantaCalcBase {
public:
    using OrvantaCalcBase::calculateParam;
};

using ParamTest = ReportingTest;

struct ParamCase {
    const wchar_t* list;
    const wchar_t* name;
    bool found;
    double value;
};

const ParamCase kParamCases[] = {
    {L"a:=1; b:=2", L"a", true, 1},
    {L"a:=1; b:=2", L"b", true, 2},
    {L"a:=1.5;b:=-2", L"b", true, -2},
    {L"radius:=2.5; U:=3", L"radius", true, 2.5},
    {L"radius:=2.5; U:=3", L"U", true, 3},
    {L"ab:=5; b:=7", L"b", true, 7}, // not the tail of another name
    {L"x:=2*3; y:=2^3", L"x", true, 6},
    {L"x:=2*3; y:=2^3", L"y", true, 8},
    {L"a:=1; b:=2", L"c", false, 0},
    {L"a:=; b:=2", L"a", false, 0}, // no value
    {L"a:=1; b:=", L"b", false, 0},
    {L"", L"a", false, 0},
    {L"a:=1", L"", false, 0},
};

TEST_F(ParamTest, ReadsTheValueOfOneParameter) {
    ParamEngine calc;
    for (const ParamCase& c : kParamCases) {
        double value = 0;
        EXPECT_EQ(calc.calculateParam(c.list, c.name, value), c.found) << c.list << " / " << c.name;
        if (c.found) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.list << " / " << c.name;
        }
    }
}

TEST_F(ParamTest, RefusesParametersInsideParameters) {
    ParamEngine calc;
    std::vector<std::wstring> boxes;
    OrvantaCalcBase::setMessageBoxHandler(
        [&](const std::wstring& text, OrvantaCalcBase::MessageIcon) { boxes.push_back(text); });
    double value = 0;
    EXPECT_FALSE(calc.calculateParam(L"a:=[b]+1; b:=2", L"a", value));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"No params in params are allowed!");
    EXPECT_EQ(OrvantaCalcBase::getLastException(), 1034u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], L"It is not allowed to\r\nuse parameters in parameters!");
}
} // namespace

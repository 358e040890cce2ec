#include <gtest/gtest.h>

#include <string>

#include "OrvantaCalcBase.h"

namespace {
// Entry i of a flat settings table: its value name and default text.
struct Entry {
    std::wstring name;
    std::wstring value;
};
Entry entry(const wchar_t* const* table, int i) {
    return {table[2 * i], table[2 * i + 1]};
}

TEST(UserSlots, SizesMatchTheSettingsTables) {
    OrvantaCalcBase calc;
    EXPECT_EQ(calc.getConstSize(), 28);
    EXPECT_EQ(calc.getEquationSize(), 40);
    EXPECT_EQ(calc.getFunctionSize(), 28);
    EXPECT_EQ(OrvantaCalcBase::s_const_size, 2 * calc.getConstSize());
    EXPECT_EQ(OrvantaCalcBase::s_equation_size, 2 * calc.getEquationSize());
    EXPECT_EQ(OrvantaCalcBase::s_myfunctions_size, 112);
}

struct NamedEntry {
    const wchar_t* const* table;
    int index;
    const wchar_t* name;
    const wchar_t* value;
};

const NamedEntry kNamedEntries[] = {
    {OrvantaCalcBase::s_const, 0, L"MyConst1Key", L""},
    {OrvantaCalcBase::s_const, 27, L"MyConst14Val", L""},
    {OrvantaCalcBase::s_equation, 0, L"MyEquation0Name", L"phytagoras"},
    {OrvantaCalcBase::s_equation, 1, L"MyEquation0Equation", L"a^2+b^2=c^2"},
    {OrvantaCalcBase::s_equation, 2, L"MyEquation0Params", L"a;b;c"},
    {OrvantaCalcBase::s_equation, 4, L"MyEquation1Name", L"2 functions interception"},
    {OrvantaCalcBase::s_equation, 5, L"MyEquation1Equation", L"x^2-3=x+1"},
    {OrvantaCalcBase::s_equation, 9, L"MyEquation2Equation", L"r=U/(2*PI)"},
    {OrvantaCalcBase::s_equation, 10, L"MyEquation2Params", L"r;U"},
    {OrvantaCalcBase::s_equation, 27, L"MyEquation6ParamValue", L""},
    {OrvantaCalcBase::s_equation, 31, L"MyEquation7aramValue", L""},
    {OrvantaCalcBase::s_equation, 39, L"MyEquation9aramValue", L""},
    {OrvantaCalcBase::s_myfunctions, 0, L"My1", L"perc(x,y)=x/y*100"},
    {OrvantaCalcBase::s_myfunctions, 1, L"My1Text", L"perc"},
    {OrvantaCalcBase::s_myfunctions, 3, L"My1InvText", L""},
    {OrvantaCalcBase::s_myfunctions, 4, L"My2", L"^(1/3)"},
    {OrvantaCalcBase::s_myfunctions, 5, L"My2Text", L"cur"},
    {OrvantaCalcBase::s_myfunctions, 55, L"My14InvText", L""},
};

TEST(UserSlots, TablesKeepTheStoredNamesAndDefaults) {
    for (const NamedEntry& e : kNamedEntries) {
        const Entry got = entry(e.table, e.index);
        EXPECT_EQ(got.name, e.name);
        EXPECT_EQ(got.value, e.value) << got.name;
    }
}

TEST(UserSlots, TableEntriesReachTheirSlots) {
    OrvantaCalcBase calc;
    for (int i = 0; i < calc.getConstSize(); ++i)
        calc.setConstText(i, entry(OrvantaCalcBase::s_const, i).name);
    for (int i = 0; i < calc.getEquationSize(); ++i) {
        calc.setEquationText(i, entry(OrvantaCalcBase::s_equation, i).name);
    }
    for (int i = 0; i < OrvantaCalcBase::s_myfunctions_size / 2; ++i) {
        calc.setFunctionText(i, entry(OrvantaCalcBase::s_myfunctions, i).name);
    }
    EXPECT_EQ(calc.getConstKey(2), L"MyConst3Key");
    EXPECT_EQ(calc.getConstVal(13), L"MyConst14Val");
    EXPECT_EQ(calc.getEquationName(7), L"MyEquation7Name");
    EXPECT_EQ(calc.getEquation(3), L"MyEquation3Equation");
    EXPECT_EQ(calc.getEquationParams(9), L"MyEquation9Params");
    EXPECT_EQ(calc.getEquationValues(8), L"MyEquation8aramValue");
    // Key 3 is slot 4, its inverse slot 5.
    EXPECT_EQ(calc.getExpression(4), L"My3");
    EXPECT_EQ(calc.getDescription(4), L"My3Text");
    EXPECT_EQ(calc.getExpression(5), L"My3Inv");
    EXPECT_EQ(calc.getDescription(5), L"My3InvText");
    EXPECT_EQ(calc.getDescription(27), L"My14InvText");
    for (int i = 0; i < OrvantaCalcBase::s_myfunctions_size / 2; ++i) {
        EXPECT_EQ(calc.getFunctionText(i), entry(OrvantaCalcBase::s_myfunctions, i).name);
    }
}

TEST(UserSlots, SlotsOutsideTheTablesAreIgnored) {
    OrvantaCalcBase calc;
    calc.setConst(14, L"k", L"1");
    calc.setEquation(-1, L"n", L"x=1", L"x", L"");
    calc.setFunctionText(56, L"f");
    calc.setEquationText(40, L"e");
    EXPECT_EQ(calc.getConstKey(14), L"");
    EXPECT_EQ(calc.getEquationName(-1), L"");
    EXPECT_EQ(calc.getFunctionText(56), L"");
    EXPECT_EQ(calc.getEquationText(40), L"");
    EXPECT_EQ(calc.getConstText(-2), L"");
}
} // namespace

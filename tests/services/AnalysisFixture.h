#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "IExpression.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

// One engine object, errors raised as the function calculator raises them,
// radians, and a recording message-box handler. Plot sampling tests switch
// raised errors off, as the plotter does.
class AnalysisTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        IExpression::s_withex = true;
        IExpression::s_mode = CalculatorModes::RAD;
        OrvantaCalcBase::setMessageBoxHandler(
            [this](const std::wstring& text, OrvantaCalcBase::MessageIcon) { boxes.push_back(text); });
    }
    void TearDown() override {
        IExpression::s_withex = false;
        ReportingTest::TearDown();
    }

    static std::wstring msg(unsigned int id) { return OrvantaCalcBase::loadString(id); }

    OrvantaCalcBase engine;
    std::vector<std::wstring> boxes;
};

class SamplingTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        IExpression::s_withex = false;
    }
};

// The numbers of a result text, in order ("Min(0,-1);Max(2,3)" gives 0, -1, 2, 3).
inline std::vector<double> numbersIn(const std::wstring& text) {
    std::vector<double> numbers;
    const std::string narrow(text.begin(), text.end());
    const char* p = narrow.c_str();
    while (*p) {
        const bool startsNumber = (*p >= '0' && *p <= '9') ||
                                  ((*p == '-' || *p == '.') && ((p[1] >= '0' && p[1] <= '9') || p[1] == '.'));
        if (!startsNumber) {
            ++p;
            continue;
        }
        char* end = nullptr;
        numbers.push_back(std::strtod(p, &end));
        p = end;
    }
    return numbers;
}

#pragma once
#include <gtest/gtest.h>

#include "OrvantaCalcBase.h"

// The reporting state is process-wide: every test starts from a clean one and
// leaves it clean for the next.
class ReportingTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    static void reset() {
        OrvantaCalcBase::setLanguage(0);
        OrvantaCalcBase::m_error.clear();
        OrvantaCalcBase::m_last_exception = 0;
        OrvantaCalcBase::setMessageBoxHandler(nullptr);
    }
};

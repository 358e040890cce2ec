#include <gtest/gtest.h>

#include "EngineError.h"

TEST(EngineError, CarriesCodeAndPlatformFaultValues) {
    try {
        raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO);
        FAIL() << "nothing raised";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.code(), 0xC000008Eu);
    }
}

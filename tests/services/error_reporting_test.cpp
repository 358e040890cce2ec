#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>

#include "EngineError.h"
#include "EngineGuard.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
struct LoadCase {
    int language;
    unsigned int id;
    const wchar_t* expected;
};

const LoadCase kLoadCases[] = {
    {0, 40121, L"Parenthesis-error!"},
    {1, 40121, L"Klammerungsfehler!"},
    // No German text: English stands in.
    {1, 40235, L"2D-Function-Plotting cannot be mixed with other function-types."},
    // A German number asked for directly is found as it is.
    {0, 41125, L"Unbekannter Ausnahmefehler!"},
    // Unused numbers have no text in either language.
    {0, 40204, L""},
    {1, 40217, L""},
    {0, 0, L""},
    // A language without texts falls back to English instead of showing nothing.
    {2, 40125, L"Unknown exception!"},
    {-1, 40125, L"Unknown exception!"},
    {1, 4294967295u, L""},
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << "language " << c.language << " id " << c.id;
}

class LoadString : public ReportingTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadString, UsesLanguageThenEnglishThenNothing) {
    const LoadCase& c = GetParam();
    OrvantaCalcBase::setLanguage(c.language);
    EXPECT_EQ(OrvantaCalcBase::loadString(c.id), c.expected);
}
INSTANTIATE_TEST_SUITE_P(Fallbacks, LoadString, ::testing::ValuesIn(kLoadCases));

struct CodeCase {
    std::uint32_t code;
    unsigned int message;
};

const CodeCase kCodeCases[] = {
    {1002, 40160},
    {1003, 40159},
    {1004, 40158},
    {1005, 40157},
    {1006, 40156},
    {1007, 40155},
    {1009, 40154},
    {1010, 40153},
    {1011, 40152},
    {1012, 40151},
    {1013, 40150},
    {1014, 40149},
    {1016, 40147},
    {1017, 40148},
    {1018, 40146},
    {1019, 40145},
    {1020, 40144},
    {1021, 40143},
    {1022, 40142},
    {1023, 40141},
    {1024, 40140},
    {1025, 40139},
    {1026, 40138},
    {1028, 40137},
    {1029, 40136},
    {1030, 40135},
    {1031, 40134},
    {1032, 40133},
    {1033, 40132},
    {1034, 40131},
    {1035, 40130},
    {1036, 40128},
    {1037, 40129},
    {1038, 40127},
    {1039, 40126},
    {1040, 40324},
    {FaultCode::EXCEPTION_DATATYPE_MISALIGNMENT, 40173},
    {FaultCode::EXCEPTION_ACCESS_VIOLATION, 40174},
    {FaultCode::EXCEPTION_NONCONTINUABLE_EXCEPTION, 40161},
    {FaultCode::EXCEPTION_ARRAY_BOUNDS_EXCEEDED, 40172},
    {FaultCode::EXCEPTION_FLT_DENORMAL_OPERAND, 40171},
    {FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO, 40170},
    {FaultCode::EXCEPTION_FLT_INEXACT_RESULT, 40169},
    {FaultCode::EXCEPTION_FLT_INVALID_OPERATION, 40168},
    {FaultCode::EXCEPTION_FLT_OVERFLOW, 40167},
    {FaultCode::EXCEPTION_FLT_STACK_CHECK, 40166},
    {FaultCode::EXCEPTION_FLT_UNDERFLOW, 40165},
    {FaultCode::EXCEPTION_INT_DIVIDE_BY_ZERO, 40164},
    {FaultCode::EXCEPTION_INT_OVERFLOW, 40162},
    {FaultCode::EXCEPTION_PRIV_INSTRUCTION, 40163},
    {FaultCode::EXCEPTION_STACK_OVERFLOW, 40166},
    // Everything else is unknown, including the codes the engine never raises.
    {0, 40125},
    {1, 40125},
    {1001, 40125},
    {1008, 40125},
    {1015, 40125},
    {1027, 40125},
    {1041, 40125},
    {0xC0000001, 40125},
    {0xFFFFFFFF, 40125},
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    // Engine codes read in decimal, fault statuses in hex, as they are published.
    if (c.code > 0xFFFF)
        *os << "code 0x" << std::hex << c.code << std::dec;
    else
        *os << "code " << c.code;
}

class CodeMessage : public ReportingTest, public ::testing::WithParamInterface<std::tuple<CodeCase, int>> {};

TEST_P(CodeMessage, ReportingGuardShowsTheCodesMessageInTheLanguage) {
    const auto& [c, language] = GetParam();
    OrvantaCalcBase::setLanguage(language);
    EXPECT_EQ(OrvantaCalcBase::messageForCode(c.code), c.message);

    const bool ok = guarded<Guard::Reporting>([code = c.code]() -> bool { raiseEngineError(code); });

    EXPECT_FALSE(ok);
    EXPECT_EQ(OrvantaCalcBase::getLastException(), c.code);
    const std::wstring expected =
        OrvantaCalcBase::loadString(c.message + 1000u * static_cast<unsigned>(language));
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(OrvantaCalcBase::getLastError(), expected);
}
INSTANTIATE_TEST_SUITE_P(AllCodes, CodeMessage,
                         ::testing::Combine(::testing::ValuesIn(kCodeCases), ::testing::Values(0, 1)));

using ErrorReporting = ReportingTest;

TEST_F(ErrorReporting, DomainErrorsReadAsUsersSeeThem) {
    guarded<Guard::Reporting>([]() -> bool { raiseEngineError(1031); });
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Faculty: only defined for natural numbers!");
    OrvantaCalcBase::setLanguage(1);
    guarded<Guard::Reporting>([]() -> bool { raiseEngineError(FaultCode::EXCEPTION_FLT_DIVIDE_BY_ZERO); });
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Division by zero!");
    guarded<Guard::Reporting>([]() -> bool { raiseEngineError(1027); });
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Unbekannter Ausnahmefehler!");
}

TEST_F(ErrorReporting, CodeSetterMapsTheRecordedCode) {
    // The filters record the code before they set the message; the message
    // follows the recorded code.
    OrvantaCalcBase::m_last_exception = 1003;
    OrvantaCalcBase::setLastError(0);
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Parenthesis error!");
}

TEST_F(ErrorReporting, LastErrorOutlivesALaterSuccess) {
    EXPECT_FALSE(guarded<Guard::Reporting>([]() -> bool { raiseEngineError(1019); }));
    const std::wstring first = OrvantaCalcBase::getLastError();
    EXPECT_EQ(first, L"There is nothing to calculate...");

    EXPECT_TRUE(guarded<Guard::Reporting>([] { return true; }));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), first);
    EXPECT_EQ(OrvantaCalcBase::getLastException(), 1019u);
}

TEST_F(ErrorReporting, TextSetterStoresTheTextAsItIs) {
    OrvantaCalcBase::setLastError(std::wstring(L"Following pattern is not allowed: */"));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Following pattern is not allowed: */");
    EXPECT_EQ(OrvantaCalcBase::getLastException(), 0u);
}
} // namespace

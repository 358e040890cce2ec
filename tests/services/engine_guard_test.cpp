#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "EngineError.h"
#include "EngineGuard.h"
#include "MessageIds.h"
#include "OrvantaCalcBase.h"
#include "ReportingFixture.h"

namespace {
using GuardTest = ReportingTest;

const std::wstring kEarlier = L"earlier message";

// What each guard leaves behind after a fault (a log domain error) in its body.
struct FaultCase {
    const char* name;
    bool (*run)(int& cleanups);
    bool recordsCode;
    bool setsMessage;
};

const FaultCase kFaultCases[] = {
    {"reporting",
     [](int& cleanups) {
         return guarded<Guard::Reporting>([]() -> bool { raiseEngineError(ErrorCode::LOG_DOMAIN); },
                                          [&] { ++cleanups; });
     },
     true, true},
    {"silent",
     [](int& cleanups) {
         return guarded<Guard::Silent>([]() -> bool { raiseEngineError(ErrorCode::LOG_DOMAIN); },
                                       [&] { ++cleanups; });
     },
     false, false},
    {"recording inside reporting",
     [](int& cleanups) {
         return guarded<Guard::Reporting>([&] {
             return guarded<Guard::Recording>([]() -> double { raiseEngineError(ErrorCode::LOG_DOMAIN); },
                                              [&] { ++cleanups; }) > 0;
         });
     },
     true, true},
};

TEST_F(GuardTest, EachGuardEndsAFaultWithFalseAndItsOwnTraces) {
    for (const FaultCase& c : kFaultCases) {
        SCOPED_TRACE(c.name);
        reset();
        OrvantaCalcBase::setLastError(kEarlier);
        int cleanups = 0;
        EXPECT_FALSE(c.run(cleanups));
        EXPECT_EQ(cleanups, 1);
        EXPECT_EQ(OrvantaCalcBase::getLastException(), c.recordsCode ? ErrorCode::LOG_DOMAIN : 0u);
        EXPECT_EQ(OrvantaCalcBase::getLastError(),
                  c.setsMessage ? L"Only positive numbers are allowed for log or ln." : kEarlier);
    }
}

TEST_F(GuardTest, ReportingAndSilentPassTheBodysOwnResult) {
    int cleanups = 0;
    auto cleanup = [&] { ++cleanups; };
    EXPECT_TRUE(guarded<Guard::Reporting>([] { return true; }, cleanup));
    EXPECT_TRUE(guarded<Guard::Reporting>([] {}, cleanup));
    EXPECT_TRUE(guarded<Guard::Silent>([] { return true; }, cleanup));
    // A validation failure is the body's own false with its own message.
    EXPECT_FALSE(guarded<Guard::Reporting>([] {
        OrvantaCalcBase::setLastError(OrvantaCalcBase::loadString(MessageId::PARENTHESIS_CHECK));
        return false;
    }));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Parenthesis-error!");
    EXPECT_EQ(cleanups, 0);
}

TEST_F(GuardTest, RecordingPassesValuesAndRaisesTheSameCodeAgain) {
    EXPECT_DOUBLE_EQ(guarded<Guard::Recording>([] { return 2.5; }), 2.5);
    OrvantaCalcBase::setLastError(kEarlier);
    std::vector<int> scratch{1, 2, 3};
    try {
        guarded<Guard::Recording>([]() -> double { raiseEngineError(FaultCode::EXCEPTION_FLT_OVERFLOW); },
                                  [&] { scratch.clear(); });
        FAIL() << "the fault was swallowed";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.code(), FaultCode::EXCEPTION_FLT_OVERFLOW);
    }
    EXPECT_TRUE(scratch.empty());
    EXPECT_EQ(OrvantaCalcBase::getLastException(), FaultCode::EXCEPTION_FLT_OVERFLOW);
    EXPECT_EQ(OrvantaCalcBase::getLastError(), kEarlier);
}

TEST_F(GuardTest, LibraryFailuresAreReportedNotFatal) {
    EXPECT_FALSE(guarded<Guard::Reporting>([]() -> bool { throw std::bad_alloc(); }));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Not enough memory to perform this operation!");
    EXPECT_FALSE(guarded<Guard::Reporting>([]() -> bool { throw std::out_of_range("index"); }));
    EXPECT_EQ(OrvantaCalcBase::getLastError(), L"Internal error occured!");
    // An inner routine hands them on as engine codes.
    try {
        guarded<Guard::Recording>([] { return std::wstring().substr(5); });
        FAIL() << "the fault was swallowed";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.code(), ErrorCode::INTERNAL);
    }
}

TEST_F(GuardTest, MessageBoxesReachTheInstalledHandlerOnly) {
    OrvantaCalcBase::showMessageBox(L"nobody listens"); // no handler: nothing happens

    std::vector<std::pair<std::wstring, OrvantaCalcBase::MessageIcon>> shown;
    OrvantaCalcBase::setMessageBoxHandler(
        [&](const std::wstring& text, OrvantaCalcBase::MessageIcon icon) { shown.emplace_back(text, icon); });
    OrvantaCalcBase::showMessageBox(L"Following metric does already exist: meter",
                                    OrvantaCalcBase::MessageIcon::Stop);
    OrvantaCalcBase::showMessageBox(L"plain");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].first, L"Following metric does already exist: meter");
    EXPECT_EQ(shown[0].second, OrvantaCalcBase::MessageIcon::Stop);
    EXPECT_EQ(shown[1].second, OrvantaCalcBase::MessageIcon::None);

    OrvantaCalcBase::setMessageBoxHandler(nullptr);
    OrvantaCalcBase::showMessageBox(L"dropped");
    EXPECT_EQ(shown.size(), 2u);
}
} // namespace

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "E2ESession.h"

// The suite drives another process; it needs no window of its own.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new E2EDisplay);
    return RUN_ALL_TESTS();
}

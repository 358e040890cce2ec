#include "CCalculatorView.h"
#include "E2ESession.h"
#include "KeyIds.h"
#include "ModeTable.h"

namespace {
using namespace KeyId;
constexpr int INPUT = CCalculatorView::INPUT_LINE;
constexpr int RESULT = CCalculatorView::RESULT_LINE;

TEST_F(E2ETest, ScientificKeysAndTyping) {
    start();
    keys({CLEAR, DIGIT_1, PLUS, DIGIT_2, MULTIPLY, DIGIT_3, EQUALS});
    EXPECT_TRUE(waitText(INPUT, QStringLiteral("1+2*3")));
    EXPECT_TRUE(waitText(RESULT, QStringLiteral("7")));
    quit();
}
} // namespace

#include "CComplexCalculatorView.h"

#include "COrvantaDoc.h"
#include "KeyTable.h"
#include "KeypadSpots.h"
#include "ModeTable.h"

namespace {
using namespace KeypadSpots;
namespace K = KeyId;
constexpr int COLUMNS = 8;
constexpr int ROWS = 9;

// Only keys whose texts the complex parser takes: no factorial, cotangent
// or fraction mark here.
// clang-format off
constexpr KeySpot s_keys[] = {
    state(K::INV, 0, 0), state(K::HYP, 0, 1), state(K::DEG, 0, 2), state(K::RAD, 0, 3), state(K::GRAD, 0, 4),
    state(K::RECTANGULAR, 0, 5), state(K::POLAR, 0, 6), fn(K::SELECT, 0, 7),
    fn(K::SIN, 1, 0), fn(K::COS, 1, 1), fn(K::TAN, 1, 2), fn(K::CUBE, 1, 3), fn(K::LN, 1, 4), fn(K::LG, 1, 5),
    fn(K::ROOT, 1, 6), fn(K::POWER, 1, 7),
    fn(K::RE, 2, 0), fn(K::IM, 2, 1), fn(K::CONJ, 2, 2), fn(K::ABS, 2, 3), fn(K::SQUARE, 2, 4), fn(K::POL, 2, 5),
    op(K::IMAGINARY, 2, 7),
    digit(K::DIGIT_7, 3, 0), digit(K::DIGIT_8, 3, 1), digit(K::DIGIT_9, 3, 2), op(K::DIVIDE, 3, 3), op(K::OPEN, 3, 4), op(K::CLOSE, 3, 5),
    fn(K::PI, 3, 6), fn(K::EULER, 3, 7),
    digit(K::DIGIT_4, 4, 0), digit(K::DIGIT_5, 4, 1), digit(K::DIGIT_6, 4, 2), op(K::MULTIPLY, 4, 3), fn(K::MEMORY_ADD, 4, 4), fn(K::MEMORY_DELETE, 4, 5),
    state(K::BACK, 4, 6), state(K::CLEAR, 4, 7),
    digit(K::DIGIT_1, 5, 0), digit(K::DIGIT_2, 5, 1), digit(K::DIGIT_3, 5, 2), op(K::MINUS, 5, 3), fn(K::MEMORY_CLEAR, 5, 4), fn(K::MEMORY_INSERT, 5, 5),
    fn(K::EXPONENT, 5, 6), state(K::OPTIONS, 5, 7),
    digit(K::DIGIT_0, 6, 0, 2), digit(K::POINT, 6, 2), op(K::PLUS, 6, 3), equals(K::EQUALS, 6, 4, 4),
    user(K::USER_1, 7, 0), user(K::USER_2, 7, 1), user(K::USER_3, 7, 2), user(K::USER_4, 7, 3), user(K::USER_5, 7, 4),
    user(K::USER_6, 7, 5), user(K::USER_7, 7, 6), state(K::BANK, 7, 7),
    user(K::USER_8, 8, 0), user(K::USER_9, 8, 1), user(K::USER_10, 8, 2), user(K::USER_11, 8, 3), user(K::USER_12, 8, 4),
    user(K::USER_13, 8, 5), user(K::USER_14, 8, 6),
};
// clang-format on
} // namespace

CComplexCalculatorView::CComplexCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::COMPLEX, parent) {
    installKeypadFor(s_keys, COLUMNS, ROWS);
}

void CComplexCalculatorView::calculateInput() {
    std::wstring input = inputText();
    const std::wstring shown = input;
    std::wstring result;
    document().calculateComplex(input, result);
    showCalculation(shown, result);
}

bool CComplexCalculatorView::keyText(int id, std::wstring& text) const {
    return KeyTable::valueText(id, text) || CCalculatorView::keyText(id, text);
}

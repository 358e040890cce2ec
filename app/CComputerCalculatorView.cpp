#include "CComputerCalculatorView.h"

#include <QVariant>

#include "COrvantaDoc.h"
#include "KeypadSpots.h"
#include "ModeTable.h"

using namespace CalculatorModes;

namespace {
using namespace KeypadSpots;
namespace K = KeyId;
constexpr int COLUMNS = 8;
constexpr int ROWS = 8;

// clang-format off
constexpr KeySpot s_keys[] = {
    state(K::HEX_INPUT, 0, 0), state(K::DEC_INPUT, 0, 1), state(K::OCT_INPUT, 0, 2), state(K::BIN_INPUT, 0, 3),
    state(K::TO_HEX, 0, 4), state(K::TO_DEC, 0, 5), state(K::TO_OCT, 0, 6), state(K::TO_BIN, 0, 7),
    digit(K::HEX_A, 1, 0), digit(K::HEX_B, 1, 1), digit(K::HEX_C, 1, 2), digit(K::HEX_D, 1, 3), digit(K::HEX_E, 1, 4),
    digit(K::HEX_F, 1, 5), state(K::INV, 1, 6), state(K::BANK, 1, 7),
    digit(K::DIGIT_7, 2, 0), digit(K::DIGIT_8, 2, 1), digit(K::DIGIT_9, 2, 2), op(K::DIVIDE, 2, 3), op(K::OPEN, 2, 4), op(K::CLOSE, 2, 5),
    state(K::BACK, 2, 6), state(K::CLEAR, 2, 7),
    digit(K::DIGIT_4, 3, 0), digit(K::DIGIT_5, 3, 1), digit(K::DIGIT_6, 3, 2), op(K::MULTIPLY, 3, 3), fn(K::NAND, 3, 4), fn(K::AND, 3, 5),
    fn(K::OR, 3, 6), fn(K::XOR, 3, 7),
    digit(K::DIGIT_1, 4, 0), digit(K::DIGIT_2, 4, 1), digit(K::DIGIT_3, 4, 2), op(K::MINUS, 4, 3), fn(K::NOT, 4, 4), fn(K::LSH, 4, 5),
    fn(K::RSH, 4, 6), fn(K::SELECT, 4, 7),
    digit(K::DIGIT_0, 5, 0, 3), op(K::PLUS, 5, 3), equals(K::EQUALS, 5, 4, 4),
    // Bank 0: the user keys.
    user(K::USER_1, 6, 0, 0), user(K::USER_2, 6, 1, 0), user(K::USER_3, 6, 2, 0), user(K::USER_4, 6, 3, 0),
    user(K::USER_5, 6, 4, 0), user(K::USER_6, 6, 5, 0), user(K::USER_7, 6, 6, 0),
    user(K::USER_8, 7, 0, 0), user(K::USER_9, 7, 1, 0), user(K::USER_10, 7, 2, 0), user(K::USER_11, 7, 3, 0),
    user(K::USER_12, 7, 4, 0), user(K::USER_13, 7, 5, 0), user(K::USER_14, 7, 6, 0),
    // Bank 1: the last logic key and the memory list.
    fn(K::NOR, 6, 0, 1), fn(K::MEMORY_ADD, 6, 1, 1), fn(K::MEMORY_DELETE, 6, 2, 1), fn(K::MEMORY_CLEAR, 6, 3, 1),
    fn(K::MEMORY_INSERT, 6, 4, 1), state(K::OPTIONS, 6, 5, 1),
    // Bank 2: the input base cycle.
    state(K::BASE_CYCLE, 6, 0, 2),
};
// clang-format on

// The digits each input base accepts.
bool digitValid(int id, COMPMODE base) {
    static constexpr int hexDigits[] = {K::HEX_A, K::HEX_B, K::HEX_C, K::HEX_D, K::HEX_E, K::HEX_F};
    const bool hex = std::find(std::begin(hexDigits), std::end(hexDigits), id) != std::end(hexDigits);
    switch (base) {
    case COMP_HEX:
        return true;
    case COMP_DEC:
        return !hex;
    case COMP_OCT:
        return !hex && id != K::DIGIT_8 && id != K::DIGIT_9;
    case COMP_BIN:
        return id == K::DIGIT_0 || id == K::DIGIT_1;
    }
    return true;
}
} // namespace

CComputerCalculatorView::CComputerCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::COMPUTER, parent) {
    installKeypadFor(s_keys, COLUMNS, ROWS);
    baseChanged();
}

void CComputerCalculatorView::calculateInput() {
    // Per result base: the name before a result in the result line, and the
    // input base that reads the result back as the same number.
    struct ResultBase {
        const wchar_t* name;
        COMPMODE input;
    };
    static constexpr ResultBase bases[] = {
        {L"bin: ", COMP_BIN}, {L"hex: ", COMP_HEX}, {L"dec: ", COMP_DEC}, {L"oct: ", COMP_OCT}};
    std::wstring input = inputText();
    const std::wstring shown = input;
    std::wstring result;
    const bool ok = document().calculateComputer(input, result);
    const int base = document().m_computerResult;
    // A message never gets a base name. A result that goes into the input
    // line is the number alone, in a base the next calculation reads it in.
    if (ok && base >= 0 && base < 4) {
        if (document().m_resultInInput)
            setInputBase(bases[base].input);
        else
            result = bases[base].name + result;
    }
    showCalculation(shown, result);
}

void CComputerCalculatorView::refreshKeys(int group) {
    CCalculatorView::refreshKeys(group);
    for (int id = FIRST_KEY; id <= LAST_KEY; ++id)
        if (KeyButton* k = key(id)) {
            const int page = k->property("page").toInt();
            k->setVisible(page < 0 || page == programmerBank());
        }
}

void CComputerCalculatorView::baseChanged() {
    for (const KeySpot& spot : s_keys)
        if (KeyButton* k = key(spot.id); k && spot.look == KeyButton::Look::Digit)
            k->setEnabled(digitValid(spot.id, document().m_computerMode));
}

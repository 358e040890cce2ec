#include "CComputerCalculatorView.h"

#include <QVariant>

#include "COrvantaDoc.h"
#include "KeypadSpots.h"
#include "ModeTable.h"

using namespace CalculatorModes;

namespace {
using namespace KeypadSpots;
constexpr int COLUMNS = 8;
constexpr int ROWS = 8;

// clang-format off
constexpr KeySpot s_keys[] = {
    state(1195, 0, 0), state(1320, 0, 1), state(1197, 0, 2), state(1319, 0, 3),
    state(1515, 0, 4), state(1516, 0, 5), state(1517, 0, 6), state(1514, 0, 7),
    digit(1243, 1, 0), digit(1244, 1, 1), digit(1245, 1, 2), digit(1246, 1, 3), digit(1242, 1, 4),
    digit(1247, 1, 5), state(1083, 1, 6), state(1249, 1, 7),
    digit(1402, 2, 0), digit(1403, 2, 1), digit(1404, 2, 2), op(1414, 2, 3), op(1276, 2, 4), op(1277, 2, 5),
    state(1361, 2, 6), state(1360, 2, 7),
    digit(1405, 3, 0), digit(1406, 3, 1), digit(1407, 3, 2), op(1415, 3, 3), fn(1306, 3, 4), fn(1123, 3, 5),
    fn(1125, 3, 6), fn(1127, 3, 7),
    digit(1408, 4, 0), digit(1409, 4, 1), digit(1410, 4, 2), op(1416, 4, 3), fn(1135, 4, 4), fn(1173, 4, 5),
    fn(1172, 4, 6), fn(1508, 4, 7),
    digit(1411, 5, 0, 3), op(1417, 5, 3), equals(1023, 5, 4, 4),
    // Bank 0: the user keys.
    user(1216, 6, 0, 0), user(1217, 6, 1, 0), user(1218, 6, 2, 0), user(1219, 6, 3, 0),
    user(1220, 6, 4, 0), user(1221, 6, 5, 0), user(1222, 6, 6, 0),
    user(1223, 7, 0, 0), user(1224, 7, 1, 0), user(1225, 7, 2, 0), user(1226, 7, 3, 0),
    user(1227, 7, 4, 0), user(1228, 7, 5, 0), user(1229, 7, 6, 0),
    // Bank 1: more logic and the memory list.
    fn(1129, 6, 0, 1), fn(1230, 6, 1, 1), fn(1032, 6, 2, 1), fn(1033, 6, 3, 1), fn(1038, 6, 4, 1),
    fn(1039, 6, 5, 1), state(1362, 6, 6, 1),
    // Bank 2: the input base cycle.
    state(1131, 6, 0, 2),
};
// clang-format on

// The digits each input base accepts.
bool digitValid(int id, COMPMODE base) {
    static constexpr int hexDigits[] = {1243, 1244, 1245, 1246, 1242, 1247};
    const bool hex = std::find(std::begin(hexDigits), std::end(hexDigits), id) != std::end(hexDigits);
    switch (base) {
    case COMP_HEX:
        return true;
    case COMP_DEC:
        return !hex;
    case COMP_OCT:
        return !hex && id != 1403 && id != 1404; // no 8 and 9
    case COMP_BIN:
        return id == 1411 || id == 1408;
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
    static const wchar_t* const names[] = {L"bin: ", L"hex: ", L"dec: ", L"oct: "};
    std::wstring input = inputText();
    const std::wstring shown = input;
    std::wstring result;
    document().calculateComputer(input, result);
    const int base = document().m_computerResult;
    if (base >= 0 && base < 4) result = names[base] + result;
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
    for (int id = 1242; id <= 1411; ++id)
        if (KeyButton* k = key(id); k && k->look() == KeyButton::Look::Digit)
            k->setEnabled(digitValid(id, document().m_computerMode));
}

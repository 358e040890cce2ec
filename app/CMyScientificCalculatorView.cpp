#include "CMyScientificCalculatorView.h"

#include "COrvantaDoc.h"
#include "KeypadSpots.h"
#include "ModeTable.h"

namespace {
using namespace KeypadSpots;
constexpr int COLUMNS = 8;
constexpr int ROWS = 9;

// clang-format off
constexpr KeySpot s_keys[] = {
    state(1083, 0, 0), state(1090, 0, 1), state(1305, 0, 2), state(1311, 0, 3), state(1312, 0, 4),
    fn(1234, 0, 5), fn(1235, 0, 6), fn(1508, 0, 7),
    fn(1425, 1, 0), fn(1426, 1, 1), fn(1427, 1, 2), fn(1022, 1, 3), fn(1428, 1, 4), fn(1019, 1, 5),
    fn(1071, 1, 6), fn(1020, 1, 7),
    fn(1026, 2, 0), fn(1031, 2, 1), fn(1421, 2, 2), fn(1068, 2, 3), fn(1088, 2, 4), fn(1306, 2, 5),
    fn(1308, 2, 6), fn(1041, 2, 7),
    digit(1402, 3, 0), digit(1403, 3, 1), digit(1404, 3, 2), op(1414, 3, 3), op(1276, 3, 4), op(1277, 3, 5),
    fn(1279, 3, 6), fn(1323, 3, 7),
    digit(1405, 4, 0), digit(1406, 4, 1), digit(1407, 4, 2), op(1415, 4, 3), fn(1032, 4, 4), fn(1033, 4, 5),
    state(1361, 4, 6), state(1360, 4, 7),
    digit(1408, 5, 0), digit(1409, 5, 1), digit(1410, 5, 2), op(1416, 5, 3), fn(1038, 5, 4), fn(1039, 5, 5),
    fn(1248, 5, 6), state(1362, 5, 7),
    digit(1411, 6, 0, 2), digit(1413, 6, 2), op(1417, 6, 3), equals(1023, 6, 4, 4),
    user(1216, 7, 0), user(1217, 7, 1), user(1218, 7, 2), user(1219, 7, 3), user(1220, 7, 4),
    user(1221, 7, 5), user(1222, 7, 6), state(1249, 7, 7),
    user(1223, 8, 0), user(1224, 8, 1), user(1225, 8, 2), user(1226, 8, 3), user(1227, 8, 4),
    user(1228, 8, 5), user(1229, 8, 6), fn(1233, 8, 7),
};
// clang-format on
} // namespace

CMyScientificCalculatorView::CMyScientificCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::SCIENTIFIC, parent) {
    installKeypadFor(s_keys, COLUMNS, ROWS);
}

void CMyScientificCalculatorView::calculateInput() {
    std::wstring input = inputText();
    const std::wstring shown = input;
    std::wstring result;
    document().calculateNormal(input, result);
    // A cancelled parameter dialog calculates nothing: the result line keeps
    // what it showed and the input is not replaced by an empty result.
    if (result.empty() && shown.find(L'[') != std::wstring::npos) return;
    showCalculation(shown, result);
}

#include "CFunctionCalculatorView.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "AnalysisMessages.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "CValueTableDialog.h"
#include "EngineAdapter.h"
#include "KeypadSpots.h"
#include "LodrinStarter.h"
#include "ModeTable.h"

namespace {
using namespace KeypadSpots;
namespace M = AnalysisMessages;
using V = CFunctionCalculatorView;
constexpr int COLUMNS = 8;
constexpr int ROWS = 9;
const std::wstring s_prefix = L"f(x)=";

// clang-format off
constexpr KeySpot s_keys[] = {
    state(1083, 0, 0), state(1090, 0, 1), state(1305, 0, 2), state(1311, 0, 3), state(1312, 0, 4),
    fn(V::PLOT_KEY, 0, 5), fn(CAnalysisView::CANCEL_KEY, 0, 6), fn(1508, 0, 7),
    fn(1425, 1, 0), fn(1426, 1, 1), fn(1427, 1, 2), fn(1022, 1, 3), fn(1428, 1, 4), fn(1019, 1, 5),
    fn(1071, 1, 6), fn(1020, 1, 7),
    fn(1435, 2, 0), fn(1026, 2, 1), fn(1031, 2, 2), fn(1421, 2, 3), fn(1068, 2, 4), fn(1306, 2, 5),
    fn(1308, 2, 6), fn(1088, 2, 7),
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

// The list's texts, in the order of the operations.
constexpr unsigned s_operation_texts[V::OPERATION_COUNT] = {
    M::DERIVATE,      M::SIMPLIFY,         M::CALCULATE, M::POLYNOM_PARTS, M::POLYNOM_DIVISION,
    M::SOLVE,         M::DERIVATE_NUMERIC, M::EXTREMA,   M::SADDLE_POINTS, M::DISCONTINUITIES,
    M::VALUE_AT_ZERO, M::VALUE_TABLE,      M::INTEGRAL,
};

// The searches over a range: their prompt and their adapter operation.
struct RangeSearch {
    int operation;
    unsigned prompt;
    bool (EngineAdapter::*search)(std::wstring&, std::wstring&, double, double);
};
constexpr RangeSearch s_range_searches[] = {
    {V::ZEROS, M::ZEROS_RANGE, &EngineAdapter::calculateFunctionSolve},
    {V::EXTREMA, M::EXTREMA_RANGE, &EngineAdapter::calculateFunctionExtrema},
    {V::SADDLE_POINTS, M::SADDLE_RANGE, &EngineAdapter::calculateFunctionSaddlePoints},
    {V::DISCONTINUITIES, M::DISCONTINUITIES_RANGE, &EngineAdapter::calculateFunctionDiscontinues},
};
} // namespace

CFunctionCalculatorView::CFunctionCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CAnalysisView(document, ModeTable::FUNCTION_CALCULATOR, parent) {
    m_operations = new QComboBox(keypadArea());
    m_operations->setObjectName(QStringLiteral("operations"));
    // The short landscape screen keeps its room for the keypad.
    if (!landscapeLayout()) m_operations->setFont(resultFont());
    static_cast<QVBoxLayout*>(keypadArea()->layout())->addWidget(m_operations);
    installKeypadFor(s_keys, COLUMNS, ROWS);
    languageChanged();
}

void CFunctionCalculatorView::busyChanged(bool busy) {
    m_operations->setEnabled(!busy);
}

void CFunctionCalculatorView::languageChanged() {
    CCalculatorView::languageChanged();
    if (!m_operations) return;
    const int current = std::max(0, m_operations->currentIndex());
    m_operations->clear();
    for (unsigned id : s_operation_texts)
        m_operations->addItem(QString::fromStdWString(message(id)));
    m_operations->setCurrentIndex(current);
}

void CFunctionCalculatorView::setOperation(int index) {
    m_operations->setCurrentIndex(index);
}

bool CFunctionCalculatorView::viewKey(int id) {
    if (CAnalysisView::viewKey(id)) return true;
    if (id != PLOT_KEY) return false;
    handToPlotter();
    return true;
}

void CFunctionCalculatorView::calculateInput() {
    if (busy()) return;
    const std::wstring function = inputText();
    std::wstring message;
    if (!document().checkFunction(s_prefix + function, message)) {
        setResultText(message);
        return;
    }
    runOperation(m_operations->currentIndex(), function);
}

bool CFunctionCalculatorView::askRange(unsigned prompt, double& from, double& to) {
    LodrinStarter starter(this);
    return starter.showRange(message(prompt), from, to);
}

void CFunctionCalculatorView::runOperation(int index, std::wstring f) {
    COrvantaDoc& doc = document();
    std::wstring result;
    for (const RangeSearch& s : s_range_searches) {
        if (s.operation != index) continue;
        double from = 0.0, to = 0.0;
        if (!askRange(s.prompt, from, to)) return;
        runLong([f, from, to, search = s.search](EngineAdapter& a, std::wstring& r) mutable {
            return (a.*search)(f, r, from, to);
        });
        return;
    }
    switch (index) {
    case DERIVATE:
        doc.calculateFunctionDerivation(f, result);
        break;
    case SIMPLIFY:
    case CALCULATE:
        doc.calculateFunctionSimplify(f, result, index == SIMPLIFY, index == CALCULATE);
        break;
    case POLYNOM_PARTS:
        runLong([f](EngineAdapter& a, std::wstring& r) mutable { return a.calculatePolynomparts(f, r); });
        return;
    case POLYNOM_DIVISION:
        runLong([f](EngineAdapter& a, std::wstring& r) mutable { return a.calculatePolynomdivision(f, r); });
        return;
    case DERIVATE_AT: {
        double x = 0.0;
        LodrinStarter starter(this);
        if (!starter.showXPos(x)) return;
        doc.calculateFunctionDerivation(f, result, x);
        break;
    }
    case VALUE_AT_ZERO:
        doc.calculateFunctionAt(f, result, 0.0);
        break;
    case VALUE_TABLE:
        openValueTable(f);
        return;
    case INTEGRAL: {
        double from = 0.0, to = 0.0, step = 0.0;
        bool absolute = false;
        int type = 0;
        LodrinStarter starter(this);
        if (!starter.showIntegral(from, to, step, absolute, type)) return;
        runLong([=](EngineAdapter& a, std::wstring& r) mutable {
            return a.calculateFunctionIntegral(f, r, from, to, step, absolute,
                                               static_cast<CalculatorModes::INTEGRALTYPE>(type));
        });
        return;
    }
    default:
        return;
    }
    setResultText(result);
}

void CFunctionCalculatorView::openValueTable(const std::wstring& function) {
    CValueTableDialog dialog(function, document(), this);
    dialog.exec();
}

void CFunctionCalculatorView::handToPlotter() {
    const std::wstring function = inputText();
    auto* frame = qobject_cast<CMainFrame*>(window());
    if (function.empty() || !frame) return;
    frame->switchMode(ModeTable::PLOTTER);
    // The frame carries the text over on the switch; setting it here also
    // covers a plotter that was already showing another function.
    if (CCalculatorView* plotter = frame->view(ModeTable::PLOTTER);
        plotter && frame->currentMode() == ModeTable::PLOTTER)
        plotter->setInputText(s_prefix + function);
}

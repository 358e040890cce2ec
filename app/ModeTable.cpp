#include "ModeTable.h"

#include "CComplexCalculatorView.h"
#include "CComputerCalculatorView.h"
#include "CConverterCalculatorView.h"
#include "CFunctionCalculatorView.h"
#include "CMatrixCalculatorView.h"
#include "CMyScientificCalculatorView.h"
#include "CPlotterInputView.h"
#include "CSolverCalculatorView.h"
#include "CStatisticCalculatorView.h"
#include "CalculatorModes.h"

namespace {
template <class View> CCalculatorView* create(COrvantaDoc& document, QWidget* parent) {
    return new View(document, parent);
}

using namespace ModeTable;
constexpr int NONE = -1;

// clang-format off
const ModeInfo s_modes[] = {
    {SCIENTIFIC, L"Scientific Calculator", L"Wissenschaftl. Rechner",
     create<CMyScientificCalculatorView>, true, false, NONE, false, true},
    {PLOTTER, L"Function Plotter", L"Funktionsplotter",
     create<CPlotterInputView>, true, false, CalculatorModes::RAD, false, false},
    {FUNCTION_CALCULATOR, L"Function Calculator", L"Funktionsrechner",
     create<CFunctionCalculatorView>, true, false, NONE, false, false},
    {SOLVER, L"Equation Solver", L"Gleichung lösen",
     create<CSolverCalculatorView>, true, false, NONE, false, true},
    {MATRIX, L"Matrix Calculator", L"Matrizenrechner",
     create<CMatrixCalculatorView>, true, false, NONE, false, true},
    {COMPLEX, L"Complex Calculator", L"Komplexe Zahlen",
     create<CComplexCalculatorView>, true, false, CalculatorModes::DEG, true, false},
    {COMPUTER, L"Computer Calculator", L"Computerrechner",
     create<CComputerCalculatorView>, false, true, NONE, false, true},
    {STATISTIC, L"Statistic Calculator", L"Statistikrechner",
     create<CStatisticCalculatorView>, false, false, NONE, false, false},
    {CONVERTER, L"Metrics Converter", L"Einheitenrechner",
     create<CConverterCalculatorView>, false, false, NONE, false, false},
};
// clang-format on
} // namespace

namespace ModeTable {
std::span<const ModeInfo> modes() {
    return s_modes;
}

const ModeInfo* find(int id) {
    for (const ModeInfo& mode : s_modes)
        if (mode.id == id) return &mode;
    return nullptr;
}
} // namespace ModeTable

#include "CSolverCalculatorView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "AnalysisMessages.h"
#include "CGridCtrl.h"
#include "COrvantaDoc.h"
#include "EngineAdapter.h"
#include "KeypadSpots.h"
#include "LodrinStarter.h"
#include "ModeTable.h"
#include "Platform.h"

namespace {
using namespace KeypadSpots;
namespace M = AnalysisMessages;
using V = CSolverCalculatorView;
using SolverEquation::Parameter;
constexpr int COLUMNS = 8;
constexpr int ROWS = 9;
constexpr int SLOTS = OrvantaCalcBase::EQUATION_SLOTS;
// The grid always offers empty columns for further names.
constexpr int SPARE_COLUMNS = 1;
constexpr int MIN_COLUMNS = 6;
// The range the solver's range dialog offers first.
constexpr double RANGE_FROM = -10.0, RANGE_TO = 10.0;

// clang-format off
constexpr KeySpot s_keys[] = {
    state(1083, 0, 0), state(1090, 0, 1), state(1305, 0, 2), state(1311, 0, 3), state(1312, 0, 4),
    fn(1256, 0, 5), fn(1257, 0, 6), fn(1508, 0, 7),
    fn(1425, 1, 0), fn(1426, 1, 1), fn(1427, 1, 2), fn(1022, 1, 3), fn(1428, 1, 4), fn(1019, 1, 5),
    fn(1071, 1, 6), fn(1020, 1, 7),
    fn(V::NAMES_KEY, 2, 0), fn(CAnalysisView::CANCEL_KEY, 2, 1), fn(1326, 2, 2), fn(1026, 2, 3),
    fn(1421, 2, 4), fn(1068, 2, 5), fn(1308, 2, 6), fn(1088, 2, 7),
    digit(1402, 3, 0), digit(1403, 3, 1), digit(1404, 3, 2), op(1414, 3, 3), op(1276, 3, 4), op(1277, 3, 5),
    fn(1279, 3, 6), fn(1323, 3, 7),
    digit(1405, 4, 0), digit(1406, 4, 1), digit(1407, 4, 2), op(1415, 4, 3), fn(1032, 4, 4), fn(1033, 4, 5),
    state(1361, 4, 6), state(1360, 4, 7),
    digit(1408, 5, 0), digit(1409, 5, 1), digit(1410, 5, 2), op(1416, 5, 3), fn(1038, 5, 4), fn(1039, 5, 5),
    fn(1248, 5, 6), state(1362, 5, 7),
    digit(1411, 6, 0, 2), digit(1413, 6, 2), op(1417, 6, 3), equals(V::WIDE_EQUALS_KEY, 6, 4, 4),
    user(1216, 7, 0), user(1217, 7, 1), user(1218, 7, 2), user(1219, 7, 3), user(1220, 7, 4),
    user(1221, 7, 5), user(1222, 7, 6), state(1249, 7, 7),
    user(1223, 8, 0), user(1224, 8, 1), user(1225, 8, 2), user(1226, 8, 3), user(1227, 8, 4),
    user(1228, 8, 5), user(1229, 8, 6), fn(1233, 8, 7),
};
// clang-format on

// The ten stored equations, handed to the equation dialogs.
void offerEquations(LodrinStarter& starter, const OrvantaCalcBase& engine) {
    for (int slot = 0; slot < SLOTS; ++slot)
        starter.initEquations(slot, engine.getEquationName(slot), engine.getEquation(slot));
}
} // namespace

CSolverCalculatorView::CSolverCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CAnalysisView(document, ModeTable::SOLVER, parent) {
    m_grid = new CGridCtrl(keypadArea());
    m_grid->setObjectName(QString::number(PARAMETER_GRID));
    m_grid->setFont(resultFont());
    m_grid->setRowCount(2);
    setParameters({});
    // The header row and the value row, and room for a scroll bar; the short
    // landscape screen keeps its room for the keypad with tight rows and no
    // scroll bar (the arrow keys still scroll).
    const int row = QFontMetrics(resultFont()).height() + (landscapeLayout() ? 2 : 10);
    m_grid->setRowHeight(0, row);
    m_grid->setRowHeight(1, row);
    int scrollBar = m_grid->horizontalScrollBar()->sizeHint().height();
    if (landscapeLayout()) {
        m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scrollBar = 0;
    }
    m_grid->setFixedHeight(2 * row + scrollBar + 2 * m_grid->frameWidth());
    // Names sit in the header row: a double click renames a column.
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { renameColumn(section + 1); });
    static_cast<QVBoxLayout*>(keypadArea()->layout())->addWidget(m_grid);
    installKeypadFor(s_keys, COLUMNS, ROWS);
    languageChanged();
}

void CSolverCalculatorView::languageChanged() {
    CAnalysisView::languageChanged();
    if (m_grid) m_grid->setItemText(1, 0, document().m_language ? L"Wert" : L"Value");
}

void CSolverCalculatorView::renameColumn(int column) {
    bool ok = false;
    const QString current = QString::fromStdWString(m_grid->getItemText(0, column));
    const QString name = QInputDialog::getText(this, QStringLiteral("Orvanta"), QStringLiteral("Name:"),
                                               QLineEdit::Normal, current, &ok)
                             .trimmed();
    if (!ok) return;
    std::vector<Parameter> list = parameters();
    const std::size_t index = static_cast<std::size_t>(column - 1);
    if (index < list.size())
        list[index].name = name.toStdWString();
    else if (!name.isEmpty())
        list.push_back({name.toStdWString(), L""});
    // An emptied name would end the list there, as the solver reads it.
    std::erase_if(list, [](const Parameter& p) { return p.name.empty(); });
    setParameters(list);
}

void CSolverCalculatorView::busyChanged(bool busy) {
    m_grid->setEnabled(!busy);
}

bool CSolverCalculatorView::viewKey(int id) {
    if (CAnalysisView::viewKey(id)) return true;
    if (id != NAMES_KEY) return false;
    fillNames();
    return true;
}

std::vector<Parameter> CSolverCalculatorView::parameters() const {
    m_grid->endEditing();
    std::vector<Parameter> list;
    for (int column = 1; column < m_grid->getColumnCount(); ++column) {
        std::wstring name = m_grid->getItemText(0, column);
        if (name.empty()) break;
        list.push_back({std::move(name), m_grid->getItemText(1, column)});
    }
    return list;
}

void CSolverCalculatorView::setParameters(const std::vector<Parameter>& parameters) {
    m_grid->endEditing();
    // Emptied first: no name or value of the previous list survives.
    m_grid->setColumnCount(1);
    const int columns = static_cast<int>(parameters.size()) + 1 + SPARE_COLUMNS;
    m_grid->setColumnCount(std::max(columns, MIN_COLUMNS));
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        m_grid->setItemText(0, column, parameters[i].name);
        m_grid->setItemText(1, column, parameters[i].value);
    }
    // A column without a name shows no name (not its number).
    for (int column = static_cast<int>(parameters.size()) + 1; column < m_grid->getColumnCount(); ++column)
        m_grid->setItemText(0, column, std::wstring());
}

void CSolverCalculatorView::fillNames() {
    setParameters(SolverEquation::withNames(inputText(), parameters()));
}

void CSolverCalculatorView::refuse(unsigned id) {
    Platform::messageBox().show(this, message(id), L"Orvanta", MessageIcon::Exclamation, MessageButtons::Ok);
}

void CSolverCalculatorView::calculateInput() {
    if (busy()) return;
    std::wstring equation = inputText(), unknown;
    if (const unsigned refusal = SolverEquation::prepare(equation, parameters(), unknown)) {
        refuse(refusal);
        return;
    }
    if (lastEqualsKey() != WIDE_EQUALS_KEY) {
        solveInRange(equation, unknown);
        return;
    }
    // The wide search first; a range is asked for only when it finds nothing.
    auto found = std::make_shared<bool>(false);
    runLong(
        [equation, found](EngineAdapter& adapter, std::wstring& result) {
            return adapter.calculateSolver(equation, result, *found);
        },
        [this, equation, unknown, found](const std::wstring& result) {
            showSolution(unknown, result, *found);
            if (!*found) solveInRange(equation, unknown);
        });
}

void CSolverCalculatorView::solveInRange(const std::wstring& equation, const std::wstring& unknown) {
    double from = RANGE_FROM, to = RANGE_TO;
    LodrinStarter starter(this);
    if (!starter.showRangeSolver(message(M::SOLVER_RANGE), from, to)) return;
    auto found = std::make_shared<bool>(false);
    runLong(
        [equation, from, to, found](EngineAdapter& adapter, std::wstring& result) {
            return adapter.calculateSolver(equation, result, from, to, *found);
        },
        [this, unknown, found](const std::wstring& result) { showSolution(unknown, result, *found); });
}

void CSolverCalculatorView::showSolution(const std::wstring& unknown, const std::wstring& result,
                                         bool found) {
    setResultText(found ? unknown + result : result);
}

void CSolverCalculatorView::equationLoad() {
    if (busy()) return;
    const OrvantaCalcBase& engine = document().engine();
    LodrinStarter starter(this);
    offerEquations(starter, engine);
    const int slot = starter.showLoadEquation();
    if (slot < 0 || slot >= SLOTS) return;
    setResultText(std::wstring());
    setInputText(engine.getEquation(slot));
    m_equation_name = engine.getEquationName(slot);
    setParameters(SolverEquation::fromLists(engine.getEquationParams(slot), engine.getEquationValues(slot)));
}

void CSolverCalculatorView::equationStore() {
    if (busy()) return;
    const std::wstring equation = inputText();
    if (equation.empty()) return refuse(M::ENTER_EQUATION);
    const std::vector<Parameter> params = parameters();
    if (params.empty()) return refuse(M::ENTER_PARAMETERS);

    COrvantaDoc& doc = document();
    LodrinStarter starter(this);
    offerEquations(starter, doc.engine());
    std::wstring name = m_equation_name;
    const int slot = starter.showStoreEquation(equation, name);
    if (slot < 0 || slot >= SLOTS) return;
    for (int i = 0; i < SLOTS; ++i)
        if (starter.isEquationDeleted(i)) doc.setEquation(i, L"", L"", L"", L"");
    doc.setEquation(slot, name, equation, SolverEquation::nameList(params),
                    SolverEquation::valueList(params));
    doc.writeEquations();
    m_equation_name = name;
}

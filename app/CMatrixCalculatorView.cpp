#include "CMatrixCalculatorView.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "CGridCtrl.h"
#include "COrvantaDoc.h"
#include "GridViewIds.h"
#include "IExpression.h"
#include "KeypadSpots.h"
#include "ModeTable.h"

using namespace CalculatorModes;
using namespace GridViewIds;

namespace {
using namespace KeypadSpots;
constexpr int COLUMNS = 8;
constexpr int ROWS = 6;

// clang-format off
constexpr KeySpot s_keys[] = {
    state(1083, 0, 0), state(1090, 0, 1), state(1089, 0, 2), state(KEY_CLEAR, 0, 3), state(KEY_TRANS, 0, 4),
    state(KEY_TAKE_RESULT, 0, 5), state(1361, 0, 6), state(1362, 0, 7),
    fn(1425, 1, 0), fn(1426, 1, 1), fn(1427, 1, 2), fn(1022, 1, 3), fn(1428, 1, 4), fn(1019, 1, 5),
    fn(1068, 1, 6), fn(1421, 1, 7),
    digit(1402, 2, 0), digit(1403, 2, 1), digit(1404, 2, 2), op(1414, 2, 3), op(1276, 2, 4), op(1277, 2, 5),
    fn(1071, 2, 6), fn(1020, 2, 7),
    digit(1405, 3, 0), digit(1406, 3, 1), digit(1407, 3, 2), op(1415, 3, 3), fn(1279, 3, 4), fn(1323, 3, 5),
    fn(1088, 3, 6), fn(1306, 3, 7),
    digit(1408, 4, 0), digit(1409, 4, 1), digit(1410, 4, 2), op(1416, 4, 3), fn(1308, 4, 4),
    // The exponent key and the imaginary unit share a place: one of them
    // shows, by the number type.
    fn(KEY_EXPONENT, 4, 5), op(KEY_UNIT, 4, 5), fn(KEY_POLAR, 4, 6), fn(1508, 4, 7),
    digit(1411, 5, 0, 2), digit(1413, 5, 2), op(1417, 5, 3), equals(1023, 5, 4, 4),
};
// clang-format on

constexpr ViewKey s_view_keys[] = {
    {KEY_CLEAR, {L"Clear", L"L\u00F6sch"}, true},
    {KEY_TRANS, {L"Trans", L"Trans"}, true},
    {KEY_TAKE_RESULT, {L"=\u21921", L"=\u21921"}},
    {KEY_EXPONENT, {L"EE", L"EE"}, true},
};

// Keys without a complex meaning: disabled while complex numbers are chosen.
constexpr int s_real_only_keys[] = {1022, 1088, 1020, 1306, 1308};

// The operations in list order; the real list has the first eleven, the
// complex list those marked complex. A text of 0 is an own text.
struct Operation {
    MATRIXOPERATION code;
    unsigned message;
    bool real;
    bool complex;
};
constexpr Operation s_operations[] = {
    {MAT_ADD, MSG_ADDITION, true, true},
    {MAT_SUB, MSG_ADDITION + 1, true, true},
    {MAT_MUL, MSG_ADDITION + 2, true, true},
    {MAT_TRANSPOSE, MSG_ADDITION + 3, true, true},
    {MAT_DET, MSG_ADDITION + 4, true, true},
    {MAT_INVERSE, MSG_ADDITION + 5, true, true},
    {MAT_RANK, MSG_ADDITION + 6, true, false},
    {MAT_GAUSS_ROWS, MSG_ADDITION + 7, true, false},
    {MAT_GAUSS_ROWSCOLS, MSG_ADDITION + 8, true, false},
    {MAT_GAUSS_NORMAL, MSG_ADDITION + 9, true, false},
    {MAT_LINEAR_EQUATION, MSG_ADDITION + 10, true, false},
    {MAT_CONJUGATE, MSG_CONJUGATE, false, true},
    {MAT_ADJUGATE, 0, false, true},
};

constexpr const wchar_t* s_targets[] = {L"1", L"2", L"="};

QComboBox* makeList(QWidget* parent, int id, const QFont& font) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::number(id));
    list->setFont(font);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(2);
    return list;
}

// Puts texts into a list, keeping the chosen entry.
void setTexts(QComboBox& list, std::initializer_list<std::wstring> texts) {
    const int chosen = std::max(list.currentIndex(), 0);
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const std::wstring& text : texts)
        list.addItem(QString::fromStdWString(text));
    list.setCurrentIndex(chosen);
}

// The form of complex results follows the view's own list for one calculation.
class FormOverride {
public:
    FormOverride(COrvantaDoc& document, COMLEXRESULT form)
        : m_document(document), m_saved(document.m_complexResult) {
        document.m_complexResult = form;
    }
    ~FormOverride() { m_document.m_complexResult = m_saved; }
    FormOverride(const FormOverride&) = delete;
    FormOverride& operator=(const FormOverride&) = delete;

private:
    COrvantaDoc& m_document;
    COMLEXRESULT m_saved;
};
} // namespace

CMatrixCalculatorView::CMatrixCalculatorView(COrvantaDoc& document, QWidget* parent)
    : CCalculatorView(document, ModeTable::MATRIX, parent) {
    buildControls();
    installKeypadFor(s_keys, COLUMNS, ROWS);
    connectKeys(*this, s_view_keys, [this](int id) { ownKey(id); });
    fillChoiceTexts();
    applyNumberType();
}

void CMatrixCalculatorView::buildControls() {
    // The cells take the place of the input line; the memory list has no
    // use here.
    inputLine()->hide();
    memoryList()->hide();

    auto* choices = new QHBoxLayout;
    m_target = makeList(this, MATRIX_TARGET, resultFont());
    m_type = makeList(this, MATRIX_TYPE, resultFont());
    m_form = makeList(this, MATRIX_FORM, resultFont());
    m_operation = makeList(this, MATRIX_OPERATION, resultFont());
    for (const wchar_t* target : s_targets)
        m_target->addItem(QString::fromWCharArray(target));
    choices->addWidget(m_target, 1);
    choices->addWidget(m_type, 2);
    choices->addWidget(m_form, 2);
    // The operation names are long: on the portrait screens they get a row
    // of their own.
    auto* operations = wideScreen() ? choices : new QHBoxLayout;
    operations->addWidget(m_operation, 3);

    m_stack = new QStackedWidget(this);
    // Smaller than the result line, so that most of a 10 x 10 matrix is in view.
    QFont cellFont = resultFont();
    cellFont.setPixelSize(std::max(cellFont.pixelSize() * 2 / 3, 10));
    const QFontMetrics metrics(cellFont);
    m_cell_width = metrics.horizontalAdvance(QStringLiteral("-0.0000")) + 6;
    const int ids[] = {MATRIX_GRID_1, MATRIX_GRID_2, MATRIX_GRID_RESULT};
    for (int i = 0; i < 3; ++i) {
        auto* grid = new CGridCtrl(m_stack);
        grid->setObjectName(QString::number(ids[i]));
        grid->setFont(cellFont);
        grid->setRowCount(GRID_SIZE);
        grid->setColumnCount(GRID_SIZE);
        grid->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("10")) + 8);
        for (int c = 1; c < GRID_SIZE; ++c)
            grid->setColumnWidth(c, m_cell_width);
        for (int r = 1; r < GRID_SIZE; ++r)
            grid->setRowHeight(r, metrics.height() + 6);
        connect(grid, &CGridCtrl::textCut, this, &CMatrixCalculatorView::showCut);
        m_grids[static_cast<std::size_t>(i)] = grid;
        m_stack->addWidget(grid);
    }
    // The result is read, not edited: key 1344 takes it over as matrix 1.
    grid(RESULT).setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertLayout(0, choices);
    if (operations != choices) layout->insertLayout(1, operations);
    layout->insertWidget(layout->indexOf(inputLine()), m_stack, 1);

    connect(m_target, &QComboBox::currentIndexChanged, m_stack, &QStackedWidget::setCurrentIndex);
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] { applyNumberType(); });
}

bool CMatrixCalculatorView::foldsKeypad() const {
    // The grid needs the height: on both landscape screens the keypad folds
    // into half its rows.
    return wideScreen() || landscapeLayout();
}

bool CMatrixCalculatorView::wideScreen() const {
    return screenClass() == ScreenClass::QvgaLandscape || screenClass() == ScreenClass::VgaLandscape;
}

// ---- Lists ----

CMatrixCalculatorView::Target CMatrixCalculatorView::target() const {
    return static_cast<Target>(std::clamp(m_target->currentIndex(), 0, 2));
}

void CMatrixCalculatorView::setTarget(Target target) {
    m_target->setCurrentIndex(target);
}

bool CMatrixCalculatorView::complexNumbers() const {
    return m_type->currentIndex() == 1;
}

void CMatrixCalculatorView::setComplexNumbers(bool complex) {
    m_type->setCurrentIndex(complex ? 1 : 0);
}

void CMatrixCalculatorView::fillChoiceTexts() {
    const int language = document().m_language;
    setTexts(*m_type, {TXT_REAL.in(language), TXT_COMPLEX.in(language)});
    setTexts(*m_form, {TXT_RECT.in(language), TXT_POLAR.in(language)});
}

void CMatrixCalculatorView::fillOperations() {
    const bool complex = complexNumbers();
    const int chosen = std::max(m_operation->currentIndex(), 0);
    m_operation->clear();
    for (const Operation& op : s_operations) {
        if (complex ? !op.complex : !op.real) continue;
        const std::wstring text = op.message ? message(op.message) : TXT_ADJOINT.in(document().m_language);
        m_operation->addItem(QString::fromStdWString(text), static_cast<int>(op.code));
    }
    m_operation->setCurrentIndex(std::min(chosen, m_operation->count() - 1));
}

void CMatrixCalculatorView::applyNumberType() {
    const bool complex = complexNumbers();
    fillOperations();
    for (int id : {KEY_UNIT, KEY_POLAR})
        if (KeyButton* k = key(id)) k->setVisible(complex);
    if (KeyButton* k = key(KEY_EXPONENT)) k->setVisible(!complex);
    for (int id : s_real_only_keys)
        if (KeyButton* k = key(id)) k->setEnabled(!complex);
    m_form->setEnabled(complex);
    for (CGridCtrl* g : m_grids)
        g->viewport()->update();
}

void CMatrixCalculatorView::languageChanged() {
    CCalculatorView::languageChanged();
    if (!m_operation) return; // still being built
    fillChoiceTexts();
    fillOperations();
}

void CMatrixCalculatorView::refreshKeys(int group) {
    CCalculatorView::refreshKeys(group);
    labelKeys(*this, s_view_keys, document().m_language);
}

// ---- Reading and writing matrices ----

MatrixContent CMatrixCalculatorView::readMatrix(CGridCtrl& grid) {
    grid.endEditing();
    int columns = 0;
    while (columns + 1 < grid.getColumnCount() && !grid.getItemText(1, columns + 1).empty())
        ++columns;
    int rows = 0;
    while (rows + 1 < grid.getRowCount() && !grid.getItemText(rows + 1, 1).empty())
        ++rows;
    MatrixContent matrix(rows, columns, {});
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            matrix.cells.push_back(grid.getItemText(r, c));
    return matrix;
}

void CMatrixCalculatorView::writeMatrix(CGridCtrl& grid, const MatrixContent& matrix) {
    grid.endEditing();
    for (int r = 1; r < grid.getRowCount(); ++r)
        for (int c = 1; c < grid.getColumnCount(); ++c) {
            const std::size_t at = static_cast<std::size_t>((r - 1) * matrix.columns + (c - 1));
            const bool inside = r <= matrix.rows && c <= matrix.columns && at < matrix.cells.size();
            grid.setItemText(r, c, inside ? matrix.cells[at] : std::wstring());
        }
}

// ---- Keys ----

void CMatrixCalculatorView::calculateInput() {
    MatrixContent a = readMatrix(grid(MATRIX_1));
    MatrixContent b = readMatrix(grid(MATRIX_2));
    MatrixContent result;
    const auto op = static_cast<MATRIXOPERATION>(m_operation->currentData().toInt());
    bool ok = false;
    {
        const FormOverride form(document(), m_form->currentIndex() == 1 ? POLAR : RECTANGULAR);
        ok = document().calculateMatrix(result, a, b, op, !complexNumbers());
    }
    if (!ok) return; // the message box has told the user; the grids stay as they were
    setResultText(std::wstring());
    writeMatrix(grid(RESULT), result);
    fitColumns(grid(RESULT));
    setTarget(RESULT);
}

void CMatrixCalculatorView::matrixHook() {
    writeMatrix(grid(MATRIX_1), readMatrix(grid(RESULT)));
    fitColumns(grid(MATRIX_1));
    setTarget(MATRIX_1);
}

CGridCtrl* CMatrixCalculatorView::operandGrid() const {
    return target() == RESULT ? nullptr : m_grids[target()];
}

void CMatrixCalculatorView::insertTemplate(const std::wstring& text) {
    CGridCtrl* g = operandGrid();
    if (!g) return;
    int back = 0;
    if (text.find(L"(,)") != std::wstring::npos)
        back = 2;
    else if (text.find(L"()") != std::wstring::npos && IExpression::countFunctionParameters(text) != 0)
        back = 1;
    g->insertText(text, back);
}

void CMatrixCalculatorView::deleteBackward() {
    if (CGridCtrl* g = operandGrid()) g->sendBackspace();
}

void CMatrixCalculatorView::ownKey(int id) {
    switch (id) {
    case KEY_CLEAR:
        clearOperand();
        break;
    case KEY_TRANS:
        transposeOperand();
        break;
    case KEY_EXPONENT:
        insertTemplate(L"E");
        break;
    default:
        break;
    }
}

void CMatrixCalculatorView::clearOperand() {
    if (CGridCtrl* g = operandGrid()) writeMatrix(*g, MatrixContent());
}

void CMatrixCalculatorView::transposeOperand() {
    CGridCtrl* g = operandGrid();
    if (!g) return;
    // The whole square of cells turns over its diagonal, so nothing the
    // user typed outside the matrix is lost.
    g->endEditing();
    for (int r = 1; r < GRID_SIZE; ++r)
        for (int c = r + 1; c < GRID_SIZE; ++c) {
            const std::wstring upper = g->getItemText(r, c);
            g->setItemText(r, c, g->getItemText(c, r));
            g->setItemText(c, r, upper);
        }
    fitColumns(*g);
}

void CMatrixCalculatorView::fitColumns(CGridCtrl& g) {
    // Wide enough for the longest text of the column, up to half the view.
    const QFontMetrics metrics(g.font());
    const int limit = std::max(m_cell_width, width() / 2);
    for (int c = 1; c < GRID_SIZE; ++c) {
        int widest = 0;
        for (int r = 1; r < GRID_SIZE; ++r)
            widest =
                std::max(widest, metrics.horizontalAdvance(QString::fromStdWString(g.getItemText(r, c))));
        g.setColumnWidth(c, std::clamp(widest + 12, m_cell_width, limit));
    }
}

void CMatrixCalculatorView::showCut() {
    setResultText(TXT_CELL_CUT.in(document().m_language));
}

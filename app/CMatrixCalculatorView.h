#pragma once
#include <array>

#include "CCalculatorView.h"
#include "MatrixContent.h"

class CGridCtrl;
class QStackedWidget;

// The matrix calculator: real and complex matrices up to 10 x 10. Two
// operand grids and a result grid share one place; the target list chooses
// the one shown and edited. The keypad types into the focus cell of the
// shown operand, so a cell may hold an expression. A matrix is read from
// the top left corner: its width is the run of filled cells in row 1, its
// height the run in column 1.
class CMatrixCalculatorView : public CCalculatorView {
    Q_OBJECT
public:
    // Grid sizes with the header row and column; a matrix has at most
    // MAX_ORDER rows and columns.
    static constexpr int GRID_SIZE = 11;
    static constexpr int MAX_ORDER = GRID_SIZE - 1;
    enum Target { MATRIX_1, MATRIX_2, RESULT };

    explicit CMatrixCalculatorView(COrvantaDoc& document, QWidget* parent = nullptr);

    CGridCtrl& grid(Target target) const { return *m_grids[target]; }
    Target target() const;
    void setTarget(Target target);
    bool complexNumbers() const;
    void setComplexNumbers(bool complex);

    // The matrix a grid holds, read by the runs of row 1 and column 1, and
    // a matrix written into a grid in place of what it held.
    static MatrixContent readMatrix(CGridCtrl& grid);
    static void writeMatrix(CGridCtrl& grid, const MatrixContent& matrix);

    void calculateInput() override;
    void matrixHook() override;
    void insertTemplate(const std::wstring& text) override;
    void deleteBackward() override;
    void languageChanged() override;
    void refreshKeys(int group) override;

protected:
    bool foldsKeypad() const override;

private:
    void buildControls();
    bool wideScreen() const;
    void fillOperations();
    void fillChoiceTexts();
    void applyNumberType();
    void ownKey(int id);
    void showCut();
    // The operand grid shown, or nullptr while the result is shown.
    CGridCtrl* operandGrid() const;
    void clearOperand();
    void transposeOperand();
    void fitColumns(CGridCtrl& grid);

    std::array<CGridCtrl*, 3> m_grids{};
    QStackedWidget* m_stack = nullptr;
    QComboBox* m_target = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_form = nullptr;
    QComboBox* m_operation = nullptr;
    int m_cell_width = 0; // of an empty column
};

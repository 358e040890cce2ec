#include <QComboBox>
#include <QTest>

#include "AppTest.h"
#include "CGridCtrl.h"
#include "CMainFrame.h"
#include "CMatrixCalculatorView.h"
#include "COrvantaDoc.h"
#include "GridViewIds.h"
#include "KeyButton.h"
#include "ModeTable.h"
#include "OrvantaApp.h"

namespace {
using namespace GridViewIds;
using Target = CMatrixCalculatorView::Target;

class MatrixViewTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_view = dynamic_cast<CMatrixCalculatorView*>(startShown(m_app, ModeTable::MATRIX));
        ASSERT_NE(m_view, nullptr);
    }
    void TearDown() override {
        m_app.reset();
        AppTest::TearDown();
    }
    template <class T> T* control(int id) { return m_view->findChild<T*>(QString::number(id)); }
    CGridCtrl& grid(int id) { return *control<CGridCtrl>(id); }
    void press(const std::vector<int>& ids) {
        for (int id : ids) {
            KeyButton* k = control<KeyButton>(id);
            ASSERT_NE(k, nullptr) << "key " << id;
            QTest::mouseClick(k, Qt::LeftButton);
        }
    }
    // Rows of cells from the top left corner of a grid.
    void fill(int gridId, const std::vector<std::vector<std::wstring>>& rows) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                grid(gridId).setItemText(static_cast<int>(r + 1), static_cast<int>(c + 1), rows[r][c]);
    }
    std::vector<std::vector<std::wstring>> cells(int gridId, int rows, int columns) {
        std::vector<std::vector<std::wstring>> out(static_cast<std::size_t>(rows));
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                out[static_cast<std::size_t>(r - 1)].push_back(grid(gridId).getItemText(r, c));
        return out;
    }
    void chooseOperation(unsigned messageId) {
        QComboBox* ops = control<QComboBox>(MATRIX_OPERATION);
        ops->setCurrentIndex(ops->findText(QString::fromStdWString(engineText(messageId))));
    }

    std::unique_ptr<OrvantaApp> m_app;
    CMatrixCalculatorView* m_view = nullptr;
};

TEST_F(MatrixViewTest, NumberTypeRebuildsTheOperationsAndTheKeys) {
    QComboBox* ops = control<QComboBox>(MATRIX_OPERATION);
    ASSERT_EQ(ops->count(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(ops->itemText(i).toStdWString(), engineText(40280 + static_cast<unsigned>(i)));
    m_view->setComplexNumbers(true);
    ASSERT_EQ(ops->count(), 8);
    EXPECT_EQ(ops->itemText(5).toStdWString(), engineText(40285));
    EXPECT_EQ(ops->itemText(6).toStdWString(), engineText(40321));
    EXPECT_EQ(ops->itemText(7), "Adjoint");
    for (bool complex : {true, false}) {
        m_view->setComplexNumbers(complex);
        EXPECT_EQ(control<KeyButton>(KEY_UNIT)->isHidden(), !complex);
        EXPECT_EQ(control<KeyButton>(KEY_POLAR)->isHidden(), !complex);
        EXPECT_EQ(control<KeyButton>(KEY_EXPONENT)->isHidden(), complex);
        for (int id : {1022, 1088, 1020, 1306, 1308})
            EXPECT_EQ(control<KeyButton>(id)->isEnabled(), !complex) << id;
    }
}

TEST_F(MatrixViewTest, ComplexOperationsPassTheirOwnCodes) {
    // The view's result must equal the engine's for the code the operation
    // stands for.
    const std::vector<std::wstring> a = {L"1+2*i", L"3", L"4*i", L"5-i"};
    const std::pair<int, CalculatorModes::MATRIXOPERATION> cases[] = {{6, CalculatorModes::MAT_CONJUGATE},
                                                                      {7, CalculatorModes::MAT_ADJUGATE},
                                                                      {3, CalculatorModes::MAT_TRANSPOSE}};
    m_view->setComplexNumbers(true);
    fill(MATRIX_GRID_1, {{a[0], a[1]}, {a[2], a[3]}});
    for (const auto& [index, code] : cases) {
        control<QComboBox>(MATRIX_OPERATION)->setCurrentIndex(index);
        press({1023});
        MatrixContent expected;
        MatrixContent ma(2, 2, a);
        MatrixContent mb;
        ASSERT_TRUE(m_app->document()->calculateMatrix(expected, ma, mb, code, false));
        EXPECT_EQ(m_view->target(), CMatrixCalculatorView::RESULT);
        EXPECT_EQ(CMatrixCalculatorView::readMatrix(grid(MATRIX_GRID_RESULT)).cells, expected.cells) << index;
    }
}

TEST_F(MatrixViewTest, OperandsAreReadByTheRunsOfRowAndColumnOne) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::wstring>> rows;
        int expectedRows, expectedColumns;
        std::vector<std::wstring> expectedCells;
    };
    const Case cases[] = {
        {"2 x 3 block", {{L"1", L"2", L"3"}, {L"4", L"5", L"6"}}, 2, 3, {L"1", L"2", L"3", L"4", L"5", L"6"}},
        {"hole inside", {{L"1", L"2"}, {L"3", L""}}, 2, 2, {L"1", L"2", L"3", L""}},
        {"gap in row 1 ends it", {{L"1", L"", L"7"}, {L"2", L"5", L"8"}}, 2, 1, {L"1", L"2"}},
        {"empty corner", {{L"", L"2"}, {L"3", L"4"}}, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMatrixCalculatorView::writeMatrix(grid(MATRIX_GRID_1), MatrixContent());
        fill(MATRIX_GRID_1, c.rows);
        const MatrixContent m = CMatrixCalculatorView::readMatrix(grid(MATRIX_GRID_1));
        EXPECT_EQ(m.rows, c.expectedRows);
        EXPECT_EQ(m.columns, c.expectedColumns);
        EXPECT_EQ(m.cells, c.expectedCells);
    }
}

TEST_F(MatrixViewTest, AHoleIsRefusedByTheEngineInAMessageBox) {
    fill(MATRIX_GRID_1, {{L"1", L"2"}, {L"3", L""}});
    chooseOperation(40284);
    press({1023});
    const std::vector<std::wstring> shown = takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(L"2 rows and 2 columns"), std::wstring::npos);
    EXPECT_EQ(m_view->target(), CMatrixCalculatorView::MATRIX_1);
    EXPECT_EQ(grid(MATRIX_GRID_RESULT).getItemText(1, 1), L"");
}

TEST_F(MatrixViewTest, LinearSystemResultIsTakenOverTransposedAndCleared) {
    // Typed with the keypad: 1 Tab 1 Tab 3, then the second row.
    CGridCtrl& g = grid(MATRIX_GRID_1);
    g.setFocusCell(1, 1);
    const int keys[2][3] = {{1408, 1408, 1410}, {1408, 0, 1408}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            g.setFocusCell(r + 1, c + 1);
            if (keys[r][c] == 0)
                press({1416, 1408}); // "-1"
            else
                press({keys[r][c]});
        }
    chooseOperation(40290);
    press({1023});
    using Rows = std::vector<std::vector<std::wstring>>;
    EXPECT_EQ(cells(MATRIX_GRID_RESULT, 2, 3), (Rows{{L"1", L"0", L"2"}, {L"0", L"1", L"1"}}));
    press({KEY_TAKE_RESULT});
    EXPECT_EQ(m_view->target(), CMatrixCalculatorView::MATRIX_1);
    EXPECT_EQ(control<QComboBox>(MATRIX_TARGET)->currentText(), "1");
    EXPECT_EQ(cells(MATRIX_GRID_1, 2, 3), (Rows{{L"1", L"0", L"2"}, {L"0", L"1", L"1"}}));
    press({KEY_TRANS});
    EXPECT_EQ(cells(MATRIX_GRID_1, 3, 2), (Rows{{L"1", L"0"}, {L"0", L"1"}, {L"2", L"1"}}));
    EXPECT_EQ(g.getItemText(1, 3), L"");
    press({KEY_CLEAR});
    EXPECT_TRUE(CMatrixCalculatorView::readMatrix(g).isEmpty());
    EXPECT_EQ(g.getItemText(3, 1), L"");
}

TEST_F(MatrixViewTest, KeypadEditsTheFocusCellAndBackspaceReachesIt) {
    CGridCtrl& g = grid(MATRIX_GRID_1);
    g.setFocusCell(2, 2);
    press({1409, 1413, 1406, 1361, 1425, 1411});
    EXPECT_EQ(g.getItemText(2, 2), L""); // not committed yet
    g.endEditing();
    EXPECT_EQ(g.getItemText(2, 2), L"2.sin(0)");
    // Nothing is typed into the result.
    m_view->setTarget(CMatrixCalculatorView::RESULT);
    grid(MATRIX_GRID_RESULT).setFocusCell(1, 1);
    press({1409, 1361});
    EXPECT_EQ(grid(MATRIX_GRID_RESULT).getItemText(1, 1), L"");
}

TEST_F(MatrixViewTest, APasteCutToTheGridIsSaidInTheResultLine) {
    CGridCtrl& g = grid(MATRIX_GRID_1);
    g.setFocusCell(10, 1);
    EXPECT_FALSE(g.pasteBlock(QStringLiteral("1\n2")));
    EXPECT_EQ(g.getItemText(10, 1), L"1");
    EXPECT_EQ(m_view->resultText(), TXT_CELL_CUT.in(0));
}

TEST_F(MatrixViewTest, ContentSurvivesHidingAndALanguageSwitch) {
    fill(MATRIX_GRID_2, {{L"7"}});
    m_view->setTarget(CMatrixCalculatorView::MATRIX_2);
    m_view->setComplexNumbers(true);
    control<QComboBox>(MATRIX_OPERATION)->setCurrentIndex(7);
    m_app->frame()->switchMode(ModeTable::SCIENTIFIC);
    m_app->document()->setLanguage(1);
    m_app->frame()->languageChanged();
    m_app->frame()->switchMode(ModeTable::MATRIX);
    EXPECT_EQ(grid(MATRIX_GRID_2).getItemText(1, 1), L"7");
    EXPECT_EQ(m_view->target(), CMatrixCalculatorView::MATRIX_2);
    EXPECT_TRUE(m_view->complexNumbers());
    EXPECT_EQ(control<QComboBox>(MATRIX_OPERATION)->currentText(), "Adjungierte");
    EXPECT_EQ(control<QComboBox>(MATRIX_TYPE)->currentText(), "komplex");
    EXPECT_EQ(control<KeyButton>(KEY_CLEAR)->caption(), L"L\u00F6sch");
}
} // namespace

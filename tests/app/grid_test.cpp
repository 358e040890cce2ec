#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "CGridCtrl.h"

namespace {
class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_grid.setRowCount(11);
        m_grid.setColumnCount(11);
        m_grid.show();
        m_grid.activateWindow();
        m_grid.setFocus();
        m_grid.setFocusCell(1, 1);
    }
    // Keys as the user types them, each to the widget that has the focus.
    void typeText(const QString& text) {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_grid;
            QTest::keyClick(target, c.toLatin1());
        }
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_grid;
        QTest::keyClick(target, k, modifiers);
        QApplication::processEvents(); // Enter closes the edit by a queued call
    }
    std::string text(int row, int column) const {
        return QString::fromStdWString(m_grid.getItemText(row, column)).toStdString();
    }

    CGridCtrl m_grid;
};

TEST_F(GridTest, EditedTextReachesTheCellOnlyWhenCommitted) {
    m_grid.setItemText(1, 1, L"7");
    m_grid.insertText(L"sin()", 1);
    m_grid.insertText(L"2");
    EXPECT_EQ(text(1, 1), "7");
    m_grid.endEditing();
    EXPECT_EQ(text(1, 1), "sin(2)");
    // A backspace sent by a view works on the cell's edit.
    m_grid.insertText(L"12");
    m_grid.sendBackspace();
    m_grid.endEditing();
    EXPECT_EQ(text(1, 1), "1");
}

TEST_F(GridTest, TabAndEnterMoveLikeASpreadsheet) {
    typeText(QStringLiteral("2"));
    key(Qt::Key_Tab);
    typeText(QStringLiteral("1"));
    key(Qt::Key_Tab);
    typeText(QStringLiteral("0"));
    key(Qt::Key_Return);
    typeText(QStringLiteral("5"));
    key(Qt::Key_Return);
    EXPECT_EQ(text(1, 1), "2");
    EXPECT_EQ(text(1, 2), "1");
    EXPECT_EQ(text(1, 3), "0");
    EXPECT_EQ(text(2, 1), "5"); // Enter went back to the column the Tabs started from
    EXPECT_EQ(m_grid.focusRow(), 3);
    EXPECT_EQ(m_grid.focusColumn(), 1);
}

TEST_F(GridTest, ResizingKeepsTheCellsThatRemain) {
    m_grid.setItemText(3, 4, L"x");
    m_grid.setItemText(8, 2, L"y");
    m_grid.setItemText(0, 2, L"head");
    m_grid.setRowCount(5);
    m_grid.setColumnCount(6);
    m_grid.setRowCount(11);
    m_grid.setColumnCount(11);
    EXPECT_EQ(m_grid.getRowCount(), 11);
    EXPECT_EQ(text(3, 4), "x");
    EXPECT_EQ(text(8, 2), ""); // cut off by the shrink, empty when it came back
    EXPECT_EQ(text(0, 2), "head");
    EXPECT_EQ(text(11, 1), ""); // outside the table
}

TEST_F(GridTest, BlocksPasteAndCopyAsTabSeparatedLines) {
    m_grid.setFocusCell(2, 2);
    EXPECT_TRUE(m_grid.pasteBlock(QStringLiteral("1\t2\r\n3\t\r\n")));
    EXPECT_EQ(text(2, 2), "1");
    EXPECT_EQ(text(2, 3), "2");
    EXPECT_EQ(text(3, 2), "3");
    EXPECT_EQ(text(3, 3), "");
    m_grid.setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "1\t2\n3\t");
    // Delete empties the selection.
    key(Qt::Key_Delete);
    EXPECT_EQ(text(2, 2), "");
    EXPECT_EQ(text(3, 2), "");
}

TEST_F(GridTest, APasteBeyondTheTableIsCutAndSaidSo) {
    QSignalSpy cut(&m_grid, &CGridCtrl::textCut);
    m_grid.setFocusCell(10, 9);
    QApplication::clipboard()->setText(QStringLiteral("a\tb\tc\nd\te\tf"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(10, 9), "a");
    EXPECT_EQ(text(10, 10), "b");
    EXPECT_EQ(cut.count(), 1);
    // A cell keeps no more than MAX_CELL_TEXT characters.
    EXPECT_FALSE(m_grid.setItemText(1, 1, std::wstring(CGridCtrl::MAX_CELL_TEXT + 5, L'1')));
    EXPECT_EQ(m_grid.getItemText(1, 1).size(), static_cast<std::size_t>(CGridCtrl::MAX_CELL_TEXT));
}
} // namespace

#pragma once
#include <QTableWidget>
#include <string>

class QLineEdit;

// The spreadsheet-like table in which the statistics, matrix and solver
// views keep their data: text cells under a fixed header row and beside a
// fixed header column, edited in place. Row 0 and column 0 are the headers
// (they stay in view while the cells scroll); the cells proper start at row
// 1 and column 1. The counts and coordinates taken and given here include
// the header row and column.
//
// A cell's text changes only when its in-place edit is committed (Enter,
// Tab, moving away, or endEditing), so a view that reads the cells calls
// endEditing first. Beyond the keys of a spreadsheet, Ctrl+C and Ctrl+V copy
// and paste rectangular blocks as tab-separated lines, and Delete empties
// the selected cells.
class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    // The longest text a cell keeps; the engine gets nothing it cannot take
    // in one piece.
    static constexpr int MAX_CELL_TEXT = 1000;

    explicit CGridCtrl(QWidget* parent = nullptr);

    // Counts and sizes, header row and column included. New cells are empty.
    int getRowCount() const { return rowCount() + 1; }
    int getColumnCount() const { return columnCount() + 1; }
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void setRowHeight(int row, int pixels);
    void setColumnWidth(int column, int pixels);

    // The text of a cell or, in row 0 or column 0, of a header; empty for an
    // empty cell or one outside the table. A text longer than MAX_CELL_TEXT
    // is cut, and setItemText then answers false.
    std::wstring getItemText(int row, int column) const;
    bool setItemText(int row, int column, const std::wstring& text);

    // Commits the in-place edit, if any, into its cell.
    void endEditing();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The focus cell, as (row, column) with the headers counted; (0, 0)
    // when no cell has the focus.
    int focusRow() const { return currentRow() + 1; }
    int focusColumn() const { return currentColumn() + 1; }
    void setFocusCell(int row, int column);
    void redrawRow(int row);

    // What a view's keypad types: the text goes in at the caret of the edit
    // of the focus cell (opened when none is, replacing the cell's text like
    // a typed key), and the caret then steps caretBack characters back,
    // between the parentheses of a function template.
    void insertText(const std::wstring& text, int caretBack = 0);
    // A backspace character sent by a view: deletes before the caret of the
    // edit, or empties the focus cell when none is open.
    void sendBackspace();

    // The selected block as tab-separated lines, and a block pasted with its
    // top left corner at the focus cell. false (and textCut) when the block
    // did not fit: what lies beyond the table or MAX_CELL_TEXT is cut off.
    QString copyBlock() const;
    bool pasteBlock(const QString& text);
    void clearSelectedCells();
    // Select-all: every cell of the table.
    void selectAllCells() { selectAll(); }

signals:
    // A paste or a text was cut to fit the table; the views say so.
    void textCut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QTableWidgetItem* cell(int row, int column);
    void moveNext();
    void moveDown();
    QLineEdit* openEditor();

    // Enter goes back to the column where a run of Tabs started, one row down.
    int m_tab_origin = -1;
};

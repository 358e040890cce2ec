#include "CGridCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {
// The in-place edit takes no more than a cell keeps.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(CGridCtrl::MAX_CELL_TEXT);
        return editor;
    }
};

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}
} // namespace

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // One wheel notch scrolls the desktop's number of lines; per item, a
    // line is a row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(true);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(true);
    verticalHeader()->setHighlightSections(true);
}

// ---- Size and layout ----

void CGridCtrl::setRowCount(int rows) {
    QTableWidget::setRowCount(std::max(rows - 1, 0));
}

void CGridCtrl::setColumnCount(int columns) {
    QTableWidget::setColumnCount(std::max(columns - 1, 0));
}

void CGridCtrl::setRowHeight(int row, int pixels) {
    if (row == 0)
        horizontalHeader()->setFixedHeight(pixels);
    else if (row < getRowCount())
        QTableWidget::setRowHeight(row - 1, pixels);
}

void CGridCtrl::setColumnWidth(int column, int pixels) {
    if (column == 0)
        verticalHeader()->setFixedWidth(pixels);
    else if (column < getColumnCount())
        QTableWidget::setColumnWidth(column - 1, pixels);
}

void CGridCtrl::redrawRow(int row) {
    if (row == 0) {
        horizontalHeader()->viewport()->update();
        return;
    }
    for (int c = 0; c < columnCount(); ++c)
        update(model()->index(row - 1, c));
}

// ---- Cells ----

std::wstring CGridCtrl::getItemText(int row, int column) const {
    if (row < 0 || column < 0 || row >= getRowCount() || column >= getColumnCount()) return std::wstring();
    const QTableWidgetItem* item = nullptr;
    if (row == 0 && column > 0)
        item = horizontalHeaderItem(column - 1);
    else if (column == 0 && row > 0)
        item = verticalHeaderItem(row - 1);
    else if (row > 0)
        item = QTableWidget::item(row - 1, column - 1);
    return item ? item->text().toStdWString() : std::wstring();
}

QTableWidgetItem* CGridCtrl::cell(int row, int column) {
    QTableWidgetItem* item = QTableWidget::item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        setItem(row, column, item);
    }
    return item;
}

bool CGridCtrl::setItemText(int row, int column, const std::wstring& text) {
    if (row < 0 || column < 0 || row >= getRowCount() || column >= getColumnCount() ||
        (row == 0 && column == 0))
        return false;
    const bool fits = text.size() <= static_cast<std::size_t>(MAX_CELL_TEXT);
    const QString shown = QString::fromStdWString(fits ? text : text.substr(0, MAX_CELL_TEXT));
    if (row == 0)
        setHorizontalHeaderItem(column - 1, new QTableWidgetItem(shown));
    else if (column == 0)
        setVerticalHeaderItem(row - 1, new QTableWidgetItem(shown));
    else
        cell(row - 1, column - 1)->setText(shown);
    return fits;
}

// ---- Editing ----

void CGridCtrl::endEditing() {
    if (!isEditing()) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CGridCtrl::setFocusCell(int row, int column) {
    endEditing();
    m_tab_origin = -1;
    if (row > 0 && column > 0 && row < getRowCount() && column < getColumnCount())
        setCurrentCell(row - 1, column - 1);
}

QLineEdit* CGridCtrl::openEditor() {
    if (isEditing()) return qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
    if (rowCount() == 0 || columnCount() == 0) return nullptr;
    if (!currentIndex().isValid()) setCurrentCell(0, 0);
    edit(currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
    // Like a key typed on a cell that is not being edited: the new text
    // takes the old one's place.
    if (editor) editor->selectAll();
    return editor;
}

void CGridCtrl::insertText(const std::wstring& text, int caretBack) {
    QLineEdit* editor = openEditor();
    if (!editor) return;
    const QString added = QString::fromStdWString(text);
    if (editor->text().size() - editor->selectedText().size() + added.size() > editor->maxLength())
        emit textCut();
    editor->insert(added);
    editor->cursorBackward(false, caretBack);
    editor->setFocus();
}

void CGridCtrl::sendBackspace() {
    if (QLineEdit* editor = openEditor()) {
        editor->backspace();
        editor->setFocus();
    }
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // A queued close of an edit that is gone already moves nothing.
    if (!isEditing()) hint = QAbstractItemDelegate::NoHint;
    switch (hint) {
    case QAbstractItemDelegate::EditNextItem: // Tab
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveNext();
        break;
    case QAbstractItemDelegate::SubmitModelCache: // Enter
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveDown();
        break;
    default:
        QTableWidget::closeEditor(editor, hint);
        break;
    }
}

void CGridCtrl::moveNext() {
    int row = std::max(currentRow(), 0);
    int column = std::max(currentColumn(), 0);
    if (m_tab_origin < 0) m_tab_origin = column;
    if (++column >= columnCount()) {
        column = 0;
        m_tab_origin = 0;
        if (++row >= rowCount()) return;
    }
    setCurrentCell(row, column);
}

void CGridCtrl::moveDown() {
    const int column = m_tab_origin >= 0 ? m_tab_origin : std::max(currentColumn(), 0);
    const int row = std::min(std::max(currentRow(), 0) + 1, rowCount() - 1);
    m_tab_origin = -1;
    setCurrentCell(row, column);
}

// ---- Keyboard and clipboard ----

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyBlock());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteBlock(QApplication::clipboard()->text());
        return;
    }
    // Tab and Enter reach the table itself when the edit has no focus (the
    // edit's own keys end in closeEditor).
    switch (event->key()) {
    case Qt::Key_Tab:
        endEditing();
        moveNext();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // From the focused edit the key only passes by: the delegate closes
        // the edit with its own queued call, which moves on.
        if (QWidget* editor = isEditing() ? indexWidget(currentIndex()) : nullptr;
            editor && editor->hasFocus())
            return;
        endEditing();
        moveDown();
        return;
    case Qt::Key_Delete:
        if (isEditing()) break;
        clearSelectedCells();
        return;
    default:
        if (isNavigationKey(event->key())) m_tab_origin = -1;
        break;
    }
    QTableWidget::keyPressEvent(event);
}

QString CGridCtrl::copyBlock() const {
    QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        if (!currentIndex().isValid()) return QString();
        ranges.append(
            QTableWidgetSelectionRange(currentRow(), currentColumn(), currentRow(), currentColumn()));
    }
    const QTableWidgetSelectionRange& r = ranges.front();
    QStringList lines;
    for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
        QStringList cells;
        for (int column = r.leftColumn(); column <= r.rightColumn(); ++column) {
            const QTableWidgetItem* item = QTableWidget::item(row, column);
            cells.append(item ? item->text() : QString());
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n'));
}

bool CGridCtrl::pasteBlock(const QString& text) {
    endEditing();
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    // A block copied from a spreadsheet ends with a line break.
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    const int top = std::max(currentRow(), 0);
    const int left = std::max(currentColumn(), 0);
    bool fits = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < cells.size(); ++j) {
            if (top + i >= rowCount() || left + j >= columnCount()) {
                fits = false;
                continue;
            }
            fits = setItemText(top + i + 1, left + j + 1, cells[j].toStdWString()) && fits;
        }
    }
    if (!fits) emit textCut();
    return fits;
}

void CGridCtrl::clearSelectedCells() {
    endEditing();
    for (const QTableWidgetSelectionRange& r : selectedRanges())
        for (int row = r.topRow(); row <= r.bottomRow(); ++row)
            for (int column = r.leftColumn(); column <= r.rightColumn(); ++column)
                if (QTableWidgetItem* item = QTableWidget::item(row, column)) item->setText(QString());
}

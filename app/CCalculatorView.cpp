#include "CCalculatorView.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "COrvantaDoc.h"
#include "ColorRef.h"
#include "KeyButton.h"
#include "ModeTable.h"
#include "ScreenFonts.h"
#include "TextFit.h"

namespace {
QString toQt(const std::wstring& text) {
    QString s = QString::fromStdWString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

std::wstring fromQt(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toStdWString();
}

// The smallest font a fitted result may get: three fifths of the field's
// own, and never below what the small screens can still show legibly.
int readableMinimum(const QFont& font) {
    constexpr int SMALLEST = 8;
    return std::max(SMALLEST, font.pixelSize() * 3 / 5);
}

// The width a line edit has for its text.
qreal textWidth(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth =
        edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    constexpr int LINE_EDIT_MARGIN = 2; // the edit's own margin on either side of the text
    return contents.marginsRemoved(edit.textMargins()).width() - 2 * LINE_EDIT_MARGIN - 1;
}

// Whether a text fits the visible part of a plain-text edit at a font.
bool fitsEditor(const QPlainTextEdit& edit, const QFont& font, const QString& text) {
    const int margin = static_cast<int>(2 * edit.document()->documentMargin());
    const QRect room(0, 0, edit.viewport()->width() - margin, edit.viewport()->height() - margin);
    const QRect needed =
        QFontMetrics(font).boundingRect(room.adjusted(0, 0, 0, 1 << 20), Qt::TextWrapAnywhere, text);
    return needed.height() <= room.height() && needed.width() <= room.width();
}
} // namespace

CCalculatorView::CCalculatorView(COrvantaDoc& document, int mode, QWidget* parent)
    : QWidget(parent), m_document(document), m_mode(mode), m_screen_class(Screen::screenClass()),
      m_input_font(ScreenFonts::inputFont(m_screen_class)),
      m_result_font(ScreenFonts::resultFont(m_screen_class)) {
    setObjectName(QString::number(mode));
    setAutoFillBackground(true);
    buildLayout();
    refreshColours();
    languageChanged();
}

void CCalculatorView::buildLayout() {
    m_input = new QPlainTextEdit(this);
    m_input->setObjectName(QString::number(INPUT_LINE));
    m_input->setFont(m_input_font);
    m_input->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_input->setTabChangesFocus(true);
    // The device keyboard: Enter, Backspace and Escape act as their keys.
    m_input->installEventFilter(this);
    // Two lines of the input font: long formulas wrap instead of scrolling away.
    const int lineHeight = QFontMetrics(m_input_font).lineSpacing();
    m_input->setFixedHeight(2 * lineHeight + 2 * m_input->frameWidth() + 8);

    m_result = new QLineEdit(this);
    m_result->setObjectName(QString::number(RESULT_LINE));
    m_result->setFont(m_result_font);
    m_result->setReadOnly(true);
    // Keys typed while the result line has the focus go to the input line.
    m_result->installEventFilter(this);

    m_memory = new QComboBox(this);
    m_memory->setObjectName(QString::number(MEMORY_LIST));
    m_memory->setFont(m_result_font);
    m_memory->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_memory->setMinimumContentsLength(4);
    // Choosing an entry, with the mouse or the keyboard, inserts it.
    m_memory->installEventFilter(this);
    connect(m_memory, &QComboBox::activated, this, &CCalculatorView::memoryChosen);
    // A fitted result font lasts until the input line is edited.
    connect(m_input, &QPlainTextEdit::textChanged, this, [this] {
        if (m_input_holds_result) return;
        m_input->setFont(m_input_font);
        m_input->setToolTip(QString());
    });

    m_keypad_area = new QWidget(this);
    m_keypad_area->setObjectName(QStringLiteral("keypad"));
    auto* keypadLayout = new QVBoxLayout(m_keypad_area);
    m_mode_name = new QLabel(m_keypad_area);
    m_mode_name->setObjectName(QStringLiteral("modeName"));
    m_mode_name->setAlignment(Qt::AlignCenter);
    m_mode_name->setWordWrap(true);
    m_mode_name->setFont(m_input_font);
    keypadLayout->addWidget(m_mode_name);

    auto* layout = new QVBoxLayout(this);
    const int margin = Screen::HiRes() ? 6 : 3;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(m_input);
    // The landscape layout is short: the result and the memory list share a row.
    m_result_row = new QBoxLayout(landscapeLayout() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_result_row->setSpacing(margin);
    m_result_row->addWidget(m_result, 3);
    m_result_row->addWidget(m_memory, 2);
    layout->addLayout(m_result_row);
    layout->addWidget(m_keypad_area, 1);
}

bool CCalculatorView::landscapeLayout() const {
    return Screen::emulated() ? m_screen_class == ScreenClass::QvgaLandscape : m_landscape;
}

bool CCalculatorView::landscapeFits(QSize window, int foldedColumns) {
    // A quarter wider than tall: a window near square keeps the portrait
    // keypad, whose keys are wider than high as designed.
    constexpr double LANDSCAPE_ASPECT = 1.25;
    const int needed = foldedColumns * KeyButton::desktopMinimumSize().width();
    return window.width() >= LANDSCAPE_ASPECT * window.height() && window.width() >= needed;
}

QSize CCalculatorView::minimumSizeHint() const {
    return isHidden() ? QSize(0, 0) : QWidget::minimumSizeHint();
}

void CCalculatorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!Screen::emulated()) followOrientation();
}

void CCalculatorView::followOrientation() {
    const int folded = m_keypad.rows > 0 ? 2 * m_keypad.columns : m_keypad.columns;
    const bool landscape = landscapeFits(window()->size(), folded);
    if (landscape == m_landscape) return;
    m_landscape = landscape;
    m_result_row->setDirection(landscape ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    arrangeKeypad();
}

void CCalculatorView::initialUpdate() {
    if (!m_pending_text.empty()) setInputText(m_pending_text);
    m_pending_text.clear();
    refreshColours();
    languageChanged();
}

void CCalculatorView::languageChanged() {
    const ModeInfo* info = ModeTable::find(m_mode);
    m_mode_name->setText(info ? QString::fromWCharArray(info->name(m_document.m_language)) : QString());
    refreshKeys(ALL_KEYS);
}

void CCalculatorView::refreshColours() {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(m_document.viewBackground()));
    setPalette(p);
    // The mode's name must stay readable on any background colour.
    QPalette labelPalette = m_mode_name->palette();
    labelPalette.setColor(QPalette::WindowText,
                          qGray(p.color(QPalette::Window).rgb()) < 128 ? Qt::white : Qt::black);
    m_mode_name->setPalette(labelPalette);
}

std::wstring CCalculatorView::inputText() const {
    return fromQt(m_input->toPlainText());
}

void CCalculatorView::setInputText(const std::wstring& text) {
    m_input->setPlainText(toQt(text));
    m_input->moveCursor(QTextCursor::End);
}

std::wstring CCalculatorView::resultText() const {
    return m_result->text().toStdWString();
}

void CCalculatorView::setResultText(const std::wstring& text) {
    m_result->setText(QString::fromStdWString(text));
    m_result->setToolTip(m_result->text());
    fitResultLine();
}

void CCalculatorView::fitResultLine() {
    const QString text = m_result->text();
    m_result->setFont(
        TextFit::shrink(m_result_font, text, textWidth(*m_result), readableMinimum(m_result_font)));
    // Whatever still does not fit is read from its start; the rest is in the tooltip.
    m_result->setCursorPosition(0);
}

void CCalculatorView::fitInputResult() {
    const QString text = m_input->toPlainText();
    QFont font = m_input_font;
    const int minimum = readableMinimum(m_input_font);
    while (font.pixelSize() > minimum && !fitsEditor(*m_input, font, text))
        font.setPixelSize(font.pixelSize() - 1);
    m_input->setFont(font);
    m_input->setToolTip(text);
    // The caret stays at the end for the next key, but the text is shown from its start.
    m_input->verticalScrollBar()->setValue(0);
}

std::vector<std::wstring> CCalculatorView::memoryEntries() const {
    std::vector<std::wstring> entries;
    for (int i = 0; i < m_memory->count(); ++i)
        entries.push_back(m_memory->itemText(i).toStdWString());
    return entries;
}

void CCalculatorView::addMemoryEntries(const std::vector<std::wstring>& entries) {
    for (const std::wstring& entry : entries) {
        const QString text = QString::fromStdWString(entry);
        if (m_memory->findText(text, Qt::MatchExactly) < 0) m_memory->addItem(text);
    }
}

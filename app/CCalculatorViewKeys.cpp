// The keypad machinery shared by every mode view: the key handler, the
// editing rules of the input line, the memory list, the history, the
// clipboard and the dialogs of the Edit menu.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "CCalculatorView.h"
#include "CMainFrame.h"
#include "COrvantaDoc.h"
#include "IExpression.h"
#include "KeyButton.h"
#include "KeyIds.h"
#include "KeyTable.h"
#include "LodrinStarter.h"
#include "MenuResources.h"
#include "ModeTable.h"

using namespace CalculatorModes;
namespace M = MenuResources;
namespace K = KeyId;

namespace {
constexpr unsigned MSG_NO_VALUES = 40231;  // "No values are calculated!"
constexpr unsigned MSG_NOTHING = 40232;    // "Nothing to convert!"
constexpr int CONSTANTS = LodrinStarter::CONSTANT_SLOTS;
constexpr int FUNCTION_SLOTS = LodrinStarter::FUNCTION_SLOTS;
const std::wstring s_paste_prefix = L"f(x)=";

constexpr int s_view_commands[] = {M::ID_CUT,     M::ID_COPY,      M::ID_PASTE,        M::ID_UNDO,
                                   M::ID_HISTORY, M::ID_CONSTANTS, M::ID_MY_FUNCTIONS, M::ID_OPTIONS};

bool contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

// Qt keeps a line break as one character; the views hand texts around with
// carriage return and line feed.
QString toQt(const std::wstring& text) {
    QString s = QString::fromStdWString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

// Keys that choose one value of a setting, and show pressed while it holds.
// The order is the order the cycling keys step through.
template <class T> struct ChoiceKey {
    int id;
    T value;
};
constexpr ChoiceKey<MODE> s_angle_keys[] = {{K::DEG, DEG}, {K::RAD, RAD}, {K::GRAD, GRAD}};
constexpr ChoiceKey<COMPMODE> s_input_base_keys[] = {
    {K::HEX_INPUT, COMP_HEX}, {K::DEC_INPUT, COMP_DEC}, {K::OCT_INPUT, COMP_OCT}, {K::BIN_INPUT, COMP_BIN}};
constexpr ChoiceKey<COMPUTERRESULT> s_result_base_keys[] = {
    {K::TO_BIN, RESULT_BIN}, {K::TO_HEX, RESULT_HEX}, {K::TO_DEC, RESULT_DEC}, {K::TO_OCT, RESULT_OCT}};
constexpr ChoiceKey<COMLEXRESULT> s_complex_form_keys[] = {{K::POLAR, POLAR}, {K::RECTANGULAR, RECTANGULAR}};

template <class T, std::size_t N> const T* choiceOf(const ChoiceKey<T> (&keys)[N], int id) {
    for (const ChoiceKey<T>& key : keys)
        if (key.id == id) return &key.value;
    return nullptr;
}

// The value after the current one in the table's order, round again after the last.
template <class T, std::size_t N> T nextChoice(const ChoiceKey<T> (&keys)[N], T current) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (keys[i].value == current) return keys[i + 1].value;
    return keys[0].value;
}
} // namespace

// ---- Commands ----

bool CCalculatorView::handlesCommand(int id) const {
    return std::find(std::begin(s_view_commands), std::end(s_view_commands), id) != std::end(s_view_commands);
}

void CCalculatorView::onCommand(int id) {
    switch (id) {
    case M::ID_CUT:
        cut();
        break;
    case M::ID_COPY:
        copy();
        break;
    case M::ID_PASTE:
        paste();
        break;
    case M::ID_UNDO:
        setInputText(m_undo_text);
        focusInput();
        break;
    case M::ID_HISTORY:
        showHistoryDialog();
        break;
    case M::ID_CONSTANTS:
        showConstantsDialog();
        break;
    case M::ID_MY_FUNCTIONS:
        showFunctionsDialog();
        break;
    case M::ID_OPTIONS:
        showOptionsDialog();
        break;
    default:
        break;
    }
}

std::wstring CCalculatorView::message(unsigned id) {
    return OrvantaCalcBase::loadString(id);
}

void CCalculatorView::focusInput() {
    m_input->setFocus();
    m_input->ensureCursorVisible();
}

// ---- Key handler ----

void CCalculatorView::onKey(int id) {
    if (id < FIRST_KEY || id > LAST_KEY || viewKey(id)) return;
    m_undo_text = inputText();
    if (stateKey(id) || editKey(id) || functionTypeKey(id)) return;
    if (KeyTable::isUserKey(id)) {
        userKey(id - KeyTable::FIRST_USER_KEY + 1);
        return;
    }
    std::wstring text;
    if (keyText(id, text)) insertTemplate(text);
}

bool CCalculatorView::keyText(int id, std::wstring& text) const {
    return KeyTable::insertText(id, m_document.m_inv, m_document.m_hyp, m_document.m_useJ, text);
}

bool CCalculatorView::stateKey(int id) {
    COrvantaDoc& doc = m_document;
    const bool programmer = m_mode == ModeTable::COMPUTER;
    if (const MODE* angle = choiceOf(s_angle_keys, id)) {
        doc.m_mode = *angle;
        refreshKeys(ANGLE_GROUP);
        return true;
    }
    if (const COMPMODE* base = choiceOf(s_input_base_keys, id)) {
        setInputBase(*base);
        return true;
    }
    if (const COMPUTERRESULT* base = choiceOf(s_result_base_keys, id)) {
        if (programmer) setResultBase(*base);
        return true;
    }
    if (const COMLEXRESULT* form = choiceOf(s_complex_form_keys, id)) {
        if (m_mode == ModeTable::COMPLEX) setComplexForm(*form);
        return true;
    }
    switch (id) {
    case K::INV:
    case K::INV_2:
    case K::INV_BANK:
        doc.m_inv = doc.m_inv ? 0 : 1;
        refreshKeys(INV_GROUP);
        return true;
    case K::HYP:
    case K::HYP_2:
        doc.m_hyp = doc.m_hyp ? 0 : 1;
        refreshKeys(HYP_GROUP);
        return true;
    case K::MODE_CYCLE:
        if (programmer) {
            setInputBase(nextChoice(s_input_base_keys, doc.m_computerMode));
            return true;
        }
        [[fallthrough]];
    case K::ANGLE_CYCLE:
        doc.m_mode = nextChoice(s_angle_keys, doc.m_mode);
        refreshKeys(ANGLE_GROUP);
        return true;
    case K::BASE_CYCLE:
        setInputBase(nextChoice(s_input_base_keys, doc.m_computerMode));
        return true;
    case K::BANK:
        if (programmer)
            cycleProgrammerBank();
        else
            cycleUserBank();
        return true;
    case K::STATISTICS_BANK:
        cycleStatisticsBank();
        return true;
    default:
        return false;
    }
}

bool CCalculatorView::editKey(int id) {
    switch (id) {
    case K::CLEAR:
    case K::CLEAR_2:
        clearAll();
        return true;
    case K::BACK:
    case K::BACK_2:
        deleteBackward();
        return true;
    case K::EQUALS:
    case K::EQUALS_2:
    case K::EQUALS_3:
    case K::EQUALS_4:
        equals(id);
        return true;
    case K::CALCULATE:
        m_last_equals_key = id;
        calculateInput();
        return true;
    case K::MEMORY_ADD:
    case K::MEMORY_DELETE:
    case K::MEMORY_CLEAR:
    case K::MEMORY_INSERT:
        memoryKey(id);
        return true;
    case K::HISTORY_ADD:
        if (const std::wstring input = inputText(); !input.empty()) m_document.addToHistory(input);
        afterHistory();
        return true;
    case K::SELECT:
        selectStoredText();
        return true;
    case K::LOAD:
        if (m_mode == ModeTable::STATISTIC)
            statisticsLoad();
        else
            equationLoad();
        return true;
    case K::STORE:
        if (m_mode == ModeTable::STATISTIC)
            statisticsSave();
        else
            equationStore();
        return true;
    case K::REGRESSION:
        regression();
        return true;
    case K::STATISTICS_OPTIONS:
        statisticsOptions();
        return true;
    case K::MATRIX_HOOK:
        matrixHook();
        return true;
    case K::ADD_UNIT:
    case K::DELETE_UNIT:
    case K::ADD_UNIT_GROUP:
    case K::DELETE_UNIT_GROUP:
        converterHook(id);
        return true;
    case K::OPTIONS:
        showOptionsDialog();
        return true;
    case K::PLOTTER_OPTIONS: // plotter options: the plotter view's own key
        viewHook();
        return true;
    default:
        return false;
    }
}

bool CCalculatorView::functionTypeKey(int id) {
    struct Prefix {
        int id;
        const wchar_t* text;
        bool replaces; // a template replaces the input line
    };
    static constexpr Prefix prefixes[] = {
        {K::TYPE_FX, L"f(x)=", false},
        {K::TYPE_FY, L"f(y)=", false},
        {K::TYPE_SURFACE, L"z=f(x,y)=", false},
        {K::TYPE_IMPLICIT, L"f(x,y)==", false},
        {K::TYPE_SEQUENCE, L"f(n)=", false},
        {K::TYPE_SPACE_CURVE, L"z=f(t)=[x:=t;y:=t;z:=t;t:=0..2*pi]", false},
        {K::TYPE_JULIA, L"z(n+1)=z(n)^2+(-1+0*j)", true},
        {K::TYPE_MANDELBROT, L"z(n+1)=z(n)^2+(0+0*j);z(0)=0+0*j", true},
        {K::TYPE_PARAMETRIC, L"f(t)=[x:=t;y:=t;t:=0..2*pi]", true},
        {K::TYPE_RECURSIVE, L"f(n)=f(n-1);f(0)=1", true},
        {K::TYPE_POLAR, L"f(t)=p=[t;t:=0..2*pi]", true},
        {K::TYPE_FTX, L"f(t,x)=", true},
    };
    if (id >= K::FIRST_CONTEXT && id <= K::LAST_CONTEXT) {
        const std::wstring text = KeyTable::contextText(id, inputText());
        if (!text.empty()) insertTemplate(text);
        return true;
    }
    for (const Prefix& p : prefixes) {
        if (p.id != id) continue;
        if (p.replaces) {
            m_input->clear();
            m_input->textCursor().insertText(toQt(p.text));
            focusInput();
        } else {
            prependText(p.text);
        }
        clearFunctionCaptions();
        return true;
    }
    return false;
}

// ---- Editing the input line ----

void CCalculatorView::insertTemplate(const std::wstring& text) {
    QTextCursor cursor = m_input->textCursor();
    const QString t = toQt(text);
    if (!contains(text, L"()") && !contains(text, L"(,)")) {
        cursor.insertText(t);
    } else if (contains(text, L"()") && IExpression::countFunctionParameters(text) != 0) {
        if (cursor.hasSelection()) {
            // The selection becomes the argument: "sin()" around "2+x" gives "sin(2+x)".
            const QString selected = cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
            cursor.insertText(t.left(t.size() - 1) + selected + QLatin1Char(')'));
        } else {
            cursor.insertText(t);
            if (cursor.position() - 1 >= 2) cursor.movePosition(QTextCursor::PreviousCharacter);
        }
    } else if (contains(text, L"(,)")) {
        cursor.insertText(t);
        if (!cursor.hasSelection()) cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::MoveAnchor, 2);
    }
    m_input->setTextCursor(cursor);
    focusInput();
}

void CCalculatorView::prependText(const std::wstring& prefix) {
    QTextCursor cursor = m_input->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(toQt(prefix));
    if (!cursor.hasSelection()) {
        if (contains(prefix, L"(,)"))
            cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::MoveAnchor, 2);
        else if (contains(prefix, L"()"))
            cursor.movePosition(QTextCursor::PreviousCharacter);
    }
    m_input->setTextCursor(cursor);
    focusInput();
}

void CCalculatorView::deleteBackward() {
    // A line break is one character in the editor, so the carriage return
    // and the line feed go together.
    QTextCursor cursor = m_input->textCursor();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    else if (cursor.position() >= 1)
        cursor.deletePreviousChar();
    m_input->setTextCursor(cursor);
    focusInput();
}

void CCalculatorView::clearAll() {
    m_input->clear();
    setResultText(std::wstring());
    clearFunctionCaptions();
    // After a click into the result line the next typed key belongs here.
    focusInput();
}

void CCalculatorView::clearFunctionCaptions() {
    for (int id = K::FIRST_CONTEXT; id <= K::LAST_CONTEXT; ++id)
        if (KeyButton* k = key(id)) k->setCaption(std::wstring(), k->captionStyle());
}

// ---- Equals, history and results ----

void CCalculatorView::equals(int id) {
    m_last_equals_key = id;
    if (const std::wstring input = inputText(); !input.empty()) m_document.addToHistory(input);
    focusInput();
    calculateInput();
}

void CCalculatorView::showCalculation(const std::wstring& input, const std::wstring& result) {
    if (m_document.m_resultInInput) {
        setResultText(input);
        m_input_holds_result = true;
        setInputText(result);
        m_input_holds_result = false;
        fitInputResult();
    } else {
        setResultText(result);
    }
}

void CCalculatorView::showHistoryDialog() {
    LodrinStarter starter(this);
    for (int i = 0; i < m_document.getHistorySize(); ++i)
        starter.addHistory(m_document.getHistory(i));
    const std::wstring chosen = starter.showHistory();
    if (chosen.empty()) return;
    setInputText(chosen);
    calculateInput();
}

// ---- User keys, constants, selection ----

std::wstring CCalculatorView::userKeyText(const std::wstring& formula) {
    if (!contains(formula, L"=")) return formula;
    if (const std::size_t at = formula.find(L"(x,y)="); at != std::wstring::npos)
        return formula.substr(0, at) + L"(,)";
    if (const std::size_t at = formula.find(L"(x)="); at != std::wstring::npos)
        return formula.substr(0, at) + L"()";
    const std::size_t head = formula.find(L")=");
    if (head == std::wstring::npos) return std::wstring();
    const std::size_t open = formula.find(L'(');
    if (open == std::wstring::npos || open > head) return std::wstring();
    const auto commas = std::count(formula.begin() + static_cast<std::ptrdiff_t>(open),
                                   formula.begin() + static_cast<std::ptrdiff_t>(head), L',');
    return formula.substr(0, open + 1) + std::wstring(static_cast<std::size_t>(commas), L',') + L")";
}

void CCalculatorView::userKey(int number) {
    const OrvantaCalcBase& engine = m_document.engine();
    const bool functions = m_user_bank == 0 || (m_mode == ModeTable::COMPUTER && m_programmer_bank == 0) ||
                           (m_mode == ModeTable::STATISTIC && m_statistics_bank == 0);
    if (functions) {
        const int slot = 2 * (number - 1) + (m_document.m_inv ? 1 : 0);
        const std::wstring text = userKeyText(engine.getExpression(slot));
        if (!text.empty()) insertTemplate(text);
    } else {
        insertTemplate(L"{" + engine.getConstKey(number - 1) + L"}");
    }
}

void CCalculatorView::selectStoredText() {
    const OrvantaCalcBase& engine = m_document.engine();
    std::vector<std::wstring> constants;
    for (int i = 0; i < CONSTANTS; ++i)
        if (!engine.getConstKey(i).empty()) constants.push_back(L"{" + engine.getConstKey(i) + L"}");
    std::vector<std::wstring> expressions;
    for (int slot = 0; slot < FUNCTION_SLOTS; ++slot) {
        const std::wstring text = userKeyText(engine.getExpression(slot));
        if (!text.empty()) expressions.push_back(text);
    }
    std::wstring chosen;
    LodrinStarter starter(this);
    switch (starter.showSelect(chosen, expressions, constants)) {
    case 0:
        insertTemplate(chosen);
        break;
    case 1: // the user asked to edit the functions or the constants
        showFunctionsDialog();
        break;
    case 2:
        showConstantsDialog();
        break;
    default:
        break;
    }
}

void CCalculatorView::cycleUserBank() {
    m_user_bank = (m_user_bank + 1) % 3;
    refreshKeys(BANK_GROUP);
    if (KeyButton* k = key(K::INV_BANK)) k->setCaption(L"inv", k->captionStyle());
    if (KeyButton* k = key(K::MODE_CYCLE)) k->setCaption(L"mde", k->captionStyle());
}

void CCalculatorView::cycleStatisticsBank() {
    m_statistics_bank = (m_statistics_bank + 1) % 4;
    refreshKeys(BANK_GROUP);
}

void CCalculatorView::cycleProgrammerBank() {
    m_programmer_bank = (m_programmer_bank + 1) % 3;
    refreshKeys(BANK_GROUP);
}

// ---- Keypad states ----

void CCalculatorView::setInputBase(int base) {
    m_document.m_computerMode = static_cast<COMPMODE>(base);
    baseChanged();
    refreshKeys(BASE_GROUP);
}

void CCalculatorView::setResultBase(COMPUTERRESULT base) {
    m_document.m_computerResult = base;
    refreshKeys(BASE_GROUP);
    if (inputText().empty())
        setResultText(message(MSG_NOTHING));
    else
        calculateInput();
}

void CCalculatorView::setComplexForm(COMLEXRESULT form) {
    m_document.m_complexResult = form;
    refreshKeys(BASE_GROUP);
    if (inputText().empty())
        setResultText(message(form == POLAR ? MSG_NO_VALUES : MSG_NOTHING));
    else
        calculateInput();
}

// ---- Memory list ----

void CCalculatorView::memoryKey(int id) {
    switch (id) {
    case K::MEMORY_ADD: {
        const std::wstring text = m_active_field == RESULT_LINE ? resultText() : inputText();
        if (!text.empty()) m_memory->addItem(toQt(text));
        break;
    }
    case K::MEMORY_DELETE:
        if (m_memory->currentIndex() >= 0) m_memory->removeItem(m_memory->currentIndex());
        break;
    case K::MEMORY_CLEAR:
        m_memory->clear();
        break;
    default:
        insertMemoryEntry();
        break;
    }
}

void CCalculatorView::insertMemoryEntry() {
    if (m_memory->currentIndex() < 0) return;
    QString entry = m_memory->currentText();
    entry.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    insertTemplate(entry.toStdWString());
}

void CCalculatorView::memoryChosen(int index) {
    if (index < 0) return;
    const bool stepping = m_memory_by_keyboard;
    if (stepping && m_memory_step.start >= 0 && inputText() == m_memory_step.after) {
        // The entry of the previous step goes; the undo text stays the line before the first step.
        QTextCursor cursor = m_input->textCursor();
        cursor.setPosition(m_memory_step.start);
        cursor.setPosition(m_memory_step.end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_input->setTextCursor(cursor);
    } else {
        m_undo_text = inputText();
    }
    const int length = m_input->document()->characterCount();
    const int start = m_input->textCursor().selectionStart();
    insertMemoryEntry();
    m_memory_step = {start, start + m_input->document()->characterCount() - length, inputText()};
    // A keyboard user goes on stepping through the list.
    if (stepping) m_memory->setFocus();
}

// ---- Clipboard ----

QWidget* CCalculatorView::clipboardField() const {
    QWidget* focused = QApplication::focusWidget();
    return focused == m_result ? static_cast<QWidget*>(m_result) : static_cast<QWidget*>(m_input);
}

void CCalculatorView::copy() {
    QString text;
    if (clipboardField() == m_result)
        text = m_result->hasSelectedText() ? m_result->selectedText() : m_result->text();
    else if (m_input->textCursor().hasSelection())
        text = m_input->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    else
        text = m_input->toPlainText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void CCalculatorView::cut() {
    copy();
    // Without a selection the whole text is copied and the field left alone.
    if (clipboardField() == m_result) {
        if (!m_result->hasSelectedText()) return;
        const int start = m_result->selectionStart();
        QString text = m_result->text();
        text.remove(start, m_result->selectedText().size());
        m_result->setText(text);
        m_result->setCursorPosition(start);
    } else {
        QTextCursor cursor = m_input->textCursor();
        if (!cursor.hasSelection()) return;
        cursor.removeSelectedText(); // leaves the caret at the start of the selection
        m_input->setTextCursor(cursor);
    }
}

void CCalculatorView::paste() {
    QString text = QApplication::clipboard()->text();
    if (text.startsWith(QString::fromStdWString(s_paste_prefix))) text.remove(0, 5);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextCursor cursor = m_input->textCursor();
    if (cursor.position() >= 1 || cursor.hasSelection())
        cursor.insertText(text);
    else
        m_input->setPlainText(text);
    m_input->moveCursor(QTextCursor::End);
    focusInput();
}

// ---- Edit-menu dialogs ----

void CCalculatorView::showOptionsDialog() {
    COrvantaDoc& doc = m_document;
    int numMode = doc.m_numMode;
    int precision = doc.m_precision;
    int language = doc.m_language;
    int standard = doc.m_stdBackground;
    bool useJ = doc.m_useJ;
    bool useRPN = doc.m_useRPN;
    bool resultInInput = doc.m_resultInInput;
    unsigned long colour = doc.m_plot.background;
    LodrinStarter starter(this);
    if (!starter.showOptions(numMode, precision, language, standard, useJ, useRPN, resultInInput, colour)) return;
    const int before = doc.m_language;
    doc.m_numMode = numMode;
    doc.m_precision = precision;
    doc.setLanguage(language);
    doc.m_stdBackground = standard;
    doc.setUseJ(useJ);
    doc.m_useRPN = useRPN ? 1 : 0;
    doc.m_resultInInput = resultInInput ? 1 : 0;
    doc.m_plot.background = static_cast<ColorRef>(colour & 0xFFFFFF);
    doc.writeOptions();
    if (doc.m_language != before) {
        if (auto* frame = qobject_cast<CMainFrame*>(window()))
            frame->languageChanged(); // swaps the menu and relabels the active view
        else
            languageChanged();
    } else {
        // The "i"/"j" key may have changed.
        refreshKeys(ALL_KEYS);
    }
    refreshColours();
    update();
}

void CCalculatorView::showConstantsDialog() {
    OrvantaCalcBase& engine = m_document.engine();
    LodrinStarter starter(this);
    for (int i = 0; i < CONSTANTS; ++i)
        starter.setConst(i, engine.getConstKey(i), engine.getConstVal(i));
    if (!starter.showConstants(CONSTANTS)) return;
    for (int i = 0; i < CONSTANTS; ++i)
        engine.setConst(i, starter.getConstKey(i), starter.getConstVal(i));
    refreshKeys(BANK_GROUP);
    m_document.writeConstants();
}

void CCalculatorView::showFunctionsDialog() {
    OrvantaCalcBase& engine = m_document.engine();
    LodrinStarter starter(this);
    for (int slot = 0; slot < FUNCTION_SLOTS; ++slot)
        starter.initFunctions(slot, engine.getDescription(slot), engine.getExpression(slot));
    if (!starter.showMyFunctions(inputText(), FUNCTION_SLOTS)) return;
    for (int slot = 0; slot < FUNCTION_SLOTS; ++slot)
        engine.initFunctions(slot, starter.getDescription(slot), starter.getExpression(slot));
    m_document.writeUserKeys();
    refreshKeys(BANK_GROUP);
}

// ---- Keys and captions ----

KeyButton* CCalculatorView::key(int id) const {
    const auto it = m_keys.find(id);
    return it == m_keys.end() ? nullptr : it->second;
}

void CCalculatorView::installKeypadFor(std::span<const KeySpot> spots, int columns, int rows) {
    m_mode_name->hide();
    m_keypad.portrait.assign(spots.begin(), spots.end());
    m_keypad.columns = columns;
    m_keypad.rows = rows;
    m_keypad.grid = new QGridLayout;
    m_keypad.grid->setSpacing(Screen::HiRes() ? 3 : 1);
    m_keypad.grid->setContentsMargins(0, 0, 0, 0);
    for (const KeySpot& spot : spots) {
        auto* button = new KeyButton(spot.id, spot.look, m_keypad_area);
        button->setCaption(std::wstring(), spot.style);
        button->setProperty("page", spot.page);
        connect(button, &QAbstractButton::clicked, this, [this, id = spot.id] { onKey(id); });
        m_keys[spot.id] = button;
    }
    static_cast<QVBoxLayout*>(m_keypad_area->layout())->addLayout(m_keypad.grid, 1);
    m_keypad_area->layout()->setContentsMargins(0, 0, 0, 0);
    // The desktop window may open wide: the view starts in its layout.
    if (!Screen::emulated()) followOrientation();
    arrangeKeypad();
    refreshKeys(ALL_KEYS);
}

void CCalculatorView::installKeypad(std::span<const KeySpot> spots, int columns) {
    installKeypadFor(spots, columns, 0);
}

void CCalculatorView::arrangeKeypad() {
    QGridLayout* grid = m_keypad.grid;
    if (!grid) return;
    m_keypad.folded = m_keypad.rows > 0 && foldsKeypad();
    const std::vector<KeySpot> spots = m_keypad.folded ? KeyTable::foldForLandscape(m_keypad.portrait,
                                                                                    m_keypad.columns, m_keypad.rows)
                                                       : m_keypad.portrait;
    while (QLayoutItem* item = grid->takeAt(0))
        delete item;
    // A grid keeps its stretches for columns it no longer uses: reset them all.
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnStretch(c, 0);
    for (int r = 0; r < grid->rowCount(); ++r)
        grid->setRowStretch(r, 0);
    const int columns = m_keypad.folded ? 2 * m_keypad.columns : m_keypad.columns;
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    for (const KeySpot& spot : spots)
        grid->addWidget(m_keys.at(spot.id), spot.row, spot.column, spot.rowSpan, spot.columnSpan);
}

std::wstring CCalculatorView::keyCaption(int id) const {
    const COrvantaDoc& doc = m_document;
    if (KeyTable::isUserKey(id)) {
        const OrvantaCalcBase& engine = const_cast<COrvantaDoc&>(doc).engine();
        const int number = id - KeyTable::FIRST_USER_KEY;
        const int bank = m_mode == ModeTable::COMPUTER ? 0 : m_user_bank;
        if (bank == 0) return engine.getDescription(2 * number + (doc.m_inv ? 1 : 0));
        return engine.getConstKey(number);
    }
    if (id == K::BANK) {
        const int bank = m_mode == ModeTable::COMPUTER ? m_programmer_bank : m_user_bank;
        // The two constant banks show the same names; the key tells which one is up.
        static const wchar_t* const english[] = {L"Fn", L"Const1", L"Const2"};
        static const wchar_t* const german[] = {L"Fkt", L"Konst1", L"Konst2"};
        if (m_mode == ModeTable::COMPUTER) return std::wstring(L"Bank ") + static_cast<wchar_t>(L'1' + bank);
        return doc.m_language ? german[bank] : english[bank];
    }
    return KeyTable::caption(id, doc.m_language, doc.m_inv, doc.m_hyp, doc.m_useJ);
}

bool CCalculatorView::keyShownPressed(int id) const {
    const COrvantaDoc& doc = m_document;
    if (const MODE* angle = choiceOf(s_angle_keys, id)) return doc.m_angleFlag && doc.m_mode == *angle;
    if (const COMPMODE* base = choiceOf(s_input_base_keys, id)) return doc.m_computerMode == *base;
    if (const COMPUTERRESULT* base = choiceOf(s_result_base_keys, id)) return doc.m_computerResult == *base;
    if (const COMLEXRESULT* form = choiceOf(s_complex_form_keys, id)) return doc.m_complexResult == *form;
    switch (id) {
    case K::INV:
    case K::INV_2:
        return doc.m_inv;
    case K::HYP:
    case K::HYP_2:
        return doc.m_hyp;
    default:
        return false;
    }
}

void CCalculatorView::refreshKeys(int) {
    // Relabelling every key is cheap; the group only says what changed.
    for (const auto& [id, button] : m_keys) {
        if (id >= K::FIRST_CONTEXT && id <= K::LAST_CONTEXT) continue; // the function-type views set these
        button->setCaption(keyCaption(id), button->captionStyle());
        button->setPressedState(keyShownPressed(id));
    }
}

// ---- Device keyboard and focus ----

bool CCalculatorView::forwardToInput(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        break;
    default:
        if (key.text().isEmpty() || !key.text().at(0).isPrint()) return false;
    }
    focusInput();
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
    QApplication::sendEvent(m_input, &copy);
    return true;
}

bool CCalculatorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memory) {
        // Whether the next choice comes from stepping with keys (or the wheel) or from the mouse.
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)
            m_memory_by_keyboard = true;
        else if (event->type() == QEvent::MouseButtonPress)
            m_memory_by_keyboard = false;
    }
    if (watched == m_result && event->type() == QEvent::Resize) fitResultLine();
    if (watched == m_result && event->type() == QEvent::KeyPress &&
        forwardToInput(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == m_input || watched == m_result) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            m_active_field = watched == m_input ? INPUT_LINE : RESULT_LINE;
        if (watched == m_input && event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
            switch (k->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                onKey(K::EQUALS);
                return true;
            case Qt::Key_Backspace:
                onKey(K::BACK);
                return true;
            case Qt::Key_Escape:
                onKey(K::CLEAR);
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

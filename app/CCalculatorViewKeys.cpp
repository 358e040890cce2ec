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
#include "KeyTable.h"
#include "LodrinStarter.h"
#include "MenuResources.h"
#include "ModeTable.h"

using namespace CalculatorModes;
namespace M = MenuResources;

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
constexpr ChoiceKey<MODE> s_angle_keys[] = {{1305, DEG}, {1311, RAD}, {1312, GRAD}};
constexpr ChoiceKey<COMPMODE> s_input_base_keys[] = {
    {1195, COMP_HEX}, {1320, COMP_DEC}, {1197, COMP_OCT}, {1319, COMP_BIN}};
constexpr ChoiceKey<COMPUTERRESULT> s_result_base_keys[] = {
    {1514, RESULT_BIN}, {1515, RESULT_HEX}, {1516, RESULT_DEC}, {1517, RESULT_OCT}};
constexpr ChoiceKey<COMLEXRESULT> s_complex_form_keys[] = {{1315, POLAR}, {1316, RECTANGULAR}};

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
    if (KeyTable::insertText(id, m_document.m_inv, m_document.m_hyp, m_document.m_useJ, text)) insertTemplate(text);
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
    case 1083:
    case 1181:
    case 1250:
        doc.m_inv = doc.m_inv ? 0 : 1;
        refreshKeys(INV_GROUP);
        return true;
    case 1090:
    case 1304:
        doc.m_hyp = doc.m_hyp ? 0 : 1;
        refreshKeys(HYP_GROUP);
        return true;
    case 1251:
        if (programmer) {
            setInputBase(nextChoice(s_input_base_keys, doc.m_computerMode));
            return true;
        }
        [[fallthrough]];
    case 1089:
        doc.m_mode = nextChoice(s_angle_keys, doc.m_mode);
        refreshKeys(ANGLE_GROUP);
        return true;
    case 1131:
        setInputBase(nextChoice(s_input_base_keys, doc.m_computerMode));
        return true;
    case 1249:
        if (programmer)
            cycleProgrammerBank();
        else
            cycleUserBank();
        return true;
    case 1331:
        cycleStatisticsBank();
        return true;
    default:
        return false;
    }
}

bool CCalculatorView::editKey(int id) {
    switch (id) {
    case 1360:
    case 1028:
        clearAll();
        return true;
    case 1361:
    case 1027:
        deleteBackward();
        return true;
    case 1023:
    case 1024:
    case 1025:
    case 1215:
        equals(id);
        return true;
    case 1085:
        m_last_equals_key = id;
        calculateInput();
        return true;
    case 1032:
    case 1033:
    case 1038:
    case 1039:
        memoryKey(id);
        return true;
    case 1056:
        if (const std::wstring input = inputText(); !input.empty()) m_document.addToHistory(input);
        afterHistory();
        return true;
    case 1508:
        selectStoredText();
        return true;
    case 1256:
        if (m_mode == ModeTable::STATISTIC)
            statisticsLoad();
        else
            equationLoad();
        return true;
    case 1257:
        if (m_mode == ModeTable::STATISTIC)
            statisticsSave();
        else
            equationStore();
        return true;
    case 1334:
        regression();
        return true;
    case 1493:
        statisticsOptions();
        return true;
    case 1344:
        matrixHook();
        return true;
    case 1346:
    case 1347:
    case 1348:
    case 1349:
        converterHook(id);
        return true;
    case 1362:
        showOptionsDialog();
        return true;
    case 1059: // plotter options: the plotter view's own key
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
        {1429, L"f(x)=", false},
        {1430, L"f(y)=", false},
        {1432, L"z=f(x,y)=", false},
        {1440, L"f(x,y)==", false},
        {1443, L"f(n)=", false},
        {1284, L"z=f(t)=[x:=t;y:=t;z:=t;t:=0..2*pi]", false},
        {1438, L"z(n+1)=z(n)^2+(-1+0*j)", true},
        {1444, L"z(n+1)=z(n)^2+(0+0*j);z(0)=0+0*j", true},
        {1446, L"f(t)=[x:=t;y:=t;t:=0..2*pi]", true},
        {1447, L"f(n)=f(n-1);f(0)=1", true},
        {1458, L"f(t)=p=[t;t:=0..2*pi]", true},
        {1459, L"f(t,x)=", true},
    };
    if (id >= 1453 && id <= 1457) {
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
    m_result->clear();
    clearFunctionCaptions();
}

void CCalculatorView::clearFunctionCaptions() {
    for (int id = 1453; id <= 1457; ++id)
        if (KeyButton* k = key(id)) k->setCaption(std::wstring(), k->captionStyle());
}

// ---- Equals, history and results ----

void CCalculatorView::equals(int id) {
    m_last_equals_key = id;
    if (const std::wstring input = inputText(); !input.empty()) m_document.addToHistory(input);
    calculateInput();
}

void CCalculatorView::showCalculation(const std::wstring& input, const std::wstring& result) {
    if (m_document.m_resultInInput) {
        setResultText(input);
        setInputText(result);
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
    if (KeyButton* k = key(1250)) k->setCaption(L"inv", k->captionStyle());
    if (KeyButton* k = key(1251)) k->setCaption(L"mde", k->captionStyle());
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
    case 1032: {
        const std::wstring text = m_active_field == RESULT_LINE ? resultText() : inputText();
        if (!text.empty()) m_memory->addItem(toQt(text));
        break;
    }
    case 1033:
        if (m_memory->currentIndex() >= 0) m_memory->removeItem(m_memory->currentIndex());
        break;
    case 1038:
        m_memory->clear();
        break;
    default:
        if (m_memory->currentIndex() >= 0) {
            QString entry = m_memory->currentText();
            entry.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
            insertTemplate(entry.toStdWString());
        }
        break;
    }
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
    if (landscapeLayout())
        installKeypad(KeyTable::foldForLandscape(spots, columns, rows), 2 * columns);
    else
        installKeypad(spots, columns);
}

void CCalculatorView::installKeypad(std::span<const KeySpot> spots, int columns) {
    m_mode_name->hide();
    auto* grid = new QGridLayout;
    const int gap = Screen::HiRes() ? 3 : 1;
    grid->setSpacing(gap);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    for (const KeySpot& spot : spots) {
        auto* button = new KeyButton(spot.id, spot.look, m_keypad_area);
        button->setCaption(std::wstring(), spot.style);
        button->setProperty("page", spot.page);
        connect(button, &QAbstractButton::clicked, this, [this, id = spot.id] { onKey(id); });
        grid->addWidget(button, spot.row, spot.column, spot.rowSpan, spot.columnSpan);
        m_keys[spot.id] = button;
    }
    static_cast<QVBoxLayout*>(m_keypad_area->layout())->addLayout(grid, 1);
    m_keypad_area->layout()->setContentsMargins(0, 0, 0, 0);
    refreshKeys(ALL_KEYS);
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
    if (id == 1249) {
        const int bank = m_mode == ModeTable::COMPUTER ? m_programmer_bank : m_user_bank;
        static const wchar_t* const english[] = {L"Fn", L"Const", L"Const"};
        static const wchar_t* const german[] = {L"Fkt", L"Konst", L"Konst"};
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
    case 1083:
    case 1181:
        return doc.m_inv;
    case 1090:
    case 1304:
        return doc.m_hyp;
    default:
        return false;
    }
}

void CCalculatorView::refreshKeys(int) {
    // Relabelling every key is cheap; the group only says what changed.
    for (const auto& [id, button] : m_keys) {
        if (id >= 1453 && id <= 1457) continue; // the function-type views set these
        button->setCaption(keyCaption(id), button->captionStyle());
        button->setPressedState(keyShownPressed(id));
    }
}

// ---- Device keyboard and focus ----

bool CCalculatorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_input || watched == m_result) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            m_active_field = watched == m_input ? INPUT_LINE : RESULT_LINE;
        if (watched == m_input && event->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
            switch (k->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                onKey(1023);
                return true;
            case Qt::Key_Backspace:
                onKey(1361);
                return true;
            case Qt::Key_Escape:
                onKey(1360);
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

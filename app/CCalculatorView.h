#pragma once
#include <QFont>
#include <QWidget>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "CalculatorModes.h"
#include "KeyIds.h"
#include "KeyTable.h"
#include "Screen.h"

class COrvantaDoc;
class KeyButton;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

// The base of every mode view: the input line in which the user builds an
// expression, the result line below it, the memory list of stored values,
// and the room for the mode's keypad. The frame creates a view on the first
// switch to its mode and afterwards only hides and shows it, so whatever the
// user left in it is still there when they come back.
class CCalculatorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int INPUT_LINE = 1401;
    static constexpr int RESULT_LINE = 1070;
    static constexpr int MEMORY_LIST = 1111;

    CCalculatorView(COrvantaDoc& document, int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    COrvantaDoc& document() const { return m_document; }

    // Text handed over by a mode switch: a non-empty text replaces the input
    // line at the next initial update, an empty one leaves it alone.
    void setPendingText(const std::wstring& text) { m_pending_text = text; }
    // Runs every time the view is brought to the front.
    virtual void initialUpdate();
    // The language setting changed: texts follow at once.
    virtual void languageChanged();
    // The background follows the standard-background flag and colour.
    void refreshColours();

    // Whether the view acts on a frame command (Cut, Copy, Paste, Undo and
    // the Edit-menu dialogs); the frame greys those it does not.
    virtual bool handlesCommand(int id) const;
    virtual void onCommand(int id);

    // The fields, with line breaks as carriage return and line feed.
    std::wstring inputText() const;
    void setInputText(const std::wstring& text);
    std::wstring resultText() const;
    void setResultText(const std::wstring& text);
    std::vector<std::wstring> memoryEntries() const;
    // Adds entries the list does not hold yet, at its end.
    void addMemoryEntries(const std::vector<std::wstring>& entries);

    QPlainTextEdit* inputLine() const { return m_input; }
    QLineEdit* resultLine() const { return m_result; }
    QComboBox* memoryList() const { return m_memory; }
    const QFont& inputFont() const { return m_input_font; }
    const QFont& resultFont() const { return m_result_font; }
    ScreenClass screenClass() const { return m_screen_class; }
    // Of the device screens only the small landscape one uses the landscape
    // layout; the desktop window uses it while it is clearly wider than tall.
    bool landscapeLayout() const;
    // Whether the desktop window at that size takes the landscape layout:
    // clearly wider than tall, and wide enough for the folded keypad.
    static bool landscapeFits(QSize window, int foldedColumns);

    // ---- Keypad (CCalculatorViewKeys.cpp) ----
    static constexpr int FIRST_KEY = KeyId::FIRST_KEY;
    static constexpr int LAST_KEY = KeyId::LAST_KEY;
    // Key groups handed to refreshKeys; -1 refreshes every key.
    static constexpr int ALL_KEYS = -1;
    static constexpr int INV_GROUP = KeyId::INV;
    static constexpr int HYP_GROUP = KeyId::HYP;
    static constexpr int ANGLE_GROUP = KeyId::ANGLE_CYCLE;
    static constexpr int BASE_GROUP = KeyId::BASE_CYCLE;
    static constexpr int BANK_GROUP = KeyId::BANK;

    // Every keypad key ends here: the undo text is taken first, then the
    // key acts. Ids outside the keypad range are ignored.
    void onKey(int id);
    std::wstring undoText() const { return m_undo_text; }
    int activeField() const { return m_active_field; }
    int lastEqualsKey() const { return m_last_equals_key; }
    int userKeyBank() const { return m_user_bank; }
    int statisticsBank() const { return m_statistics_bank; }
    int programmerBank() const { return m_programmer_bank; }
    // The text user key 1..14 inserts for a formula (function or term).
    static std::wstring userKeyText(const std::wstring& formula);

    // Extension points of the mode views, in slot order; the base versions
    // do nothing unless said otherwise.
    virtual void cut();
    virtual void copy();
    virtual void paste();
    virtual void viewHook() {}
    virtual void equationLoad() {}
    virtual void equationStore() {}
    virtual void converterHook(int) {}
    virtual void statisticsHook(int) {}
    virtual void statisticsHook2(int) {}
    virtual void programmerHook(int) {}
    virtual void programmerHook2(int) {}
    // The key with that id, or nullptr; used to relabel keys.
    virtual KeyButton* key(int id) const;
    virtual void statisticsSave() {}
    virtual void statisticsLoad() {}
    virtual void statisticsOptions() {}
    virtual void matrixHook() {}
    virtual void insertTemplate(const std::wstring& text);
    virtual void prependText(const std::wstring& prefix);
    virtual void deleteBackward();
    virtual void clearAll();
    virtual void clearFunctionCaptions();
    virtual void refreshKeys(int group);
    virtual void baseChanged() {}
    // The equals action proper: calculate the input line and show the result.
    virtual void calculateInput() {}
    // The text an inserting key puts into the input line under the current
    // Inv, Hyp and use-j states; a view changes the keys that mean something
    // else in its mode. False for a key that inserts nothing.
    virtual bool keyText(int id, std::wstring& text) const;
    virtual void afterHistory() {}
    virtual void regression() {}
    // A key of the mode's own, or any key while the view is busy; true when
    // the view has taken it. Runs before every other key action.
    virtual bool viewKey(int) { return false; }
    // Stops long work the view runs on a worker (the frame calls it before a
    // mode switch); nothing by default.
    virtual void cancelWork() {}
    virtual void cycleUserBank();
    virtual void cycleStatisticsBank();
    virtual void cycleProgrammerBank();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Builds the mode's keypad into the keypad area in place of its name.
    void installKeypad(std::span<const KeySpot> spots, int columns);
    // The same for a portrait table of columns x rows, folded into two halves
    // side by side while the keypad folds (see foldsKeypad).
    void installKeypadFor(std::span<const KeySpot> spots, int columns, int rows);
    // Whether the keypad is folded now: in the landscape layout by default.
    virtual bool foldsKeypad() const { return landscapeLayout(); }
    void resizeEvent(QResizeEvent* event) override;
    // A hidden view sets no minimum: only the view on show must fit the window.
    QSize minimumSizeHint() const override;
    // Shows a calculation: the result in the result line, or, with
    // result-in-input, the input there and the result in the input line.
    void showCalculation(const std::wstring& input, const std::wstring& result);
    // The text of a program message in the current language.
    static std::wstring message(unsigned id);
    void focusInput();
    void setInputBase(int base);

    // Where the mode's keypad goes. Until a mode has its own, it shows the
    // mode's name there, so nothing pretends to work.
    QWidget* keypadArea() const { return m_keypad_area; }

private:
    void buildLayout();
    // Puts the keys where the current layout (folded or not) wants them.
    void arrangeKeypad();
    // The desktop window: follows a change between portrait and landscape.
    void followOrientation();
    bool stateKey(int id);
    bool editKey(int id);
    bool functionTypeKey(int id);
    void equals(int id);
    void userKey(int number);
    void selectStoredText();
    void memoryKey(int id);
    void insertMemoryEntry();
    void memoryChosen(int index);
    bool forwardToInput(const QKeyEvent& key);
    // Results and messages are read whole: a text too long for its field
    // gets a smaller font and, in full, the field's tooltip.
    void fitResultLine();
    void fitInputResult();
    void setResultBase(CalculatorModes::COMPUTERRESULT base);
    void setComplexForm(CalculatorModes::COMLEXRESULT form);
    void showHistoryDialog();
    void showOptionsDialog();
    void showConstantsDialog();
    void showFunctionsDialog();
    std::wstring keyCaption(int id) const;
    bool keyShownPressed(int id) const;
    QWidget* clipboardField() const;

    std::wstring m_undo_text;
    int m_active_field = INPUT_LINE;
    int m_user_bank = 0;
    int m_statistics_bank = 0;
    int m_programmer_bank = 0;
    int m_last_equals_key = 0;
    std::map<int, KeyButton*> m_keys;
    // Stepping through the memory list by keyboard replaces the entry the
    // previous step inserted, as long as the input line was not edited since.
    bool m_memory_by_keyboard = false;
    struct MemoryStep {
        int start = -1;
        int end = -1;
        std::wstring after;
    } m_memory_step;
    // Set while the input line shows a result, whose font may be fitted.
    bool m_input_holds_result = false;

    COrvantaDoc& m_document;
    const int m_mode;
    const ScreenClass m_screen_class;
    QFont m_input_font;
    QFont m_result_font;
    std::wstring m_pending_text;

    QPlainTextEdit* m_input = nullptr;
    QLineEdit* m_result = nullptr;
    QComboBox* m_memory = nullptr;
    QWidget* m_keypad_area = nullptr;
    QLabel* m_mode_name = nullptr;
    // The result line and the memory list: stacked, or side by side in the
    // landscape layout.
    QBoxLayout* m_result_row = nullptr;

    // The keypad as the mode defines it (portrait) and as it is placed now.
    struct Keypad {
        std::vector<KeySpot> portrait;
        int columns = 0;
        int rows = 0; // 0: the keypad never folds
        bool folded = false;
        QGridLayout* grid = nullptr;
    } m_keypad;
    // The desktop window's current layout; device screens keep theirs.
    bool m_landscape = false;
};
